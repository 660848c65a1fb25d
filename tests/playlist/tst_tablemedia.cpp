#include "playlist/tablemedia.h"
#include "tests/common/fakedialogs.h"

#include <QLabel>
#include <QtTest>

// The total running time under the table and the marks on rows that may not play.
class TestTableMedia : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        // The clip lasts 1.6 s: the total counts it as 2.
        const auto path = [this](const char *name) { return dir.filePath(str(name)); };
        QVERIFY(writeRealMedia(path("a.png")) && writeRealMedia(path("v.mp4")) &&
                writeMedia(path("bad.png")) && writeMedia(path("bad.mp4")));
    }

    void totalAndMarks_data()
    {
        QTest::addColumn<QStringList>("rows"); // "time file"
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("marked"); // per row: x marked, - not
        QTest::addColumn<int>("problems");   // lines the save question would list

        const auto add = [](const char *name, const char *rows, const char *total,
                            const char *marked, int problems) {
            QTest::newRow(name) << str(rows).split(u',') << str(total) << str(marked) << problems;
        };
        add("carries into minutes and hours", "00:00:59 a.png,00:59:02 a.png,23:00:00 a.png",
            "3 items · total 24:00:01", "---", 0);
        add("clip length rounded", "NA v.mp4,00:00:03 a.png", "2 items · total 00:00:05", "--", 0);
        add("clips of unknown length", "NA gone.mp4,NA bad.mp4,00:10:00 a.png",
            "3 items · total 00:10:00 + 2 videos of unknown length", "xx-", 1);
        add("one clip of unknown length", "NA gone.avi",
            "1 item · total 00:00:00 + 1 video of unknown length", "x", 0);
        add("not times count nothing", "00:60:00 a.png,0:00:09 a.png,00:00:00 a.png",
            "3 items · total 00:00:00", "--x", 1);
        add("no image data, listed once", "00:00:01 bad.png,00:00:02 bad.png",
            "2 items · total 00:00:03", "xx", 1);
    }

    void totalAndMarks()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, total);
        QFETCH(QString, marked);
        QFETCH(int, problems);

        QTableWidget table(0, 3);
        QLabel label;
        TableMedia media(&table, &label);
        for (const QString &r : rows)
            appendRow(table, {r.section(u' ', 0, 0), dir.filePath(r.section(u' ', 1)), {}});
        QTRY_COMPARE(label.text(), total);
        QString marks;
        for (int r = 0; r < table.rowCount(); ++r)
            marks += table.item(r, ColumnTime)->icon().isNull() ? u'-' : u'x';
        QCOMPARE(marks, marked);
        QCOMPARE(media.problems().size(), problems);
    }
};

QTEST_MAIN(TestTableMedia)
#include "tst_tablemedia.moc"
