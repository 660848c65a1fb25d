#pragma once

#include "media/mediaprobe.h"
#include "settings/screenprofile.h"

#include "jobs/joboutcome.h"

#include <QFlags>
#include <QString>
#include <QStringList>

class JobControl;

// Media larger or richer than the screen and its player use: they play, but
// cost space on the stick and time at every write, or show wrongly (a clip's
// rotation flag the player ignores). Fitting makes a copy the profile suits;
// the file itself is never changed.

enum class FitReason : unsigned {
    PhotoLargerThanScreen = 1 << 0,
    VideoLargerThanPlayed = 1 << 1,
    CodecNotPlayed = 1 << 2,
    FrameRateTooHigh = 1 << 3,
    SoundNotPlayed = 1 << 4,
    RotationIgnored = 1 << 5,
};
Q_DECLARE_FLAGS(FitReasons, FitReason)
Q_DECLARE_OPERATORS_FOR_FLAGS(FitReasons)

// Why the medium info describes exceeds profile; none for a damaged one
// (fitting cannot mend it) or one the profile suits.
FitReasons fitReasons(const MediaInfo &info, const ScreenProfile &profile);

// For the user, "4K HEVC: this player plays up to 1080p H.264"; empty when
// reasons is.
QString fitReasonText(const MediaInfo &info, FitReasons reasons, const ScreenProfile &profile);

// A fitted copy, and the sizes it saves.
struct FitResult
{
    QString copy;      // the fitted copy; empty on failure or cancel
    qint64 before = 0; // bytes of the file fitted
    qint64 after = 0;  // bytes of the copy
};

// Writes the fitted copy of path (a photo scaled to fit inside the screen,
// upright; a clip re-encoded within the player's limits) into the conversion
// cache, keyed by path and profile, unless it is there already. Blocking.
// Cancel: an empty copy and an empty error.
FitResult fitForScreen(const QString &path, const MediaInfo &info, const ScreenProfile &profile,
                       JobControl *control, QString *error);

// Writes the photo at source, turned upright, scaled to fit inside screen
// (never enlarged), as JPEG of quality 90, or PNG when it has alpha (by
// target's extension). HEIF photos too.
[[nodiscard]] bool fitPhoto(const QString &source, const QString &target, const QSize &screen,
                            QString *error);

// Whether path is a photo (any the conversions read, HEIC too) larger than
// the profile's screen, as it stands upright. Reads the header only.
bool photoExceedsScreen(const QString &path, const ScreenProfile &profile);

// What fitting a list of files came to: files[i] (one the profile finds too
// large or too rich; the others are left out) was fitted to copies[i].
struct FitOutcome : JobOutcome
{
    QStringList files;
    QStringList copies;
    QStringList reasons;  // why each was fitted, for the user
    qint64 before = 0;    // bytes of the files fitted
    qint64 after = 0;     // bytes of their copies
    QStringList failures; // one message per file that could not be fitted
    QStringList sources;  // what each copy shows: the file a converted one came from
};

// Examines each file (remembered checks are not decoded again) and fits those
// profile finds exceeding, several at once. Blocking; reports bytes of the
// files done. Cancel stops before the next file, and within a clip.
FitOutcome fitFiles(const QStringList &files, const ScreenProfile &profile, JobControl *control);
