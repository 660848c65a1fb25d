#include "playlist/duration.h"
#include "archive/text.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

bool refuse(QString *why, const QString &text)
{
    if (why)
        *why = text;
    return false;
}

} // namespace

bool parseDuration(const QString &text, QTime *time, QString *why)
{
    // Nine digits a part at most: the sum below cannot overflow, and any such
    // part is refused as too long anyway.
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(?:(?:(\d{1,9}):)?(\d{1,9}):)?(\d{1,9})\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    const QString shown = text.trimmed();
    if (shown.isEmpty())
        return refuse(why,
                      CoreText::tr("No time given: type whole seconds (90), minutes and seconds "
                                   "(1:30) or hh:mm:ss (00:01:30)."));
    if (!match.hasMatch())
        return refuse(why,
                      CoreText::tr("“%1” is no time: type whole seconds (90), minutes and seconds "
                                   "(1:30) or hh:mm:ss (00:01:30).")
                          .arg(shown));
    const bool hasMinutes = match.capturedLength(2) > 0;
    const bool hasHours = match.capturedLength(1) > 0;
    const qint64 hours = match.captured(1).toLongLong();
    const qint64 minutes = match.captured(2).toLongLong();
    const qint64 seconds = match.captured(3).toLongLong();
    // After a colon a part counts within its unit: "1:75" is a typing slip, not 2:15.
    if (hasMinutes && seconds > 59)
        return refuse(
            why,
            CoreText::tr("“%1” is no time: seconds after a colon go from 00 to 59.").arg(shown));
    if (hasHours && minutes > 59)
        return refuse(
            why,
            CoreText::tr("“%1” is no time: minutes between colons go from 00 to 59.").arg(shown));
    const qint64 total = hours * 3600 + minutes * 60 + seconds;
    if (total >= 24 * 3600)
        return refuse(why,
                      CoreText::tr("“%1” is too long: a time goes up to 23:59:59.").arg(shown));
    *time = QTime(0, 0).addSecs(int(total));
    return true;
}
