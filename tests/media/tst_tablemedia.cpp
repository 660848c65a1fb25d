#include "media/textslide.h"
#include "playlist/playlisttable.h"
#include "playlist/tablemedia.h"
#include "tests/common/testkit.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

// The table's media column as the user sees it: marks, details, the total,
// and files that change behind the program's back.
class TestTableMedia : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void totals_data();
    void totals();
    void marksAndList();
    void deletedFileMarkedAtOnce();
    void refusalSelectsItsRows();
    void slideDrawsItsText_data();
    void slideDrawsItsText();
    void largerThanTheScreen();

private:
    QString path(const char *name) const { return m_dir->filePath(str(name)); }
    bool writeImage(const char *name, int width, int height) const
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        return image.save(path(name), "PNG");
    }
    void setRows(const PlaylistRows &rows) { setTableRows(*m_table, rows); }
    bool settled() const
    {
        return !m_media->isProbing() && !m_total->text().contains(str("checking"));
    }
    QTableWidgetItem *timeItem(int row) const { return m_table->item(row, ColumnTime); }
    QTableWidgetItem *fileItem(int row) const { return m_table->item(row, ColumnFile); }

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<QTableWidget> m_table;
    QScopedPointer<QLabel> m_total;
    TableMedia *m_media = nullptr;
};

void TestTableMedia::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY2(m_dir->isValid(), qPrintable(m_dir->errorString()));
    m_table.reset(new QTableWidget(0, 3));
    m_total.reset(new QLabel);
    m_media = new TableMedia(m_table.data(), m_total.data(), m_table.data());
    QVERIFY(writeImage("a.png", 64, 48));
    QVERIFY(writeImage("b.png", 32, 32));
}

void TestTableMedia::cleanup()
{
    m_table.reset();
    m_total.reset();
}

void TestTableMedia::totals_data()
{
    QTest::addColumn<QStringList>("times"); // each row plays a.png, "NA" a missing video
    QTest::addColumn<QString>("expected");
    const auto add = [](const char *name, const QStringList &times, const char *expected) {
        QTest::newRow(name) << times << str(expected);
    };
    // Seconds carry into minutes and hours, and hours past a day.
    add("past a day", {str("23:59:59"), str("23:59:59")}, "2 items · total 47:59:58");
    add("a video of unknown length", {str("00:00:05"), str("NA")},
        "2 items · total 00:00:05 + 1 video of unknown length");
    add("two of them", {str("NA"), str("00:01:00"), str("NA")},
        "3 items · total 00:01:00 + 2 videos of unknown length");
}

void TestTableMedia::totals()
{
    QFETCH(QStringList, times);
    QFETCH(QString, expected);
    PlaylistRows rows;
    for (const QString &time : times)
        rows.append({time, time == str("NA") ? path("gone.mp4") : path("a.png"), str("Zoom")});
    setRows(rows);
    QTRY_VERIFY_WITH_TIMEOUT(settled() && m_total->text() == expected, 5000);
}

void TestTableMedia::marksAndList()
{
    QVERIFY(writeBytes(path("fake.jpg"), "no picture\n"));
    setRows({row("00:00:04", path("a.png")), row("00:00:04", path("fake.jpg")),
             row("00:00:00", path("b.png")), row("00:00:04", path("gone.png"))});
    QTRY_VERIFY_WITH_TIMEOUT(settled() && !fileItem(0)->icon().isNull(), 5000);
    QVERIFY(timeItem(0)->icon().isNull() && fileItem(0)->toolTip().contains(str("64 × 48")));
    for (const int marked : {1, 2, 3}) {
        QVERIFY2(!timeItem(marked)->icon().isNull(), qPrintable(QString::number(marked)));
        QVERIFY(timeItem(marked)->toolTip().contains(str("May not play: ")));
    }
    // A file missing from the disk is the save's own refusal, not a question.
    const QStringList problems = m_media->problems();
    QCOMPARE(problems.size(), 2);
    QVERIFY(problems.at(0).startsWith(path("fake.jpg") + str(": ")));
    QVERIFY_CONTAINS(problems.at(0), str("not an image"));
    QCOMPARE(problems.at(1),
             path("b.png") + str(": an image with the time 00:00:00 is never shown"));
}

// A photo larger than the screen is marked, more mildly than one that may not
// play, and offered for fitting; a larger screen takes the mark away.
void TestTableMedia::largerThanTheScreen()
{
    QVERIFY(writeImage("big.png", 2560, 1440));
    QVERIFY(writeBytes(path("fake.jpg"), "no picture\n"));
    m_media->setProfile(ScreenProfile());
    setRows({row("00:00:04", path("big.png")), row("00:00:04", path("fake.jpg")),
             row("00:00:04", path("a.png"))});
    QTRY_VERIFY_WITH_TIMEOUT(settled() && !timeItem(1)->icon().isNull(), 5000);
    QVERIFY(!timeItem(0)->icon().isNull() && timeItem(2)->icon().isNull());
    QVERIFY(timeItem(0)->icon().cacheKey() != timeItem(1)->icon().cacheKey());
    QVERIFY_CONTAINS(timeItem(0)->toolTip(),
                     str("Exceeds this screen and player: 2560×1440 photo: the screen shows "
                         "1920×1080"));
    QCOMPARE(m_media->exceeding().size(), 1);
    QCOMPARE(m_media->exceeding().value(0).file, path("big.png"));
    QCOMPARE(m_media->problems().size(), 1);

    m_media->setProfile(ScreenProfile::presets().constLast()); // a 4K screen
    QVERIFY(timeItem(0)->icon().isNull() && timeItem(0)->toolTip().isEmpty());
    QVERIFY(m_media->exceeding().isEmpty());
}

// Deleted, back, replaced, written in place: the row shows it without a save.
void TestTableMedia::deletedFileMarkedAtOnce()
{
    setRows({row("00:00:04", path("a.png")), row("00:00:04", path("b.png"))});
    QTRY_VERIFY_WITH_TIMEOUT(settled() && !fileItem(0)->icon().isNull(), 5000);
    // No save, no click: the folder's watcher sees it.
    QVERIFY(QFile::remove(path("a.png")));
    QTRY_VERIFY_WITH_TIMEOUT(!timeItem(0)->icon().isNull(), 2000);
    QVERIFY_CONTAINS(fileItem(0)->toolTip(), str("does not exist"));
    QVERIFY(fileItem(0)->icon().isNull()); // its old picture is gone with it

    // Back again: the mark goes.
    QVERIFY(writeImage("a.png", 64, 48));
    QTRY_VERIFY_WITH_TIMEOUT(timeItem(0)->icon().isNull() && !fileItem(0)->icon().isNull(), 2000);
    QVERIFY(fileItem(0)->toolTip().contains(str("64 × 48")));

    // Replaced as programs save: a new file renamed over the old one.
    QVERIFY(writeImage("new.png", 200, 100));
    QVERIFY(::rename(QFile::encodeName(path("new.png")).constData(),
                     QFile::encodeName(path("a.png")).constData()) == 0);
    QTRY_VERIFY_WITH_TIMEOUT(fileItem(0)->toolTip().contains(str("200 × 100")), 2000);

    // Written in place, the folder hears nothing: a look again finds it.
    QByteArray small;
    QBuffer buffer(&small);
    QVERIFY(buffer.open(QIODevice::WriteOnly) &&
            QImage(10, 10, QImage::Format_RGB32).save(&buffer, "PNG"));
    QTest::qWait(300);                         // the watcher has looked, and will hear nothing more
    QVERIFY(writeBytes(path("a.png"), small)); // same inode, other bytes
    m_media->recheck();
    QTRY_VERIFY_WITH_TIMEOUT(fileItem(0)->toolTip().contains(str("10 × 10")), 2000);
}

void TestTableMedia::refusalSelectsItsRows()
{
    setRows({row("00:00:04", path("a.png")), row("00:00:04", path("b.png")),
             row("00:00:04", path("a.png"))});
    QCOMPARE(m_media->selectRowsOf({path("a.png"), path("gone.png")}), 2);
    QCOMPARE(selectedRowIndexes(*m_table), (QVector<int>{0, 2}));
}

void TestTableMedia::slideDrawsItsText_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<bool>("photo"); // over a background picture
    QTest::newRow("headline and lines, landscape")
        << int(SlideSource::Layout::HeadlineAndLines) << QSize(1920, 1080) << str("Fresh bread")
        << false;
    QTest::newRow("notice over a photo, portrait screen")
        << int(SlideSource::Layout::Notice) << QSize(1080, 1920) << str("Closed today") << true;
    // Far too long for one line, one word wider than the slide: wrapped and shrunk.
    QTest::newRow("price, long headline")
        << int(SlideSource::Layout::Price) << QSize(1280, 720)
        << str("Everything must go: WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW clearance this week only")
        << false;
}

void TestTableMedia::slideDrawsItsText()
{
    QFETCH(int, layout);
    QFETCH(QSize, screen);
    QFETCH(QString, headline);
    QFETCH(bool, photo);
    SlideSource source;
    if (photo) {
        QVERIFY(writeImage("photo.png", 1600, 1200));
        source.picture = path("photo.png");
    }
    source.layout = SlideSource::Layout(layout);
    source.headline = headline;
    source.lines = QStringList{str("Open 8 to 18")};
    source.price = str("2.50 €");
    source.background = QColor(0, 0, 96);
    source.text = QColor(255, 255, 0);
    source.fontFamily = str("DejaVu Serif");
    QString made;
    QString error;
    QVERIFY2(writeSlide(source, screen, &made, &error), qPrintable(error));
    const QImage image(made);
    QCOMPARE(image.size(), screen);
    // Over a photo JPEG, whose cyan shows through the veil; else PNG.
    QCOMPARE(made.endsWith(str(".jpg")), photo);
    QCOMPARE(qGreen(image.pixel(3, 3)) > 40, photo);

    // Text-coloured pixels in the headline's part (the top fifth of the
    // slide's inner area), and nothing runs over that area.
    const int margin = qMin(screen.width(), screen.height()) * 7 / 100;
    const auto textPixels = [&image](const QRect &area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += qRed(image.pixel(x, y)) > 200 && qBlue(image.pixel(x, y)) < 80;
        return count;
    };
    const QRect inner = image.rect().adjusted(margin, margin, -margin, -margin);
    const int headlineBottom = inner.top() + inner.height() * (layout == 2 ? 3 : 1) / 5;
    QVERIFY(textPixels(QRect(inner.topLeft(), QPoint(inner.right(), headlineBottom))) > 500);
    // Text cut off at the inner area's edge would touch it: all of it lies within.
    QCOMPARE(textPixels(image.rect()), textPixels(inner.adjusted(2, 2, -2, -2)));

    // In the chosen font: another one draws other pixels.
    SlideSource sans = source;
    sans.fontFamily = str("DejaVu Sans");
    QVERIFY(renderSlide(sans, screen, {}) != renderSlide(source, screen, {}));

    // Its source is found again, by the image's path or its stored name.
    SlideSource found;
    QVERIFY(findSlideSource(QLatin1Char('/') + QFileInfo(made).fileName(), &found));
    QCOMPARE(found, source);
    QVERIFY(!findSlideSource(path("a.png"), &found));
}

QTEST_MAIN(TestTableMedia)
#include "tst_tablemedia.moc"
