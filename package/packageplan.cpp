#include "package/packageplan.h"

#include "document/playlistdocument.h"
#include "document/storednames.h"

#include <QHash>
#include <QSet>

namespace {

QSet<QString> rowFileSet(const PlaylistRows &rows)
{
    QSet<QString> files;
    for (const PlaylistRow &row : rows)
        files.insert(row.file);
    return files;
}

// The entry name a file to add would take, letter case aside.
QString foldedName(const QString &path)
{
    return nameClashKey(entryNameOf(path));
}

QString foldedStoredName(const QString &storedName)
{
    return nameClashKey(entryOfStoredName(storedName));
}

// For each added file, the stored names in use it would overwrite.
QHash<QString, QString> replacementsInUse(const QJsonObject &document, const PlaylistRows &rows)
{
    const QStringList stored = galleryStoredNames(document);
    const QSet<QString> files = rowFileSet(rows);
    QHash<QString, QString> inUseByName;
    for (const QString &name : stored) {
        if (files.contains(name))
            inUseByName.insert(foldedStoredName(name), name);
    }
    QHash<QString, QString> result; // stored name -> added path
    for (const QString &added : distinctFiles(unmatchedRowFiles(document, rows))) {
        const auto it = inUseByName.constFind(foldedName(added));
        if (it != inUseByName.constEnd() && !result.contains(*it))
            result.insert(*it, added);
    }
    return result;
}

} // namespace

QStringList unmatchedStoredNames(const QJsonObject &document, const PlaylistRows &rows)
{
    const QSet<QString> files = rowFileSet(rows);
    QStringList result;
    for (const QString &name : galleryStoredNames(document)) {
        if (!files.contains(name))
            result.append(name);
    }
    return result;
}

QStringList unmatchedRowFiles(const QJsonObject &document, const PlaylistRows &rows)
{
    const QStringList stored = galleryStoredNames(document);
    const QSet<QString> storedSet(stored.cbegin(), stored.cend());
    QStringList result;
    for (const PlaylistRow &row : rows) {
        if (!storedSet.contains(row.file))
            result.append(row.file);
    }
    return result;
}

QStringList distinctFiles(const QStringList &files)
{
    QStringList result;
    QSet<QString> seen;
    for (const QString &file : files) {
        if (!seen.contains(file)) {
            seen.insert(file);
            result.append(file);
        }
    }
    return result;
}

QVector<NameClash> findNameClashes(const QStringList &paths)
{
    QVector<NameClash> clashes;
    QHash<QString, QString> firstByName;
    for (const QString &path : distinctFiles(paths)) {
        const QString name = foldedName(path);
        const auto it = firstByName.constFind(name);
        if (it == firstByName.constEnd())
            firstByName.insert(name, path);
        else
            clashes.append({*it, path});
    }
    return clashes;
}

QStringList storedNamesReplacedInUse(const QJsonObject &document, const PlaylistRows &rows)
{
    const QHash<QString, QString> replaced = replacementsInUse(document, rows);
    QStringList result;
    // In gallery order, so the question lists them as the playlist does.
    for (const QString &name : galleryStoredNames(document)) {
        if (replaced.contains(name) && !result.contains(name))
            result.append(name);
    }
    return result;
}

PlaylistRows rowsWithReplacements(const QJsonObject &document, const PlaylistRows &rows)
{
    const QHash<QString, QString> replaced = replacementsInUse(document, rows);
    PlaylistRows result = rows;
    for (PlaylistRow &row : result)
        row.file = replaced.value(row.file, row.file);
    return result;
}
