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

bool fitLoop(const PlaylistRows &rows, const QVector<qint64> &videoMs, qint64 loopSeconds,
             QStringList *times, QString *why)
{
    qint64 videoTotal = 0;
    int images = 0;
    for (int r = 0; r < rows.size(); ++r) {
        if (!rows.at(r).isVideo()) {
            ++images;
            continue;
        }
        const qint64 ms = videoMs.value(r, -1);
        if (ms < 0)
            return refuse(
                why,
                CoreText::tr("The length of the video “%1” is not known yet: wait until the "
                             "table has checked it, then try again.")
                    .arg(rows.at(r).file.mid(rows.at(r).file.lastIndexOf(QLatin1Char('/')) + 1)));
        videoTotal += videoSeconds(ms);
    }
    const auto clock = [](qint64 seconds) {
        return QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("H:mm:ss"));
    };
    if (images == 0)
        return refuse(
            why, CoreText::tr("The playlist has no images: only the times of images can change, "
                              "videos play for their own length. Add an image first."));
    const qint64 left = loopSeconds - videoTotal;
    if (left < images)
        return refuse(
            why, CoreText::tr("The videos alone play %1, which leaves less than a second for each "
                              "of the %2 images. Choose a loop of at least %3, or remove a video.")
                     .arg(clock(videoTotal))
                     .arg(images)
                     .arg(clock(videoTotal + images)));
    if ((left + images - 1) / images >= 24 * 3600)
        return refuse(
            why, CoreText::tr("Each image would show for a day or longer: choose a shorter loop."));
    times->clear();
    int image = 0;
    for (const PlaylistRow &row : rows) {
        if (row.isVideo()) {
            times->append(row.time);
            continue;
        }
        const qint64 seconds = left / images + (image++ < left % images ? 1 : 0);
        times->append(QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("hh:mm:ss")));
    }
    return true;
}

qint64 secondsOf(const QString &time)
{
    if (time.size() != 8 || time.at(2) != QLatin1Char(':') || time.at(5) != QLatin1Char(':'))
        return -1;
    qint64 seconds = 0;
    for (const int at : {0, 3, 6}) {
        const int high = time.at(at).digitValue();
        const int low = time.at(at + 1).digitValue();
        if (high < 0 || low < 0 || (at > 0 && high > 5))
            return -1;
        seconds = seconds * 60 + high * 10 + low;
    }
    return seconds;
}

qint64 videoSeconds(qint64 ms)
{
    return (qMax<qint64>(0, ms) + 500) / 1000;
}
