#include "playlist/durationedit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimeEdit>

DurationTyping::DurationTyping(QTimeEdit *edit) : QObject(edit), m_edit(edit)
{
    edit->installEventFilter(this);
    // The field's editor has the focus and gets the keys first.
    if (auto *line = edit->findChild<QLineEdit *>())
        line->installEventFilter(this);
    // A time set otherwise (a row selected) makes an old refusal moot.
    connect(edit, &QTimeEdit::timeChanged, this, [this] { setRefusal({}); });
}

void DurationTyping::setRefusal(const QString &why)
{
    if (why == m_refusal)
        return;
    // The field's own tooltip, kept while the reason is shown; one set anew meanwhile wins.
    if (m_refusal.isEmpty() || m_edit->toolTip() != m_refusal)
        m_toolTip = m_edit->toolTip();
    m_refusal = why;
    m_edit->setToolTip(why.isEmpty() ? m_toolTip : why);
    m_edit->setStyleSheet(why.isEmpty() ? QString()
                                        : QStringLiteral("QTimeEdit { background: #ffd0d0; "
                                                         "color: #900000; }"));
}

void DurationTyping::show(const QString &text)
{
    m_typed = text;
    if (auto *line = m_edit->findChild<QLineEdit *>()) {
        // Unseen by the field, which would refuse the text as no hh:mm:ss.
        const bool blocked = line->blockSignals(true);
        line->setText(text);
        line->blockSignals(blocked);
    }
}

void DurationTyping::restore()
{
    // The field's own time again, as it shows it.
    show(m_edit->time().toString(m_edit->displayFormat()));
    m_typed.clear();
}

bool DurationTyping::commit()
{
    if (m_typed.isEmpty())
        return true;
    QTime time;
    QString why;
    const bool ok = parseDuration(m_typed, &time, &why);
    restore();
    if (ok) {
        m_edit->setTime(time);
    } else {
        QApplication::beep();
        setRefusal(why);
    }
    return ok;
}

bool DurationTyping::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched)
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        // Whatever is typed is read as a whole: "1.5" is refused, not taken as "5".
        const QString text = key->text();
        const bool typing = text.size() == 1 && text.at(0).isPrint() &&
                            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typing && m_typed.size() < 20) {
            setRefusal({});
            show(m_typed + text);
            return true;
        }
        if (key->key() == Qt::Key_Backspace && !m_typed.isEmpty()) {
            show(m_typed.chopped(1));
            if (m_typed.isEmpty())
                restore();
            return true;
        }
        if (key->key() == Qt::Key_Escape && !m_typed.isEmpty()) {
            restore();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (commit())
                emit applyRequested();
            return true;
        }
        // Shift alone comes before a typed colon: it ends nothing.
        const bool modifierOnly = key->key() == Qt::Key_Shift || key->key() == Qt::Key_Control ||
                                  key->key() == Qt::Key_Alt || key->key() == Qt::Key_Meta ||
                                  key->key() == Qt::Key_AltGr;
        // Any other key (arrows, Tab) works on the time as it now reads.
        if (!m_typed.isEmpty() && !modifierOnly)
            commit();
        return false;
    }
    case QEvent::FocusOut:
    case QEvent::Hide:
        if (!m_typed.isEmpty())
            commit();
        return false;
    default:
        return false;
    }
}
