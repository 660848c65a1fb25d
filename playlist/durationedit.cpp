#include "playlist/durationedit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimeEdit>

QTime parseDuration(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(?:(?:(\d{1,2}):)?(\d{1,5}):)?(\d{1,5})\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const bool hasMinutes = match.capturedLength(2) > 0;
    const bool hasHours = match.capturedLength(1) > 0;
    const qint64 hours = match.captured(1).toLongLong();
    const qint64 minutes = match.captured(2).toLongLong();
    const qint64 seconds = match.captured(3).toLongLong();
    // After a colon a part counts within its unit: "1:75" is a typing slip, not 2:15.
    if ((hasMinutes && seconds > 59) || (hasHours && minutes > 59))
        return {};
    const qint64 total = hours * 3600 + minutes * 60 + seconds;
    if (total >= 24 * 3600)
        return {};
    return QTime(0, 0).addSecs(int(total));
}

DurationTyping::DurationTyping(QTimeEdit *edit) : QObject(edit), m_edit(edit)
{
    edit->installEventFilter(this);
    // The field's editor has the focus and gets the keys first.
    if (auto *line = edit->findChild<QLineEdit *>())
        line->installEventFilter(this);
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
    const QTime time = parseDuration(m_typed);
    if (time.isValid())
        m_edit->setTime(time);
    else
        QApplication::beep();
    restore();
    return time.isValid();
}

bool DurationTyping::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched)
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool typing =
            text.size() == 1 && (text.at(0).isDigit() || text == QLatin1String(":"));
        if (typing && m_typed.size() < 12 && !(key->modifiers() & Qt::ControlModifier)) {
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
