#pragma once

#include <QObject>
#include <QString>
#include <QTime>

class QTimeEdit;

// A playing time as people type it: seconds ("90"), m:ss ("1:30") or
// h:mm:ss ("00:01:30"). Minutes and seconds after a colon stay below 60.
// Returns an invalid time for anything else, and for a day or more.
QTime parseDuration(const QString &text);

// Lets the Duration field take a time typed in any of those forms: digits and
// colons typed into it collect as one text, read when Enter, Tab or a click
// elsewhere ends the typing. Enter then emits applyRequested(). Without it the
// field only takes the digits of one hh:mm:ss section at a time.
class DurationTyping : public QObject
{
    Q_OBJECT

public:
    explicit DurationTyping(QTimeEdit *edit);

    // The text being typed, empty when none.
    QString typed() const { return m_typed; }

signals:
    void applyRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const QString &text);
    void restore();
    // Reads the typed text into the field; false when it is no duration.
    bool commit();

    QTimeEdit *m_edit;
    QString m_typed;
};
