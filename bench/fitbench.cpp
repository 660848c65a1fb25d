// "mrv build --fit" of a phone's media against the same build without it:
// package size and time, and the time of writing each package to a stick
// at 20 MB/s. Rounds interleave the two, each from a cold conversion cache.
//   fitbench [photos] [of them HEIC] [clips] [rounds]   (default 200 20 10 3)
// The media are made first: 12 MP photos (JPEG, some HEIC) with detail a
// camera's JPEG keeps, 4K H.264 and 1080p HEVC 60 fps clips with sound.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

QString str(const char *text)
{
    return QString::fromUtf8(text);
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

QString spread(const QVector<double> &values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return QStringLiteral("%1–%2").arg(*low, 0, 'f', 1).arg(*high, 0, 'f', 1);
}

bool run(const QString &program, const QStringList &arguments, const QString &folder,
         const QString &cache = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!cache.isEmpty())
        environment.insert(str("XDG_CACHE_HOME"), cache);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        std::fprintf(stderr, "failed: %s %s\n", qPrintable(program),
                     qPrintable(arguments.join(u' ')));
        return false;
    }
    return true;
}

// A photo of about the detail a phone's does keep: shapes, text and grain.
QImage photo(int seed)
{
    QImage image(4032, 3024, QImage::Format_RGB32);
    QRandomGenerator random{quint32(seed)};
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 3024);
    sky.setColorAt(0, QColor::fromHsv(random.bounded(360), 120, 230));
    sky.setColorAt(1, QColor::fromHsv(random.bounded(360), 200, 90));
    painter.fillRect(image.rect(), sky);
    for (int i = 0; i < 300; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), random.bounded(256), 200));
        painter.drawEllipse(random.bounded(4032), random.bounded(3024), random.bounded(400),
                            random.bounded(400));
    }
    QFont font = painter.font();
    font.setPixelSize(90);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Sale %1 %").arg(seed % 70));
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(random.bounded(24)) - 12;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain, 255));
        }
    }
    return image;
}

// Copies the package to folder as a stick takes it: 4 MB writes of 200 ms at least.
double stickWriteSeconds(const QString &package, const QString &folder)
{
    QFile in(package);
    QFile out(folder + str("/stick.mrv"));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return -1;
    QElapsedTimer timer;
    timer.start();
    while (!in.atEnd()) {
        QElapsedTimer chunk;
        chunk.start();
        const QByteArray bytes = in.read(4 * 1024 * 1024);
        if (out.write(bytes) != bytes.size())
            return -1;
        QThread::msleep(qMax<qint64>(0, 200 * bytes.size() / (4 * 1024 * 1024) - chunk.elapsed()));
    }
    out.flush();
    out.close();
    QFile::remove(out.fileName());
    return double(timer.elapsed()) / 1000;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // fonts for the photos, no window
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int photos = arguments.value(1, str("200")).toInt();
    const int heic = arguments.value(2, str("20")).toInt();
    const int clips = arguments.value(3, str("10")).toInt();
    const int rounds = arguments.value(4, str("3")).toInt();
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString media = dir.filePath(str("media"));
    QDir().mkpath(media);

    QElapsedTimer making;
    making.start();
    // A few photos drawn, the rest copies of them under their own names: each
    // file is read, fitted and stored on its own all the same.
    constexpr int drawn = 8;
    QStringList files;
    for (int i = 0; i < photos; ++i) {
        const bool isHeic = i < heic;
        const QString name =
            str(isHeic ? "IMG_%1.heic" : "IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        const int first = isHeic ? 0 : heic;
        if (i - first >= (isHeic ? 3 : drawn)) {
            if (!QFile::copy(media + u'/' + files.at(first + (i - first) % (isHeic ? 3 : drawn)),
                             media + u'/' + name))
                return 1;
        } else if (!photo(i).save(media + u'/' + str("drawn.jpg"), "JPEG", 92) ||
                   !(isHeic
                         ? run(str("heif-enc"),
                               {str("-q"), str("60"), str("-o"), name, str("drawn.jpg")}, media)
                         : QFile::rename(media + u'/' + str("drawn.jpg"), media + u'/' + name))) {
            return 1;
        }
        files.append(name);
    }
    QFile::remove(media + u'/' + str("drawn.jpg"));
    for (int i = 0; i < clips; ++i) {
        const bool uhd = i % 2 == 0;
        const QString clip = str("VID_%1.mp4").arg(i, 4, 10, QLatin1Char('0'));
        const QString video = uhd ? str("testsrc2=s=3840x2160:r=30:d=3,noise=alls=6:allf=t")
                                  : str("testsrc2=s=1920x1080:r=60:d=3,noise=alls=6:allf=t");
        QStringList ffmpeg{str("-hide_banner"), str("-loglevel"), str("error"),    str("-y"),
                           str("-f"),           str("lavfi"),     str("-i"),       video,
                           str("-f"),           str("lavfi"),     str("-i"),       str("sine=d=3"),
                           str("-c:a"),         str("aac"),       str("-shortest")};
        ffmpeg << (uhd ? QStringList{str("-c:v"), str("libx264"), str("-preset"), str("ultrafast"),
                                     str("-b:v"), str("40M")}
                       : QStringList{str("-c:v"), str("libx265"), str("-preset"), str("ultrafast"),
                                     str("-x265-params"), str("log-level=none"), str("-b:v"),
                                     str("16M")})
               << clip;
        if (!run(str("ffmpeg"), ffmpeg, media))
            return 1;
        files.append(clip);
    }
    qint64 mediaBytes = 0;
    for (const QString &file : files)
        mediaBytes += QFileInfo(media + u'/' + file).size();
    std::printf("%d photos (%d HEIC) and %d clips, %.1f MB, made in %.0f s\n", photos, heic, clips,
                double(mediaBytes) / 1e6, double(making.elapsed()) / 1000);

    // [fit?] build seconds, package MB, stick seconds
    QVector<double> build[2], size[2], stick[2], total[2];
    for (int round = 0; round < rounds; ++round) {
        for (int fit = 0; fit < 2; ++fit) {
            const bool fitted = (round + fit) % 2 == 1; // alternate which goes first
            const QString cache = dir.filePath(str("cache-%1-%2").arg(round).arg(fitted));
            QStringList command{str("build"), str("--force"), str("--profile"), str("full-hd")};
            if (fitted)
                command << str("--fit");
            command << dir.filePath(str("show.mrv"));
            for (const QString &file : files)
                command << media + u'/' + file;
            QElapsedTimer timer;
            timer.start();
            if (!run(str(MRV_PATH), command, media, cache))
                return 1;
            const double seconds = double(timer.elapsed()) / 1000;
            const double megabytes = double(QFileInfo(dir.filePath(str("show.mrv"))).size()) / 1e6;
            const double write = stickWriteSeconds(dir.filePath(str("show.mrv")), dir.path());
            QDir(cache).removeRecursively();
            build[fitted].append(seconds);
            size[fitted].append(megabytes);
            stick[fitted].append(write);
            total[fitted].append(fitted ? seconds + write : write);
            std::printf("round %d %-9s build %6.1f s  package %7.1f MB  stick %6.1f s\n", round + 1,
                        fitted ? "--fit" : "as they are", seconds, megabytes, write);
            std::fflush(stdout);
        }
    }
    for (int fitted = 0; fitted < 2; ++fitted)
        std::printf("%-11s build %s s (median %.1f), package %.1f MB, stick %s s (median %.1f)\n",
                    fitted ? "--fit:" : "as they are:", qPrintable(spread(build[fitted])),
                    median(build[fitted]), median(size[fitted]), qPrintable(spread(stick[fitted])),
                    median(stick[fitted]));
    std::printf("package size, fitted / as they are: %.3f\n", median(size[1]) / median(size[0]));
    std::printf("fitted build + its write / unfitted write: %.2f (%s; target below 1)\n",
                median(total[1]) / median(total[0]), qPrintable(spread([&] {
                    QVector<double> ratios;
                    for (int i = 0; i < total[1].size(); ++i)
                        ratios.append(total[1].at(i) / total[0].at(i));
                    return ratios;
                }())));
    std::printf("fitted build + its write / unfitted build + its write: %.2f\n",
                median(total[1]) / (median(build[0]) + median(stick[0])));
    return 0;
}
