#include "media/examinecache.h"

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
            {QStringLiteral("playable"), double(info.playableMs)},
            {QStringLiteral("rate"), info.frameRate},
            {QStringLiteral("sound"), info.hasSound},
            {QStringLiteral("turns"), info.quarterTurns}};
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
    // Remembered before these were: examined again, or a fit would go unnoticed.
    if (!o.contains(QLatin1String("turns")))
        return false;
    info->frameRate = o.value(QLatin1String("rate")).toDouble();
    info->hasSound = o.value(QLatin1String("sound")).toBool();
    info->quarterTurns = o.value(QLatin1String("turns")).toInt() & 3;
    return true;
}

} // namespace

bool recallExamined(const MediaSource &source, const PackageIdentity &identity, MediaInfo *info)
{
    if (source.isPackageEntry() || !identity.isValid())
        return false;
    QFile cached(cacheFile(source.path, identity));
    // A cache entry is at most a few hundred bytes; anything else is not ours.
    return cached.open(QIODevice::ReadOnly) && cached.size() < 64 * 1024 &&
           fromJson(cached.readAll(), info);
}

void rememberExamined(const MediaSource &source, const PackageIdentity &identity,
                      const MediaInfo &info)
{
    // A file missing or unreadable now may be back soon: looked at again then.
    if (source.isPackageEntry() || !identity.isValid() ||
        info.problem == MediaInfo::Problem::Missing ||
        info.problem == MediaInfo::Problem::Unreadable ||
        Platform::identity(QFile::encodeName(source.path)) != identity)
        return;
    const QString remembered = cacheFile(source.path, identity);
    QDir().mkpath(QFileInfo(remembered).absolutePath());
    QSaveFile file(remembered);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(toJson(info)).toJson(QJsonDocument::Compact));
        if (!file.commit())
            qCInfo(lcMedia) << "cannot remember the check of" << source.path;
    }
}

MediaInfo examineMediaRemembered(const MediaSource &source)
{
    if (source.isPackageEntry())
        return examineMedia(source);
    const PackageIdentity id = Platform::identity(QFile::encodeName(source.path));
    MediaInfo info;
    if (recallExamined(source, id, &info))
        return info;
    info = examineMedia(source);
    rememberExamined(source, id, info);
    return info;
}
