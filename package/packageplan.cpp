#include "package/packageplan.h"

#include "package/packagenames.h"

#include <QHash>
#include <QJsonArray>
#include <QSet>

QStringList galleryStoredNames(const QJsonObject &document)
{
    const QJsonArray gallery = document.value(QLatin1String("gallery")).toArray();
    QStringList names;
    names.reserve(gallery.size());
    for (const QJsonValue &entry : gallery)
        names.append(entry.toObject().value(QLatin1String("filename")).toString());
    return names;
}

namespace {

QSet<QString> rowFileSet(const PlaylistRows &rows)
{
    QSet<QString> files;
    for (const PlaylistRow &row : rows)
        files.insert(row.file);
    return files;
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
        const QString name = bareName(path);
        const auto it = firstByName.constFind(name);
        if (it == firstByName.constEnd())
            firstByName.insert(name, path);
        else
            clashes.append({*it, path});
    }
    return clashes;
}

QString documentEntryName()
{
    return QStringLiteral("json.txt");
}

QStringList reservedNameUsers(const QStringList &paths)
{
    QStringList result;
    for (const QString &path : distinctFiles(paths)) {
        if (bareName(path) == documentEntryName())
            result.append(path);
    }
    return result;
}

QStringList storedNamesReplacedInUse(const QJsonObject &document, const PlaylistRows &rows)
{
    const QStringList stored = galleryStoredNames(document);
    const QSet<QString> storedSet(stored.cbegin(), stored.cend());
    const QSet<QString> files = rowFileSet(rows);

    QStringList result;
    for (const QString &added : distinctFiles(unmatchedRowFiles(document, rows))) {
        const QString entry = QLatin1Char('/') + bareName(added);
        if (storedSet.contains(entry) && files.contains(entry) && !result.contains(entry))
            result.append(entry);
    }
    return result;
}
