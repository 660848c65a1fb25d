#pragma once

#include "playlist/duration.h"

#include <QObject>
#include <QString>

class QTimeEdit;

// Lets the Duration field take a time typed in any of parseDuration's forms:
// what is typed into it collects as one text, read when Enter, Tab or a click
// elsewhere ends the typing. Enter then emits applyRequested(). A text that is
// no time changes nothing: the field shows its own time again, turns red and
// says why in its tooltip until the next key or time. Without it the field
// only takes the digits of one hh:mm:ss section at a time.
class DurationTyping : public QObject
{
    Q_OBJECT

public:
    explicit DurationTyping(QTimeEdit *edit);

    // The text being typed, empty when none.
    QString typed() const { return m_typed; }
    // Why the last text typed was refused, empty when it was not.
    QString refusal() const { return m_refusal; }

signals:
    void applyRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const QString &text);
    void restore();
    // Reads the typed text into the field; false when it is no duration.
    bool commit();
    void setRefusal(const QString &why);

    QTimeEdit *m_edit;
    QString m_typed;
    QString m_refusal;
    QString m_toolTip; // the field's own, while the refusal's is shown
};
