#include "media/mediaconvert.h"
#include "media/mediaexamine.h"
#include "media/mediaprobe.h"
#include "media/mediaservice.h"
#include "media/playcheck.h"
#include "media/screenfit.h"
#include "tests/common/testkit.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <libheif/heif.h>

#include <cerrno>
#include <cstring>
#include <future>

using Problem = MediaInfo::Problem;

namespace {

// A phone's portrait photo: the picture stored wide, with the file's own
// note to turn it a quarter clockwise.
bool writeTurnedHeif(const QString &path, const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    heif_context *context = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    heif_image *image = nullptr;
    heif_encoding_options *options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation_rotate_90_cw;
    int stride = 0;
    bool ok =
        heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder).code == 0 &&
        heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB,
                          heif_chroma_interleaved_RGB, &image)
                .code == 0 &&
        heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8).code ==
            0;
    uint8_t *plane = ok ? heif_image_get_plane(image, heif_channel_interleaved, &stride) : nullptr;
    for (int y = 0; plane && y < rgb.height(); ++y)
        memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
    ok = ok && heif_context_encode_image(context, image, encoder, options, nullptr).code == 0 &&
         heif_context_write_to_file(context, QFile::encodeName(path).constData()).code == 0;
    heif_encoding_options_free(options);
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return ok;
}

// A camera's JPEG stored on its side, with the EXIF note to turn it a quarter
// clockwise. Qt's writer turns the pixels instead of writing the note.
bool writeTurnedJpeg(const QString &path, const QImage &picture)
{
    QBuffer jpeg;
    if (!jpeg.open(QIODevice::WriteOnly) || !picture.save(&jpeg, "JPEG"))
        return false;
    // APP1 "Exif", a big-endian TIFF header and one IFD entry: Orientation (0x0112) = 6.
    const QByteArray exif = QByteArray::fromHex("ffe10022457869660000"
                                                "4d4d002a00000008"
                                                "0001011200030000000100060000"
                                                "00000000");
    QByteArray bytes = jpeg.data();
    return writeBytes(path, bytes.insert(2, exif));
}

} // namespace

class TestMediaProbe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void probes_data();
    void probes();
    void serviceDeliversAndCaches();
    void turnedAndStretched_data();
    void turnedAndStretched();
    void limitsStopTheProbe();
    void fifoFailsAtOnce_data();
    void fifoFailsAtOnce();
    void conversionKeepsSound_data();
    void conversionKeepsSound();
    void mayNotPlayListsOnePerLine_data();
    void mayNotPlayListsOnePerLine();
    void fitsToTheScreen_data();
    void fitsToTheScreen();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Runs program in the folder of the samples.
    bool run(const QString &program, const QString &arguments) const
    {
        return runProgram(program, arguments.split(QLatin1Char(' ')), m_dir.path()) != "failed";
    }
    bool ffmpeg(const QString &arguments) const
    {
        return run(str("ffmpeg"), str("-hide_banner -loglevel error -y ") + arguments);
    }

    QTemporaryDir m_dir;
    QString m_codec; // what the sample videos are encoded with
};

void TestMediaProbe::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(Qt::red);
    QVERIFY(photo.save(path(str("photo.jpg")), "JPEG"));
    QVERIFY(QImage(300, 200, QImage::Format_ARGB32).save(path(str("png-named.jpg")), "PNG"));
    QVERIFY(writeBytes(path(str("fake.jpg")), "not an image\n"));

    // Blue for 0.8 s, then red: a thumbnail about one second in is red. Noise makes
    // the videos larger than FFmpeg's read buffer, so reading them really seeks.
    const QString blueThenRed = str("-f lavfi -i color=c=blue:s=320x240:r=25:d=0.8 -f lavfi -i "
                                    "color=c=red:s=320x240:r=25:d=1.2 -filter_complex concat,noise="
                                    "alls=20:allf=t -b:v 4M -pix_fmt yuv420p -c:v %1 clip.mp4");
    // H.264 when ffmpeg has its encoder, else MPEG-4 part 2.
    m_codec = ffmpeg(blueThenRed.arg(str("libx264"))) ? str("h264") : str("mpeg4");
    QVERIFY(m_codec == QLatin1String("h264") || ffmpeg(blueThenRed.arg(m_codec)));
    QVERIFY(ffmpeg(str("-f lavfi -i color=c=lime:s=160x120:r=25:d=1 -vf noise=alls=20:allf=t "
                       "-b:v 4M -pix_fmt yuv420p -c:v %1 clip.avi")
                       .arg(m_codec == QLatin1String("h264") ? str("libx264") : m_codec)));
    QVERIFY(QFile::copy(path(str("clip.avi")), path(str("avi-named.mp4"))));
    // Without its index at the end (ffmpeg writes it last), an MP4 cannot be played.
    const QByteArray clip = fileBytes(path(str("clip.mp4")));
    QVERIFY(!clip.isEmpty() && writeBytes(path(str("cut.mp4")), clip.left(clip.size() / 2)));
    // A copy that stopped early: the index (moved to the front) is whole, the
    // frames after the first third are not there.
    // Only key frames of noise: a third of the bytes is a third of the time.
    QVERIFY(ffmpeg(str("-f lavfi -i color=c=red:s=160x120:r=25:d=2 "
                       "-vf noise=alls=20:allf=t -c:v mpeg4 -g 1 -q:v 4 -movflags +faststart "
                       "front.mp4")));
    const QByteArray front = fileBytes(path(str("front.mp4")));
    QVERIFY(!front.isEmpty() && writeBytes(path(str("third.mp4")), front.left(front.size() / 3)));
    // Zeros from two thirds on, as a fake stick reads back past what it holds.
    const int zeros = front.size() / 3;
    QVERIFY(
        writeBytes(path(str("tail.mp4")), front.left(front.size() - zeros) + QByteArray(zeros, 0)));
    // Over the pixel limit, though each side is within the side limit.
    QVERIFY(QImage(6000, 6000, QImage::Format_Mono).save(path(str("huge.png")), "PNG"));
    QVERIFY(QImage(2, 20000, QImage::Format_Mono).save(path(str("tall.png")), "PNG"));
    QVERIFY(run(str("zip"), str("-q0 pack.mrv photo.jpg clip.mp4 fake.jpg third.mp4")));
    QVERIFY(run(str("zip"), str("-q9 pack.mrv clip.avi"))); // deflated
}

void TestMediaProbe::probes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QSize>("pixelSize");
    QTest::addColumn<int>("durationMs");
    QTest::addColumn<QColor>("thumbnailColor"); // at the thumbnail's centre

    const auto row = [](const char *name, const char *file, const char *entry, Problem problem,
                        const char *format = "", QSize pixelSize = {}, int durationMs = -1,
                        QColor color = {}) {
        QTest::newRow(name) << QString::fromUtf8(file) << QString::fromUtf8(entry) << int(problem)
                            << QString::fromUtf8(format) << pixelSize << durationMs << color;
    };
    const QColor red(255, 0, 0), lime(0, 255, 0);
    row("avi file", "clip.avi", "", Problem::None, "avi", {160, 120}, 1000, lime);
    row("jpeg entry", "pack.mrv", "photo.jpg", Problem::None, "jpeg", {640, 480}, -1, red);
    row("stored mp4 entry", "pack.mrv", "clip.mp4", Problem::None, "mp4", {320, 240}, 2000, red);
    row("deflated avi entry", "pack.mrv", "clip.avi", Problem::None, "avi", {160, 120}, 1000, lime);
    row("text named .jpg", "fake.jpg", "", Problem::WrongType);
    row("png named .jpg", "png-named.jpg", "", Problem::WrongType, "png");
    row("avi named .mp4", "avi-named.mp4", "", Problem::WrongType, "avi");
    row("mp4 cut short", "cut.mp4", "", Problem::Undecodable, "mp4");
    // For cut-short rows durationMs is what plays of the two seconds.
    row("mp4 cut to a third", "third.mp4", "", Problem::CutShort, "mp4", {160, 120}, 667);
    row("stored mp4 entry cut to a third", "pack.mrv", "third.mp4", Problem::CutShort, "mp4",
        {160, 120}, 667);
    row("whole mp4 with its index first", "front.mp4", "", Problem::None, "mp4", {160, 120}, 2000,
        red);
    row("mp4 zeros at its end", "tail.mp4", "", Problem::Undecodable, "mp4", {160, 120});
    row("png over the pixel limit", "huge.png", "", Problem::Undecodable, "png", {6000, 6000});
    row("png taller than the side limit", "tall.png", "", Problem::Undecodable, "png", {2, 20000});
    row("missing file", "gone.png", "", Problem::Missing);
    row("missing entry", "pack.mrv", "gone.mp4", Problem::Missing);
}

void TestMediaProbe::probes()
{
    QFETCH(QString, file);
    QFETCH(QString, entry);
    QFETCH(int, problem);
    QFETCH(QString, format);
    QFETCH(QSize, pixelSize);
    QFETCH(int, durationMs);
    QFETCH(QColor, thumbnailColor);
    const MediaSource source{path(file), entry};

    // Alone, the probe decodes nothing: damage behind a whole index shows to
    // the thumbnail's pass only.
    const bool endOnly = file == str("tail.mp4");
    const MediaInfo info = probeMedia(source);
    QCOMPARE(int(info.problem), endOnly ? 0 : problem);
    const quint64 endPackets = mediaEndCheckPackets();
    QCOMPARE(int(examineMedia(source).problem), problem); // what mrv checks with
    QVERIFY(mediaEndCheckPackets() - endPackets <= 1);    // the key frame before the end only
    QVERIFY(info.format.split(QLatin1Char(',')).contains(format) || format.isEmpty());
    QCOMPARE(info.pixelSize, pixelSize);
    QImage thumbnail;
    QString error;
    const bool made = makeThumbnail(source, QSize(64, 64), &thumbnail, &error);
    if (problem == int(Problem::CutShort)) {
        QVERIFY_BETWEEN(info.playableMs, durationMs - 120, durationMs + 120);
        QVERIFY_CONTAINS(
            info.problemText,
            str("cut short: plays about %1 of ").arg(playingTimeText(info.playableMs)));
    }
    if (problem != int(Problem::None)) {
        // The user is told which file, in the package or not.
        QVERIFY_CONTAINS(error, entry.isEmpty() ? file : entry);
        QVERIFY(!made);
        QVERIFY(endOnly ? error.contains(str("damaged near its end")) : error == info.problemText);
        return;
    }
    QCOMPARE(info.problemText, QString());
    QCOMPARE(info.size, QFileInfo(path(entry.isEmpty() ? file : entry)).size());
    const QString codec = file == str("front.mp4") ? str("mpeg4") : m_codec;
    QCOMPARE(info.codec, durationMs < 0 ? QString() : codec);
    QVERIFY(qAbs(info.durationMs - durationMs) <= (durationMs < 0 ? 0 : 100));
    QVERIFY(made);
    QCOMPARE(thumbnail.size(), pixelSize.scaled(64, 64, Qt::KeepAspectRatio));
    const QColor centre = thumbnail.pixelColor(thumbnail.width() / 2, thumbnail.height() / 2);
    QVERIFY(qAbs(centre.red() - thumbnailColor.red()) < 40 &&
            qAbs(centre.green() - thumbnailColor.green()) < 40 &&
            qAbs(centre.blue() - thumbnailColor.blue()) < 40);
}

void TestMediaProbe::serviceDeliversAndCaches()
{
    const QString image = path(str("cached.png"));
    QImage green(300, 200, QImage::Format_RGB32);
    green.fill(Qt::green);
    QVERIFY(green.save(image, "PNG"));
    const MediaSource source = MediaSource::file(image);
    MediaService service;
    QSignalSpy probed(&service, &MediaService::probed);
    QSignalSpy thumbnails(&service, &MediaService::thumbnailReady);
    QSignalSpy idle(&service, &MediaService::idle);

    service.request(source);
    QVERIFY(idle.wait(10000));
    QCOMPARE(probed.count(), 1);
    QCOMPARE(thumbnails.size(), 1);

    // Same size and time: the cached result comes back, though the bytes are no image now.
    const QDateTime modified = QFileInfo(image).lastModified();
    QFile file(image);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.write(QByteArray(int(file.size()), 'x')) > 0 &&
            file.flush());
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    service.request(source);
    QCOMPARE(probed.count(), 1); // never from within request()
    QVERIFY(idle.wait(10000));
    QCOMPARE(probed.count(), 2);
    QVERIFY(probed.at(1).at(1).value<MediaInfo>().isOk());

    // A new time: probed again.
    QVERIFY(file.setFileTime(modified.addSecs(60), QFileDevice::FileModificationTime));
    service.request(source);
    QVERIFY(idle.wait(10000));
    QCOMPARE(int(probed.at(2).at(1).value<MediaInfo>().problem), int(Problem::WrongType));

    // Cancelled work reports nothing.
    service.request(MediaSource::file(path(str("clip.mp4"))));
    service.cancelAll();
    QVERIFY(!probed.wait(500));
}

void TestMediaProbe::turnedAndStretched_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("thumbnailSize"); // in a 64×64 box
    QTest::addColumn<QString>("first");       // the colour on top, or on the left when wider
    QTest::addColumn<QSize>("upright");       // an image's size as the probe reports it

    // Red left, blue right, as the pixels lie in the file.
    QImage sideways(80, 40, QImage::Format_RGB32);
    sideways.fill(Qt::blue);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x)
            sideways.setPixel(x, y, qRgb(255, 0, 0));
    }
    QVERIFY(writeTurnedJpeg(path(str("portrait.jpg")), sideways));
    // Converted from HEIF, the JPEG stands as the phone was held.
    QString error;
    QVERIFY(writeTurnedHeif(path(str("portrait.heic")), sideways) &&
            planConversion(path(str("portrait.heic"))).how == str("HEIC to JPEG") &&
            convertImage(path(str("portrait.heic")), path(str("heic.jpg")), &error));
    const QString halves = str("-f lavfi -i color=c=red:s=80x120:d=1,format=yuv420p -f lavfi -i "
                               "color=c=blue:s=80x120:d=1,format=yuv420p -filter_complex "
                               "hstack%1 -c:v mpeg4 %2");
    QVERIFY(ffmpeg(halves.arg(QString(), str("upright.mp4"))));
    // The display matrix of a phone held the other way: turned a quarter to the left.
    QVERIFY(ffmpeg(str("-i upright.mp4 -c copy -metadata:s:v:0 rotate=90 turned.mp4")));

    QTest::newRow("portrait photo")
        << str("portrait.jpg") << QSize(32, 64) << str("red") << QSize(40, 80);
    QTest::newRow("HEIC photo converted")
        << str("heic.jpg") << QSize(32, 64) << str("red") << QSize(40, 80);
    QTest::newRow("video filmed upright")
        << str("turned.mp4") << QSize(48, 64) << str("blue") << QSize();
}

// Phones store portraits on their side and say how to turn them.
void TestMediaProbe::turnedAndStretched()
{
    QFETCH(QString, file);
    QFETCH(QSize, thumbnailSize);
    QFETCH(QString, first);
    QFETCH(QSize, upright);
    QVERIFY(!upright.isValid() || probeMedia(MediaSource::file(path(file))).pixelSize == upright);
    QImage thumbnail;
    QString error;
    QVERIFY(makeThumbnail(MediaSource::file(path(file)), QSize(64, 64), &thumbnail, &error));
    QCOMPARE(thumbnail.size(), thumbnailSize);
    // The colours near the two ends, "red" or "blue" by their stronger channel.
    const int w = thumbnail.width(), h = thumbnail.height();
    const bool tall = h > w;
    QStringList ends;
    for (const QPoint at : {tall ? QPoint(w / 2, 4) : QPoint(4, h / 2),
                            tall ? QPoint(w / 2, h - 5) : QPoint(w - 5, h / 2)}) {
        const QColor c = thumbnail.pixelColor(at);
        ends.append(c.red() > 200 && c.blue() < 60   ? str("red")
                    : c.blue() > 200 && c.red() < 60 ? str("blue")
                                                     : c.name());
    }
    QCOMPARE(ends, (QStringList{first, first == str("red") ? str("blue") : str("red")}));
}

// A slow drive is told apart from a damaged file, and a cancelled probe stops
// instead of decoding on for nobody.
void TestMediaProbe::limitsStopTheProbe()
{
    const MediaSource clip = MediaSource::file(path(str("clip.mp4")));
    QImage thumbnail;
    InspectLimits expired;
    expired.deadline = QDeadlineTimer(0);
    const MediaInfo info = inspectMedia(clip, QSize(64, 64), &thumbnail, expired);
    QCOMPARE(int(info.problem), int(Problem::Unreadable));
    QVERIFY_CONTAINS(info.problemText, str("within 10 seconds"));
    int asked = 0;
    InspectLimits cancelled;
    cancelled.cancelled = [&asked] { return ++asked > 0; };
    QVERIFY(!inspectMedia(clip, QSize(64, 64), &thumbnail, cancelled).isOk() && asked > 0);
    QVERIFY(thumbnail.isNull());
}

void TestMediaProbe::fifoFailsAtOnce_data()
{
    QTest::addColumn<QString>("fifo");
    QTest::addColumn<QString>("entry");
    QTest::newRow("a video") << str("pipe.mp4") << QString();
    QTest::newRow("a package") << str("pipe.mrv") << str("clip.mp4");
}

// Opening a FIFO waits for a writer; the probe must refuse it instead.
void TestMediaProbe::fifoFailsAtOnce()
{
    QFETCH(QString, fifo);
    QFETCH(QString, entry);
    const QByteArray name = QFile::encodeName(path(fifo));
    QVERIFY(mkfifo(name.constData(), 0600) == 0 || errno == EEXIST);
    auto probe = std::async(std::launch::async, [&] { return probeMedia({path(fifo), entry}); });
    if (probe.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Let the stuck reader see an end, so the suite fails instead of hanging.
        const int writer = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
        probe.wait();
        QFAIL("the probe waited for a writer of the FIFO");
    }
    const MediaInfo info = probe.get();
    QCOMPARE(int(info.problem), int(Problem::Unreadable));
    QVERIFY_CONTAINS(info.problemText, fifo);
}

void TestMediaProbe::fitsToTheScreen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("playsSound");
    QTest::addColumn<QString>("why"); // empty: it fits as it is
    QTest::addColumn<QSize>("fitted");
    QTest::addColumn<QString>("streams"); // of a fitted clip, as ffprobe lists them

    // Red top half, blue bottom, as the photo should stand.
    QImage landscape(4000, 3000, QImage::Format_RGB32);
    landscape.fill(Qt::red);
    for (int y = 1500; y < 3000; ++y)
        std::fill_n(reinterpret_cast<QRgb *>(landscape.scanLine(y)), 4000, qRgb(0, 0, 255));
    QVERIFY(landscape.save(path(str("wide.jpg")), "JPEG"));
    // Stored on its side, red on the left, to be turned a quarter clockwise.
    QImage sideways(4000, 3000, QImage::Format_RGB32);
    sideways.fill(Qt::blue);
    for (int y = 0; y < 3000; ++y)
        std::fill_n(reinterpret_cast<QRgb *>(sideways.scanLine(y)), 2000, qRgb(255, 0, 0));
    QVERIFY(writeTurnedJpeg(path(str("upright.jpg")), sideways));
    QVERIFY(landscape.copy(0, 0, 1280, 720).save(path(str("small.jpg")), "JPEG"));
    QVERIFY(ffmpeg(str("-f lavfi -i testsrc=s=3840x2160:r=5:d=1 -f lavfi -i sine=d=1 -c:v "
                       "libx265 -preset ultrafast -x265-params log-level=none -c:a aac -shortest "
                       "uhd.mp4")));
    QVERIFY(ffmpeg(str("-f lavfi -i testsrc=s=320x240:r=60:d=1 -c:v libx264 sixty.mp4")));
    QVERIFY(ffmpeg(str("-i sixty.mp4 -c copy -metadata:s:v:0 rotate=90 phone.mp4")));

    QTest::newRow("landscape photo")
        << str("wide.jpg") << true << str("4000×3000 photo: the screen shows 1920×1080")
        << QSize(1440, 1080) << QString();
    QTest::newRow("portrait photo turned by EXIF")
        << str("upright.jpg") << true << str("3000×4000 photo: the screen shows 1920×1080")
        << QSize(810, 1080) << QString();
    QTest::newRow("photo within the screen")
        << str("small.jpg") << true << QString() << QSize() << QString();
    QTest::newRow("4K HEVC clip with sound, silent player")
        << str("uhd.mp4") << false
        << str("4K HEVC with sound: this player plays up to 1080p H.264, this player plays no "
               "sound")
        << QSize(1920, 1080) << str("h264\n");
    QTest::newRow("same clip, player with sound")
        << str("uhd.mp4") << true << str("4K HEVC: this player plays up to 1080p H.264")
        << QSize(1920, 1080) << str("h264\naac\n");
    QTest::newRow("60 fps clip turned by its flag")
        << str("phone.mp4") << true
        << str("60 fps turned by a rotation flag: this player plays up to 1080p H.264 at 30 fps, "
               "this player ignores rotation flags")
        << QSize(240, 320) << str("h264\n");
}

// The copy stands as it shows, within the screen or the player's limits,
// aspect kept; the file itself is left alone.
void TestMediaProbe::fitsToTheScreen()
{
    QFETCH(QString, file);
    QFETCH(bool, playsSound);
    QFETCH(QString, why);
    QFETCH(QSize, fitted);
    QFETCH(QString, streams);
    QVERIFY(keepUserFilesIn(m_dir.path()));
    ScreenProfile profile;
    profile.playsSound = playsSound;
    const MediaInfo info = examineMedia(MediaSource::file(path(file)));
    QVERIFY2(info.isOk(), qPrintable(info.problemText));
    QCOMPARE(fitReasonText(info, fitReasons(info, profile), profile), why);
    if (why.isEmpty())
        return;
    const QByteArray original = fileBytes(path(file));
    QString error;
    const FitResult result = fitForScreen(path(file), info, profile, nullptr, &error);
    QVERIFY2(!result.copy.isEmpty(), qPrintable(error));
    QCOMPARE(fileBytes(path(file)), original);
    QVERIFY(result.after > 0);
    const MediaInfo copy = examineMedia(MediaSource::file(result.copy));
    QVERIFY2(copy.isOk(), qPrintable(copy.problemText));
    QCOMPARE(copy.pixelSize, fitted);
    QVERIFY2(!fitReasons(copy, profile),
             qPrintable(fitReasonText(copy, fitReasons(copy, profile), profile)));
    if (streams.isEmpty()) {
        QVERIFY(result.after < result.before);
        // Red on top: upright, not on its side nor upside down.
        const QImage shown(result.copy);
        QVERIFY(qRed(shown.pixel(fitted.width() / 2, 10)) > 200);
        QVERIFY(qBlue(shown.pixel(fitted.width() / 2, fitted.height() - 10)) > 200);
        return;
    }
    QCOMPARE(copy.quarterTurns, 0);
    QCOMPARE(runProgram(str("ffprobe"), str("-v error -show_entries stream=codec_name -of csv=p=0 "
                                            "%1")
                                            .arg(result.copy)
                                            .split(u' ')),
             streams.toUtf8());
}

// Sound MP4 holds is copied with the pictures; other sound is encoded again
// with them, never copied into a file players refuse, nor dropped.
void TestMediaProbe::conversionKeepsSound_data()
{
    QTest::addColumn<QString>("sound"); // ffmpeg's encoder for the clip's sound
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("streams"); // of the converted copy
    QTest::newRow("AAC: copied") << str("aac") << int(ConversionPlan::Kind::Remux)
                                 << str("mpeg4\naac\n");
    QTest::newRow("PCM: encoded again")
        << str("pcm_s16le") << int(ConversionPlan::Kind::Transcode) << str("h264\naac\n");
}

void TestMediaProbe::conversionKeepsSound()
{
    QFETCH(QString, sound);
    QFETCH(int, kind);
    QFETCH(QString, streams);
    QVERIFY(keepUserFilesIn(m_dir.path()));
    const QString clip = str("sound-%1.mkv").arg(sound);
    QVERIFY(ffmpeg(str("-f lavfi -i testsrc=s=64x48:r=10:d=1 -f lavfi -i sine=d=1 -c:v mpeg4 "
                       "-c:a %1 -shortest %2")
                       .arg(sound, clip)));
    const ConversionPlan plan = planConversion(path(clip));
    QCOMPARE(int(plan.kind), kind);
    QString error;
    const QString copy = convertForPackage(path(clip), plan, nullptr, &error);
    QVERIFY(!copy.isEmpty());
    QCOMPARE(
        runProgram(
            str("ffprobe"),
            str("-v error -show_entries stream=codec_name -of csv=p=0 %1").arg(copy).split(u' ')),
        streams.toUtf8());
}

void TestMediaProbe::mayNotPlayListsOnePerLine_data()
{
    QTest::addColumn<int>("shown");
    QTest::newRow("all shown") << 20;
    QTest::newRow("more than shown") << 2;
}

// A heading, then each problem on a line of its own indented under it; words aside.
void TestMediaProbe::mayNotPlayListsOnePerLine()
{
    QFETCH(int, shown);
    PlaylistRows rows;
    for (const char *name : {"fake.jpg", "cut.mp4", "tall.png"})
        rows.append(rowForFile(path(str(name)), str("00:00:10"), defaultTransition()));
    const QStringList problems = probeMayNotPlay(rows);
    QCOMPARE(problems.size(), rows.size());
    QStringList expected = problems.mid(0, shown);
    if (shown < problems.size())
        expected.append(str("…"));
    QStringList lines = mayNotPlayText(problems, shown).split(u'\n');
    QVERIFY(lines.takeFirst().endsWith(u':'));
    QCOMPARE(lines, expected.replaceInStrings(QRegularExpression(str("^")), str("    ")));
}

QTEST_GUILESS_MAIN(TestMediaProbe)
#include "tst_mediaprobe.moc"
