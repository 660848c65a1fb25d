#include "package/mediacheck.h"

#include "package/packageplan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QString problemOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return info.isSymLink() ? tr("the link points to nothing") : tr("it does not exist");
    if (info.isDir())
        return tr("it is a folder");
    if (!info.isFile())
        return tr("it is not a regular file");
    // Opening proves readability where permission bits do not tell (ACLs, root).
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return {};
}

} // namespace

QVector<MediaProblem> checkMediaFiles(const QStringList &paths)
{
    QVector<MediaProblem> problems;
    for (const QString &path : paths) {
        const QString reason = problemOf(path);
        if (!reason.isEmpty())
            problems.append({path, reason});
    }
    return problems;
}

namespace {

QString bulletLine(const QString &text)
{
    return QLatin1String("\n    ") + text;
}

} // namespace

QString describeUnsavableMedia(const QStringList &paths)
{
    QStringList parts;

    const QVector<NameClash> clashes = findNameClashes(paths);
    if (!clashes.isEmpty()) {
        QString part = tr("A package holds one file per name, and these files share a name:");
        for (const NameClash &clash : clashes) {
            part += bulletLine(QDir::toNativeSeparators(clash.first)) + QLatin1String(" / ") +
                    QDir::toNativeSeparators(clash.second);
        }
        part += QLatin1Char('\n') + tr("Rename one file of each pair and add it again.");
        parts.append(part);
    }

    const QStringList reserved = reservedNameUsers(paths);
    if (!reserved.isEmpty()) {
        QString part = tr("The name %1 belongs to the playlist document:").arg(documentEntryName());
        for (const QString &path : reserved)
            part += bulletLine(QDir::toNativeSeparators(path));
        part += QLatin1Char('\n') + tr("Rename these files and add them again.");
        parts.append(part);
    }

    const QVector<MediaProblem> problems = checkMediaFiles(distinctFiles(paths));
    if (!problems.isEmpty()) {
        QString part = tr("These media files cannot be read:");
        for (const MediaProblem &problem : problems)
            part += bulletLine(QDir::toNativeSeparators(problem.path) + QLatin1String(": ") +
                               problem.reason);
        part += QLatin1Char('\n') + tr("Put them back, or delete their rows.");
        parts.append(part);
    }

    if (parts.isEmpty())
        return {};
    return tr("The playlist was not saved; nothing was written.") + QLatin1String("\n\n") +
           parts.join(QLatin1String("\n\n"));
}
