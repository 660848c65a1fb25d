#include "media/examinecache.h"

#include "archive/platformfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString cacheFile(const QString &path, const PackageIdentity &id)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QLatin1String("/merovi/examined/");
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QFile::encodeName(path));
    hash.addData(QByteArray(QByteArray::number(id.device) + ':' + QByteArray::number(id.inode) +
                            ':' + QByteArray::number(id.size) + ':' +
                            QByteArray::number(id.modifiedNs)));
    return folder + QString::fromLatin1(hash.result().toHex());
}

QJsonObject toJson(const MediaInfo &info)
{
    return {{QStringLiteral("problem"), int(info.problem)},
            {QStringLiteral("text"), info.problemText},
            {QStringLiteral("type"), info.type},
            {QStringLiteral("size"), double(info.size)},
            {QStringLiteral("format"), info.format},
            {QStringLiteral("codec"), info.codec},
            {QStringLiteral("width"), info.pixelSize.width()},
            {QStringLiteral("height"), info.pixelSize.height()},
            {QStringLiteral("duration"), double(info.durationMs)},
            {QStringLiteral("playable"), double(info.playableMs)}};
}

bool fromJson(const QByteArray &bytes, MediaInfo *info)
{
    const QJsonObject o = QJsonDocument::fromJson(bytes).object();
    const int problem = o.value(QLatin1String("problem")).toInt(-1);
    if (problem < 0 || problem > int(MediaInfo::Problem::CutShort))
        return false;
    info->problem = MediaInfo::Problem(problem);
    info->problemText = o.value(QLatin1String("text")).toString();
    info->type = o.value(QLatin1String("type")).toInt();
    info->size = qint64(o.value(QLatin1String("size")).toDouble(-1));
    info->format = o.value(QLatin1String("format")).toString();
    info->codec = o.value(QLatin1String("codec")).toString();
    info->pixelSize = QSize(o.value(QLatin1String("width")).toInt(-1),
                            o.value(QLatin1String("height")).toInt(-1));
    info->durationMs = qint64(o.value(QLatin1String("duration")).toDouble(-1));
    info->playableMs = qint64(o.value(QLatin1String("playable")).toDouble(-1));
    return true;
}

} // namespace

MediaInfo examineMediaRemembered(const MediaSource &source)
{
    if (source.isPackageEntry())
        return examineMedia(source);
    const PackageIdentity id = Platform::identity(QFile::encodeName(source.path));
    if (!id.isValid())
        return examineMedia(source);
    const QString remembered = cacheFile(source.path, id);
    QFile cached(remembered);
    MediaInfo info;
    // A cache entry is at most a few hundred bytes; anything else is not ours.
    if (cached.open(QIODevice::ReadOnly) && cached.size() < 64 * 1024 &&
        fromJson(cached.readAll(), &info))
        return info;
    info = examineMedia(source);
    // A file missing or unreadable now may be back soon: looked at again then.
    if (info.problem == MediaInfo::Problem::Missing ||
        info.problem == MediaInfo::Problem::Unreadable ||
        Platform::identity(QFile::encodeName(source.path)) != id)
        return info;
    QDir().mkpath(QFileInfo(remembered).absolutePath());
    QSaveFile file(remembered);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(toJson(info)).toJson(QJsonDocument::Compact));
        if (!file.commit())
            qCInfo(lcArchive) << "cannot remember the check of" << source.path;
    }
    return info;
}
