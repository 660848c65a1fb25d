#include "settings/screenprofile.h"

#include "settings/preferences.h"

#include <QVector>

namespace {

const QString group = QStringLiteral("screenProfile");

ScreenProfile named(const char *id, QSize screen, bool portrait, QSize largestVideo,
                    QStringList codecs, double frameRate, bool sound, bool rotation)
{
    ScreenProfile profile;
    profile.preset = QString::fromLatin1(id);
    profile.screen = screen;
    profile.portrait = portrait;
    profile.largestVideo = largestVideo;
    profile.videoCodecs = std::move(codecs);
    profile.largestFrameRate = frameRate;
    profile.playsSound = sound;
    profile.honoursRotation = rotation;
    return profile;
}

} // namespace

bool ScreenProfile::operator==(const ScreenProfile &other) const
{
    return preset == other.preset && screen == other.screen && portrait == other.portrait &&
           largestVideo == other.largestVideo && videoCodecs == other.videoCodecs &&
           qFuzzyCompare(largestFrameRate, other.largestFrameRate) &&
           playsSound == other.playsSound && honoursRotation == other.honoursRotation;
}

QVector<ScreenProfile> ScreenProfile::presets()
{
    const QStringList h264{QStringLiteral("h264")};
    const QStringList modern{QStringLiteral("h264"), QStringLiteral("hevc")};
    // What shops put in their windows: a TV with its own USB player, the
    // same TV hung upright, a small silent signage box, a cheap stick player
    // behind a TV, and a recent 4K TV.
    return {
        named("full-hd", {1920, 1080}, false, {1920, 1080}, h264, 30, true, false),
        named("full-hd-portrait", {1920, 1080}, true, {1920, 1080}, h264, 30, true, false),
        named("hd-silent", {1280, 720}, false, {1280, 720}, h264, 30, false, false),
        named("basic-stick", {1920, 1080}, false, {1280, 720}, h264, 30, false, false),
        named("uhd", {3840, 2160}, false, {3840, 2160}, modern, 60, true, true),
    };
}

ScreenProfile ScreenProfile::load()
{
    ScreenProfile profile;
    QSettings settings = preferences();
    settings.beginGroup(group);
    profile.preset = settings.value(QStringLiteral("preset"), profile.preset).toString();
    const QSize screen = settings.value(QStringLiteral("screen"), profile.screen).toSize();
    const QSize video =
        settings.value(QStringLiteral("largestVideo"), profile.largestVideo).toSize();
    // A hand-edited file gets the default rather than a screen of no pixels.
    if (screen.isValid() && !screen.isEmpty())
        profile.screen = screen;
    if (video.isValid() && !video.isEmpty())
        profile.largestVideo = video;
    profile.portrait = settings.value(QStringLiteral("portrait"), profile.portrait).toBool();
    const QStringList codecs = settings.value(QStringLiteral("videoCodecs")).toStringList();
    if (!codecs.isEmpty())
        profile.videoCodecs = codecs;
    const double rate = settings.value(QStringLiteral("largestFrameRate")).toDouble();
    if (rate > 0)
        profile.largestFrameRate = rate;
    profile.playsSound = settings.value(QStringLiteral("playsSound"), profile.playsSound).toBool();
    profile.honoursRotation =
        settings.value(QStringLiteral("honoursRotation"), profile.honoursRotation).toBool();
    return profile;
}

void ScreenProfile::save() const
{
    QSettings settings = preferences();
    settings.beginGroup(group);
    settings.setValue(QStringLiteral("preset"), preset);
    settings.setValue(QStringLiteral("screen"), screen);
    settings.setValue(QStringLiteral("portrait"), portrait);
    settings.setValue(QStringLiteral("largestVideo"), largestVideo);
    settings.setValue(QStringLiteral("videoCodecs"), videoCodecs);
    settings.setValue(QStringLiteral("largestFrameRate"), largestFrameRate);
    settings.setValue(QStringLiteral("playsSound"), playsSound);
    settings.setValue(QStringLiteral("honoursRotation"), honoursRotation);
}
