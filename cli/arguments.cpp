#include "cli/arguments.h"

#include "cli/console.h"
#include "playlist/duration.h"
#include "playlist/mediatype.h"

#include <QDir>
#include <QFileInfo>

QString defaultImageTime()
{
    return QStringLiteral("00:00:04");
}

bool readTime(const QString &text, QString *time, QString *why)
{
    QTime parsed;
    if (!parseDuration(text, &parsed, why))
        return false;
    *time = parsed.toString(QStringLiteral("hh:mm:ss"));
    return true;
}

bool parseFileArgument(const QString &argument, FileArgument *file, QString *error)
{
    QString path = argument;
    QString time;
    const int equals = argument.lastIndexOf(QLatin1Char('='));
    QString why;
    if (equals >= 0) {
        if (readTime(argument.mid(equals + 1), &time, &why)) {
            path = argument.left(equals);
        } else if (!QFileInfo::exists(argument)) {
            *error = CliText::tr("In “%1”: %2").arg(QDir::toNativeSeparators(argument), why);
            return false;
        }
    }
    if (path.isEmpty()) {
        *error = CliText::tr("“%1” names no file.").arg(argument);
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
    return CliText::tr(
               "Warning: “%1” is not a .png, .jpg, .mp4 or .avi file; the playlist records it as "
               "of type 0 (other), which the player may skip.")
        .arg(QDir::toNativeSeparators(path));
}
