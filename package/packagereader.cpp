#include "package/packagereader.h"

#include "app/logging.h"
#include "archive/packagearchive.h"
#include "playlist/mediatype.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

bool readPackageDocument(const QString &packagePath, QJsonObject *root, QString *error)
{
    PackageArchive archive(packagePath);
    QByteArray bytes;
    if (!archive.readDocument(&bytes)) {
        *error = archive.errorString();
        return false;
    }

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        qCWarning(lcMerovi) << "json.txt of" << packagePath << "at offset" << parseError.offset
                            << parseError.errorString();
        *error =
            QCoreApplication::translate(
                "MainWindow", "Cannot read “%1”: its playlist document is not valid JSON (%2).")
                .arg(QDir::toNativeSeparators(packagePath), parseError.errorString());
        return false;
    }
    if (!document.isObject()) {
        *error = QCoreApplication::translate(
                     "MainWindow", "Cannot read “%1”: its playlist document is not a JSON object.")
                     .arg(QDir::toNativeSeparators(packagePath));
        return false;
    }
    *root = document.object();
    return true;
}

PlaylistRows rowsFromDocument(const QJsonObject &root, const QString &transition)
{
    const QJsonArray gallery = root.value(QLatin1String("gallery")).toArray();
    const QJsonArray media = root.value(QLatin1String("media")).toArray();

    PlaylistRows rows;
    rows.reserve(gallery.size());
    for (int k = 0; k < gallery.size(); ++k) {
        const QString file = gallery.at(k).toObject().value(QLatin1String("filename")).toString();
        // Out of range reads as undefined, hence as empty text.
        const QString time =
            getMediaType(file) == MediaVideo
                ? QStringLiteral("NA")
                : media.at(k).toObject().value(QLatin1String("playtime")).toString();
        rows.append({time, file, transition});
    }
    return rows;
}
