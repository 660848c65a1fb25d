#include "package/mediacheck.h"
#include "archive/text.h"

#include "archive/platformfile.h"
#include "document/storednames.h"
#include "package/packageplan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace {

QString problemOf(const QString &path, bool *tooManyOpenFiles)
{
    const QFileInfo info(path);
    if (!info.exists())
        return info.isSymLink() ? CoreText::tr("the link points to nothing")
                                : CoreText::tr("it does not exist");
    if (info.isDir())
        return CoreText::tr("it is a folder");
    if (!info.isFile())
        return CoreText::tr("it is not a regular file");
    if (!isStorableName(bareName(path)))
        return CoreText::tr("its name holds a control character, which a package cannot store");
    // Opening proves readability where permission bits do not tell (ACLs, root).
    Platform::File file;
    if (!file.openRead(QFile::encodeName(path))) {
        *tooManyOpenFiles = file.error() == EMFILE || file.error() == ENFILE;
        return Platform::systemError(file.error());
    }
    return {};
}

QString bulletLine(const QString &text)
{
    return QLatin1String("\n    ") + text;
}

} // namespace

QVector<MediaProblem> checkMediaFiles(const QStringList &paths)
{
    QVector<MediaProblem> problems;
    for (const QString &path : paths) {
        bool tooMany = false;
        const QString reason = problemOf(path, &tooMany);
        if (!reason.isEmpty())
            problems.append({path, reason, tooMany});
    }
    return problems;
}

bool checkSavableMedia(const QStringList &paths, QString *error, QStringList *refused)
{
    QStringList parts;
    QStringList named;

    const QVector<NameClash> clashes = findNameClashes(paths);
    if (!clashes.isEmpty()) {
        QString part =
            CoreText::tr("A package holds one file per name, and these files share a name (letter "
                         "case does not count on USB sticks):");
        for (const NameClash &clash : clashes) {
            part += bulletLine(quoted(clash.first) + QLatin1String(" / ") + quoted(clash.second));
            named << clash.first << clash.second;
        }
        part += QLatin1Char('\n') + CoreText::tr("Rename one file of each pair and add it again.");
        parts.append(part);
    }

    QStringList reserved;
    for (const QString &path : distinctFiles(paths)) {
        if (bareName(path) == documentEntryName())
            reserved.append(path);
    }
    if (!reserved.isEmpty()) {
        QString part =
            CoreText::tr("The name %1 belongs to the playlist document:").arg(documentEntryName());
        for (const QString &path : reserved)
            part += bulletLine(quoted(path));
        named += reserved;
        part += QLatin1Char('\n') + CoreText::tr("Rename these files and add them again.");
        parts.append(part);
    }

    QVector<MediaProblem> problems = checkMediaFiles(distinctFiles(paths));
    const auto tooMany =
        std::stable_partition(problems.begin(), problems.end(), [](const MediaProblem &problem) {
            return !problem.tooManyOpenFiles;
        });
    if (tooMany != problems.end()) {
        // Nothing is wrong with these files: renaming them would not help.
        parts.append(
            CoreText::tr("This program has too many files open at once (%1), so %2 media files "
                         "could not be checked. Close other programs or raise the limit of open "
                         "files (ulimit -n), then save again.")
                .arg(tooMany->reason)
                .arg(int(problems.end() - tooMany)));
        problems.erase(tooMany, problems.end());
    }
    if (!problems.isEmpty()) {
        QString part = CoreText::tr("These media files cannot be saved:");
        for (const MediaProblem &problem : problems) {
            part += bulletLine(quoted(problem.path) + QLatin1String(": ") + problem.reason);
            named.append(problem.path);
        }
        part +=
            QLatin1Char('\n') + CoreText::tr("Put them back or rename them, or delete their rows.");
        parts.append(part);
    }

    if (parts.isEmpty())
        return true;
    *error = CoreText::tr("The playlist was not saved; nothing was written.") +
             QLatin1String("\n\n") + parts.join(QLatin1String("\n\n"));
    if (refused)
        *refused = named;
    return false;
}
