// The preview plays the playlist as the screen will: seen by grabbing the
// screen while it plays real pictures and a real clip.
#include "app/mainwindow.h"
#include "preview/previewplan.h"
#include "preview/previewtimeline.h"
#include "preview/previewwindow.h"
#include "settings/screenprofile.h"
#include "tests/common/fakedialogs.h"
#include "tests/common/testkit.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// The colour at the middle of what widget shows, as the screen has it: a
// video may be drawn outside the widget's own painting.
QChar colourAt(const QWidget *widget)
{
    const QPoint centre = widget->mapToGlobal(widget->rect().center());
    const QColor c =
        widget->screen()->grabWindow(0, centre.x(), centre.y(), 1, 1).toImage().pixelColor(0, 0);
    if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
        return u'R';
    if (c.green() > 180 && c.red() < 90 && c.blue() < 90)
        return u'G';
    if (c.blue() > 180 && c.red() < 90 && c.green() < 90)
        return u'B';
    if (c.red() > 180 && c.green() > 180 && c.blue() < 90)
        return u'Y';
    return u'.';
}

// Runs ffmpeg on lavfi input into output: what it printed, or "failed".
QByteArray ffmpeg(const QString &arguments, const QString &output)
{
    return runProgram(str("ffmpeg"),
                      str("-loglevel error -y -f lavfi ").append(arguments).split(u' ') << output);
}

PreviewItem picture(const MediaSource &source, qint64 ms)
{
    return {source, QFileInfo(source.isPackageEntry() ? source.entry : source.path).fileName(),
            false, ms};
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString file(const char *name) const { return dir.filePath(str(name)); }

    PreviewItem shot(const char *name, qint64 ms) const
    {
        return picture(MediaSource::file(file(name)), ms);
    }
    // Null unless shown: the keys are the window's shortcuts, it must be the active one.
    static std::unique_ptr<PreviewWindow> show(const QVector<PreviewItem> &items, int first = 0)
    {
        std::unique_ptr<PreviewWindow> preview(new PreviewWindow(items, first));
        return showActive(preview.get()) ? std::move(preview) : nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(keepUserFilesIn(dir.path()));
        const QVector<QPair<const char *, Qt::GlobalColor>> pictures{
            {"red.png", Qt::red}, {"green.png", Qt::green}, {"yellow.png", Qt::yellow}};
        for (const auto &p : pictures) {
            QImage image(320, 180, QImage::Format_RGB32);
            image.fill(p.second);
            QVERIFY(image.save(file(p.first)));
        }
    }

    void itemsFromRows_data()
    {
        QTest::addColumn<PlaylistRow>("row");
        QTest::addColumn<QString>("package"); // the open one, with "/stored.png" and "/clip.mp4"
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<qint64>("durationMs");
        const QString pkg = str("/m/show.mrv");
        QTest::newRow("file") << row("00:01:30", "/m/a.png") << pkg << str("/m/a.png") << QString()
                              << qint64(90000);
        QTest::newRow("stored picture")
            << row("00:00:04", "/stored.png") << pkg << pkg << str("stored.png") << qint64(4000);
        QTest::newRow("stored video")
            << row("NA", "/clip.mp4") << pkg << pkg << str("clip.mp4") << qint64(-1);
        QTest::newRow("not stored in it") << row("00:00:04", "/other.png") << pkg
                                          << str("/other.png") << QString() << qint64(4000);
    }

    void itemsFromRows()
    {
        QFETCH(PlaylistRow, row);
        QFETCH(QString, package);
        QFETCH(QString, path);
        QFETCH(QString, entry);
        QFETCH(qint64, durationMs);
        const QVector<PreviewItem> items =
            previewItems({row}, package, {str("/stored.png"), str("/clip.mp4")});
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first().source.path, path);
        QCOMPARE(items.first().source.entry, entry);
        QCOMPARE(items.first().durationMs, durationMs);
    }

    // An image of time 00:00:00 is never shown, as on the player.
    void zeroTimeSkipped()
    {
        auto preview = show({shot("red.png", 0), shot("green.png", 400)});
        QVERIFY(preview);
        QTRY_COMPARE(colourAt(preview->screenArea()), u'G');

        auto nothing = show({shot("red.png", 0)});
        QVERIFY(nothing);
        QTRY_VERIFY(nothing->problemShown().startsWith(str("Nothing to show")));
    }

    // Red 1 s, green 1 s, then a 1 s blue clip twice, and round again: the
    // screen shows them in that order, each when its time has come, and
    // never black in between.
    void playsInOrderAtTheirTimes()
    {
        const QString clip = file("blue.mp4");
        QCOMPARE(ffmpeg(str("-i color=c=blue:s=320x180:r=25:d=1 -pix_fmt yuv420p"), clip),
                 QByteArray());

        auto preview = show({shot("red.png", 1000),
                             shot("green.png", 1000),
                             {MediaSource::file(clip), str("blue.mp4"), true, -1},
                             {MediaSource::file(clip), str("blue.mp4"), true, -1}});
        QVERIFY(preview);
        // When each colour is first seen, from the first red on.
        QElapsedTimer clock;
        QString seen;
        QVector<qint64> at;
        int black = 0;
        QElapsedTimer limit;
        limit.start();
        while (limit.elapsed() < 8000 && seen.size() < 4) {
            const QChar c = colourAt(preview->screenArea());
            black += c == u'.' && !seen.isEmpty();
            if (c != u'.' && (seen.isEmpty() || seen.back() != c)) {
                if (seen.isEmpty())
                    clock.start();
                seen.append(c);
                at.append(clock.elapsed());
            }
            QTest::qWait(20);
        }
        QCOMPARE(seen, str("RGBR"));
        // Never early; late by a loaded machine's frame or a slow clip start, not by a second.
        QVERIFY_BETWEEN(at.at(1), 850, 1600);
        QVERIFY_BETWEEN(at.at(2), 1850, 3200);
        // Both clips play to their end before the loop starts again.
        QVERIFY_BETWEEN(at.at(3) - at.at(2), 1700, 4000);
        QCOMPARE(black, 0);

        QPointer<PreviewWindow> watch(preview.release());
        QTest::keyClick(watch.data(), Qt::Key_Escape);
        QTRY_VERIFY(watch.isNull()); // closed, and gone with it
    }

    // A clip with sound plays through its end, on to the next item, and the
    // preview closes, all without a sound device (the suite runs with none).
    void clipWithSoundWithoutDevice()
    {
        const QString clip = file("sound.mp4");
        QCOMPARE(ffmpeg(str("-i color=c=blue:s=320x180:r=25:d=1 -f lavfi -i sine=d=1 -c:v mpeg4 "
                            "-c:a aac -shortest"),
                        clip),
                 QByteArray());
        for (int round = 0; round < 2; ++round) {
            QPointer<PreviewWindow> preview(
                show(
                    {{MediaSource::file(clip), str("sound.mp4"), true, -1}, shot("green.png", 400)})
                    .release());
            QVERIFY(preview);
            // Off, and where there is no device it cannot be switched on and says why.
            auto *sound = preview->findChild<QToolButton *>(str("previewSound"));
            QVERIFY(sound && !sound->isChecked() && !sound->isEnabled());
            QTRY_COMPARE(colourAt(preview->screenArea()), u'B');
            QCOMPARE(preview->audioOutputs(), 0);
            QTRY_COMPARE_WITH_TIMEOUT(preview->currentIndex(), 1, 5000);
            QTRY_COMPARE(preview->currentIndex(), 0); // and the clip again
            QTest::qWait(300);
            preview->close();
            QTRY_VERIFY(preview.isNull());
        }
    }

    // A slot whose file cannot be read says why for its time, then the
    // preview goes on, here to a picture read from inside a package.
    void problemShownForItsSlot()
    {
        const QString package = file("stored.mrv");
        QVERIFY(writeZip(package, {{str("json.txt"), "{}"},
                                   {str("yellow.png"), fileBytes(file("yellow.png"))}}));
        auto preview = show({shot("gone.png", 1000),
                             picture(MediaSource::packageEntry(package, str("yellow.png")), 5000)});
        QVERIFY(preview);
        QTRY_VERIFY(preview->problemShown().contains(str("gone.png")));
        QCOMPARE(preview->currentIndex(), 0);
        QTRY_COMPARE(preview->currentIndex(), 1);
        QTRY_COMPARE(colourAt(preview->screenArea()), u'Y');
        QVERIFY(preview->problemShown().isEmpty());
        // Nothing was taken out of the package.
        QCOMPARE(QDir(dir.path()).entryList({str("yellow*")}), QStringList{str("yellow.png")});
    }

    // The bar's buttons and a click on the timeline drive it, round at the ends.
    void controlsDrive()
    {
        auto preview =
            show({shot("red.png", 10000), shot("green.png", 20000), shot("yellow.png", 75000)});
        QVERIFY(preview);
        const auto press = [&preview](const char *name) {
            auto *button = preview->findChild<QToolButton *>(str(name));
            QVERIFY(button && button->isVisible());
            QTest::mouseClick(button, Qt::LeftButton);
        };
        auto *time = preview->findChild<QLabel *>(str("previewTime"));
        QTRY_COMPARE(preview->currentIndex(), 0);
        press("previewNext");
        QCOMPARE(preview->currentIndex(), 1);
        QTRY_COMPARE(colourAt(preview->screenArea()), u'G');
        press("previewPrevious");
        press("previewPrevious");
        QCOMPARE(preview->currentIndex(), 2); // round to the last
        press("previewPlay");
        QVERIFY(preview->isPaused());
        QVERIFY(time->text().startsWith(str("Paused")));
        QTest::qWait(500);
        QCOMPARE(preview->currentIndex(), 2);
        press("previewPlay");
        QVERIFY(!preview->isPaused());
        // A click just inside an item's start plays that item.
        auto *timeline = preview->findChild<PreviewTimeline *>();
        QCOMPARE(timeline->edges().size(), 4);
        QTest::mouseClick(timeline, Qt::LeftButton, {},
                          QPoint(timeline->edges().at(1) + 1, timeline->height() / 2));
        QCOMPARE(preview->currentIndex(), 1);
    }

    // The preview has the screen's shape, whatever the window's; grey beyond it.
    void screenShape_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("portrait");
        QTest::newRow("landscape") << QSize(1920, 1080) << false;
        QTest::newRow("mounted upright") << QSize(1920, 1080) << true;
        QTest::newRow("4:3") << QSize(1024, 768) << false;
    }
    void screenShape()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, portrait);
        ScreenProfile profile;
        profile.screen = screen;
        profile.portrait = portrait;
        profile.save();
        auto preview = show({shot("red.png", 10000)});
        QVERIFY(preview);
        preview->resize(700, 700);
        QTRY_COMPARE(colourAt(preview->screenArea()), u'R');
        const QRect shown = preview->screenRect();
        const QSize expected = profile.screenSize();
        QVERIFY2(qAbs(double(shown.width()) / shown.height() -
                      double(expected.width()) / expected.height()) < 0.01,
                 qPrintable(QStringLiteral("%1×%2").arg(shown.width()).arg(shown.height())));
        const QImage grabbed = preview->screenArea()->grab().toImage();
        const QPoint outside =
            portrait ? QPoint(2, grabbed.height() / 2) : QPoint(grabbed.width() / 2, 2);
        QCOMPARE(QColor(grabbed.pixel(outside)).name(), str("#303030"));
        ScreenProfile().save();
    }

    // View > Preview plays the table from its selected row.
    void previewFromTheWindow()
    {
        MainWindow window;
        FakeDialogs *dialogs = FakeDialogs::install(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        dialogs->files = {{file("red.png"), file("green.png"), file("yellow.png")}};
        click(window, "pushButtonAdd");
        selectRowIndexes(tableOf(window), {1});
        window.findChild<QAction *>(str("actionPreview"))->trigger();
        auto *preview = window.findChild<PreviewWindow *>();
        QVERIFY(preview);
        QTRY_COMPARE(preview->currentIndex(), 1);
        QTRY_COMPARE(colourAt(preview->screenArea()), u'G');
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
