#include "cli/arguments.h"

#include "cli/console.h"
#include "playlist/mediatype.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isDigitPair(const QString &text, int at, int limit)
{
    const QChar high = text.at(at);
    const QChar low = text.at(at + 1);
    if (high < QLatin1Char('0') || high > QLatin1Char('9') || low < QLatin1Char('0') ||
        low > QLatin1Char('9'))
        return false;
    return (high.unicode() - '0') * 10 + (low.unicode() - '0') < limit;
}

} // namespace

QString defaultImageTime()
{
    return QStringLiteral("00:00:04");
}

bool isValidTime(const QString &text)
{
    return text.size() == 8 && text.at(2) == QLatin1Char(':') && text.at(5) == QLatin1Char(':') &&
           isDigitPair(text, 0, 24) && isDigitPair(text, 3, 60) && isDigitPair(text, 6, 60);
}

bool parseFileArgument(const QString &argument, FileArgument *file, QString *error)
{
    QString path = argument;
    QString time;
    const int equals = argument.lastIndexOf(QLatin1Char('='));
    if (equals >= 0) {
        const QString suffix = argument.mid(equals + 1);
        if (isValidTime(suffix)) {
            path = argument.left(equals);
            time = suffix;
        } else if (!QFileInfo::exists(argument)) {
            *error = tr("“%1” is not a valid time in “%2”: write it as hh:mm:ss, from 00:00:00 "
                        "to 23:59:59.")
                         .arg(suffix, QDir::toNativeSeparators(argument));
            return false;
        }
    }
    if (path.isEmpty()) {
        *error = tr("“%1” names no file.").arg(argument);
        return false;
    }
    file->path = QFileInfo(path).absoluteFilePath();
    file->time = time;
    return true;
}

QString unknownTypeWarning(const QString &path)
{
    // The window's file dialog offers only these; a script can name anything.
    if (getMediaType(path) != MediaOther)
        return {};
    return tr("Warning: “%1” is not a .png, .jpg, .mp4 or .avi file; the playlist records it as "
              "of type 0 (other), which the player may skip.")
        .arg(QDir::toNativeSeparators(path));
}

QString storedNameArgument(const QString &name)
{
    return name.startsWith(QLatin1Char('/')) ? name : QLatin1Char('/') + name;
}
