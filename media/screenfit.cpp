#include "media/screenfit.h"

#include "archive/text.h"
#include "jobs/parallelmap.h"

#include "jobs/jobcontrol.h"
#include "media/examinecache.h"
#include "media/heifimage.h"
#include "media/mediaconvert.h"
#include "media/mediaexamine.h"
#include "playlist/mediatype.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMutex>
#include <QSaveFile>
#include <QThread>

namespace {

// As the probe: larger images take seconds and memory no screen needs.
// Clean edges and gradients at about a fifth of a phone's own size.
constexpr int jpegQuality = 90;

// "4K", "1080p", or "1000×700": as shops and players name sizes.
QString sizeName(const QSize &size)
{
    const int shorter = qMin(size.width(), size.height());
    const int longer = qMax(size.width(), size.height());
    if (shorter >= 2160)
        return QStringLiteral("4K");
    if (longer * 9 == shorter * 16)
        return QStringLiteral("%1p").arg(shorter);
    return QStringLiteral("%1×%2").arg(size.width()).arg(size.height());
}

QString codecName(const QString &codec)
{
    if (codec == QLatin1String("h264"))
        return QStringLiteral("H.264");
    if (codec == QLatin1String("hevc"))
        return QStringLiteral("HEVC");
    return codec.toUpper();
}

// The codecs a profile can say yes or no to; others (MPEG-4 in old AVI files) are left alone.
bool profileJudges(const QString &codec)
{
    return codec == QLatin1String("h264") || codec == QLatin1String("hevc");
}

bool isPhoto(const MediaInfo &info)
{
    return info.codec.isEmpty();
}

QSize shownSize(const MediaInfo &info)
{
    return info.quarterTurns % 2 ? info.pixelSize.transposed() : info.pixelSize;
}

bool fitsEitherWay(const QSize &size, const QSize &largest)
{
    return qMax(size.width(), size.height()) <= qMax(largest.width(), largest.height()) &&
           qMin(size.width(), size.height()) <= qMin(largest.width(), largest.height());
}

VideoLimits limitsOf(const ScreenProfile &profile)
{
    VideoLimits limits;
    limits.largest = profile.largestVideo;
    limits.frameRate = profile.largestFrameRate;
    limits.dropSound = !profile.playsSound;
    limits.turnPixels = !profile.honoursRotation;
    return limits;
}

// A photo the player does not take (HEIC, WebP) as the probe would describe
// it once converted: upright, at its own size. Not ok when none is readable.
MediaInfo uprightPhoto(const QString &path)
{
    MediaInfo info;
    const HeifHeader heif = readHeifHeader(path);
    if (heif.ok) {
        info.pixelSize = heif.size;
    } else {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        info.pixelSize = reader.transformation() & QImageIOHandler::TransformationRotate90
                             ? size.transposed()
                             : size;
    }
    if (!info.pixelSize.isValid())
        info.problem = MediaInfo::Problem::WrongType;
    info.type = MediaImage;
    info.size = QFileInfo(path).size();
    return info;
}

} // namespace

bool photoExceedsScreen(const QString &path, const ScreenProfile &profile)
{
    return fitReasons(uprightPhoto(path), profile) & FitReason::PhotoLargerThanScreen;
}

FitReasons fitReasons(const MediaInfo &info, const ScreenProfile &profile)
{
    FitReasons reasons;
    if (!info.isOk() || !info.pixelSize.isValid())
        return reasons;
    if (isPhoto(info)) {
        const QSize screen = profile.screenSize();
        if (info.pixelSize.width() > screen.width() || info.pixelSize.height() > screen.height())
            reasons |= FitReason::PhotoLargerThanScreen;
        return reasons;
    }
    if (!fitsEitherWay(shownSize(info), profile.largestVideo))
        reasons |= FitReason::VideoLargerThanPlayed;
    if (profileJudges(info.codec) && !profile.videoCodecs.contains(info.codec))
        reasons |= FitReason::CodecNotPlayed;
    // Phones' "30 fps" is often 30.02.
    if (info.frameRate > profile.largestFrameRate + 0.5)
        reasons |= FitReason::FrameRateTooHigh;
    if (info.hasSound && !profile.playsSound)
        reasons |= FitReason::SoundNotPlayed;
    if (info.quarterTurns != 0 && !profile.honoursRotation)
        reasons |= FitReason::RotationIgnored;
    return reasons;
}

QString fitReasonText(const MediaInfo &info, FitReasons reasons, const ScreenProfile &profile)
{
    if (!reasons)
        return {};
    if (reasons & FitReason::PhotoLargerThanScreen) {
        const QSize screen = profile.screenSize();
        return MediaText::tr("%1×%2 photo: the screen shows %3×%4")
            .arg(info.pixelSize.width())
            .arg(info.pixelSize.height())
            .arg(screen.width())
            .arg(screen.height());
    }
    QStringList clip;
    if (reasons & FitReason::VideoLargerThanPlayed)
        clip.append(sizeName(shownSize(info)));
    if (reasons & FitReason::CodecNotPlayed)
        clip.append(codecName(info.codec));
    if (reasons & FitReason::FrameRateTooHigh)
        clip.append(MediaText::tr("%1 fps").arg(qRound(info.frameRate)));
    QString what = clip.isEmpty() ? MediaText::tr("Clip") : clip.join(QLatin1Char(' '));
    if (reasons & FitReason::SoundNotPlayed)
        what = MediaText::tr("%1 with sound").arg(what);
    if (reasons & FitReason::RotationIgnored)
        what = MediaText::tr("%1 turned by a rotation flag").arg(what);

    QStringList codecs;
    for (const QString &codec : profile.videoCodecs)
        codecs.append(codecName(codec));
    QStringList player;
    if (reasons & (FitReason::VideoLargerThanPlayed | FitReason::CodecNotPlayed |
                   FitReason::FrameRateTooHigh)) {
        QString plays = MediaText::tr("this player plays up to %1 %2")
                            .arg(sizeName(profile.largestVideo), codecs.join(QLatin1Char('/')));
        if (reasons & FitReason::FrameRateTooHigh)
            plays = MediaText::tr("%1 at %2 fps").arg(plays).arg(qRound(profile.largestFrameRate));
        player.append(plays);
    }
    if (reasons & FitReason::SoundNotPlayed)
        player.append(MediaText::tr("this player plays no sound"));
    if (reasons & FitReason::RotationIgnored)
        player.append(MediaText::tr("this player ignores rotation flags"));
    return what + QLatin1String(": ") + player.join(QLatin1String(", "));
}

bool fitPhoto(const QString &source, const QString &target, const QSize &screen, QString *error)
{
    const auto fail = [&](const QString &cause) {
        *error =
            MediaText::tr("%1 could not be fitted to the screen: %2.").arg(quoted(source), cause);
        return false;
    };
    QImage image;
    if (readHeifHeader(source).ok) {
        if (!readHeifImage(source, maxImageSide, maxImagePixels, &image, error))
            return false;
    } else {
        QImageReader reader(source);
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        if (!decodableImageSize(size))
            return fail(MediaText::tr("its size cannot be read, or is too large to decode safely"));
        // The reader scales first and turns after; JPEG is scaled while
        // decoding, which is most of the time saved.
        const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        const QSize fit = turned ? screen.transposed() : screen;
        if (size.width() > fit.width() || size.height() > fit.height())
            reader.setScaledSize(size.scaled(fit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
        reader.setQuality(100); // smooth, not fast, scaling
        image = reader.read();
        if (image.isNull())
            return fail(reader.errorString());
    }
    if (image.width() > screen.width() || image.height() > screen.height())
        image = image.scaled(screen, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QDir().mkpath(QFileInfo(target).absolutePath());
    const bool png = target.endsWith(QLatin1String(".png"));
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) ||
        !(png ? image : image.convertToFormat(QImage::Format_RGB32))
             .save(&file, png ? "PNG" : "JPEG", png ? -1 : jpegQuality) ||
        !file.commit())
        return fail(
            MediaText::tr("%1 cannot be written (%2)").arg(quoted(target), file.errorString()));
    return true;
}

FitResult fitForScreen(const QString &path, const MediaInfo &info, const ScreenProfile &profile,
                       JobControl *control, QString *error)
{
    FitResult result;
    const QFileInfo file(path);
    result.before = file.size();
    QString target;
    bool made = false;
    if (isPhoto(info)) {
        const QSize screen = profile.screenSize();
        const HeifHeader heif = readHeifHeader(path);
        const bool alpha =
            heif.ok ? heif.alpha
                    : QImage::toPixelFormat(QImageReader(path).imageFormat()).alphaUsage() ==
                          QPixelFormat::UsesAlpha;
        target = cachedCopyPath(path,
                                QByteArrayLiteral("photo ") + QByteArray::number(screen.width()) +
                                    'x' + QByteArray::number(screen.height()),
                                file.completeBaseName() +
                                    (alpha ? QLatin1String(".png") : QLatin1String(".jpg")));
        made = QFileInfo(target).isFile() || fitPhoto(path, target, screen, error);
    } else {
        const VideoLimits limits = limitsOf(profile);
        const QByteArray variant =
            QByteArrayLiteral("video ") + QByteArray::number(limits.largest.width()) + 'x' +
            QByteArray::number(limits.largest.height()) + ' ' +
            QByteArray::number(limits.frameRate) + (limits.dropSound ? " silent" : "") +
            (limits.turnPixels ? " turned" : "");
        target = cachedCopyPath(path, variant, file.completeBaseName() + QLatin1String(".mp4"));
        made = QFileInfo(target).isFile() || transcodeToMp4(path, target, control, error, limits);
    }
    if (!made)
        return result;
    // The label names the file the user added, not a copy made of it earlier.
    const QString original = isConvertedCopy(path) ? convertedSource(path) : QString();
    writeSourceNote(original.isEmpty() ? path : original, target);
    result.copy = target;
    result.after = QFileInfo(target).size();
    return result;
}

FitOutcome fitFiles(const QStringList &files, const ScreenProfile &profile, JobControl *control)
{
    QVector<FitResult> results(files.size());
    QStringList reasons;
    QStringList errors;
    for (int i = 0; i < files.size(); ++i) {
        reasons.append(QString());
        errors.append(QString());
    }
    qint64 total = 0;
    for (const QString &file : files)
        total += QFileInfo(file).size();
    QMutex reporting;
    qint64 done = 0;
    parallelMap(int(files.size()), QThread::idealThreadCount(), control, [&](int i) {
        MediaInfo info = examineMediaRemembered(MediaSource::file(files.at(i)));
        // Straight from a phone's HEIC: no full-size copy made first.
        if (!info.isOk() && getMediaType(files.at(i)) == MediaOther)
            info = uprightPhoto(files.at(i));
        const FitReasons why = fitReasons(info, profile);
        if (why) {
            reasons[i] = fitReasonText(info, why, profile);
            // A clip's own progress and cancel, within the whole list's.
            JobControl *self = nullptr;
            JobControl clip([&](const JobProgress &progress) {
                if (jobCancelled(control) && self)
                    self->requestCancel();
                const QMutexLocker lock(&reporting);
                if (control)
                    control->report(qMin(done + progress.done, total), total, files.at(i));
            });
            self = &clip;
            results[i] = fitForScreen(files.at(i), info, profile, &clip, &errors[i]);
        }
        const QMutexLocker lock(&reporting);
        done += QFileInfo(files.at(i)).size();
        if (control)
            control->report(done, total, files.at(i));
    });

    FitOutcome outcome;
    for (int i = 0; i < files.size(); ++i) {
        if (reasons.at(i).isEmpty())
            continue;
        if (results.at(i).copy.isEmpty()) {
            if (!errors.at(i).isEmpty())
                outcome.failures.append(errors.at(i));
            continue;
        }
        outcome.files.append(files.at(i));
        outcome.copies.append(results.at(i).copy);
        outcome.reasons.append(reasons.at(i));
        outcome.before += results.at(i).before;
        outcome.after += results.at(i).after;
    }
    outcome.status = jobCancelled(control)        ? JobOutcome::Status::Cancelled
                     : outcome.failures.isEmpty() ? JobOutcome::Status::Done
                                                  : JobOutcome::Status::Failed;
    if (outcome.status == JobOutcome::Status::Failed)
        outcome.error = outcome.failures.join(QLatin1Char('\n'));
    return outcome;
}
