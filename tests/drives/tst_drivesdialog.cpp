// The "Write to Drives" dialog with the stand-in drive service that
// drivebed.py starts: it lists the drives, writes to three at once, reads
// back, ejects, and says "Safe to remove" for each.

#include "app/drivesdialog.h"
#include "app/mainwindow.h"
#include "archive/packagearchive.h"
#include "tests/common/testkit.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QVariantList callService(const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.UDisks2"), QStringLiteral("/org/freedesktop/UDisks2"),
        QStringLiteral("org.merovi.DriveServiceTest"), method);
    call.setArguments(arguments);
    return QDBusConnection::systemBus().call(call).arguments();
}

} // namespace

class TestDrivesDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesVerifiesAndEjectsThree();
    void windowOffersTheCommand();

private:
    QTemporaryDir m_work;
    QString m_package;
    QStringList m_sticks;
};

void TestDrivesDialog::initTestCase()
{
    const QJsonObject bed = QJsonDocument::fromJson(qgetenv("MEROVI_DRIVEBED")).object();
    if (bed.isEmpty())
        QSKIP("Run through tests/drives/drivebed.py: it starts the bus and the drive service.");
    QVERIFY2(m_work.isValid(), qPrintable(m_work.errorString()));
    for (const QJsonValue &value : bed.value(QLatin1String("drives")).toArray()) {
        const QJsonObject drive = value.toObject();
        const QString name = drive.value(QLatin1String("name")).toString();
        if (!name.startsWith(QLatin1String("stick")))
            continue;
        m_sticks.append(drive.value(QLatin1String("path")).toString());
        callService(QStringLiteral("AddDrive"),
                    {name, m_sticks.constLast(), QStringLiteral("exfat"),
                     QStringLiteral("SHOP %1").arg(m_sticks.size()),
                     QVariant::fromValue(quint64(16) << 30)});
    }
    QCOMPARE(m_sticks.size(), 3);
    const QString clip = m_work.filePath(QStringLiteral("clip.mp4"));
    QVERIFY(writeBytes(clip, randomBytes(3'000'000, 7)));
    m_package = m_work.filePath(QStringLiteral("spring.mrv"));
    PackageArchive archive(m_package);
    QVERIFY(archive.write({PackageEntry::file(QStringLiteral("clip.mp4"), clip),
                           PackageEntry::memory(documentEntryName(), "{}")}));
    // One stick holds last season's package already.
    QVERIFY(QFile::copy(m_package, m_sticks.at(2) + QStringLiteral("/autumn.mrv")));
}

void TestDrivesDialog::writesVerifiesAndEjectsThree()
{
    DrivesDialog dialog(m_package);
    dialog.show();
    QCOMPARE(dialog.drives().size(), 3);
    auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("tableDrives"));
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("SHOP 1"));
    QCOMPARE(table->item(2, 5)->text(), QStringLiteral("autumn.mrv"));

    auto *write = dialog.findChild<QPushButton *>(QStringLiteral("pushButtonWrite"));
    QVERIFY(!write->isEnabled());
    for (int row = 0; row < 3; ++row)
        dialog.setChecked(row, true);
    QVERIFY(write->isEnabled());
    dialog.setEjectWhenDone(true);
    QSignalSpy finished(&dialog, &DrivesDialog::writingFinished);
    write->click();
    QVERIFY(dialog.isWriting());
    QVERIFY(finished.wait(60000));

    for (int row = 0; row < 3; ++row) {
        QCOMPARE(table->item(row, 7)->text(), QStringLiteral("Safe to remove"));
        QVERIFY(QFileInfo(m_sticks.at(row) + QStringLiteral("/spring.mrv")).isFile());
    }
    auto *status = dialog.findChild<QLabel *>(QStringLiteral("labelDrivesStatus"));
    QCOMPARE(status->text(), QStringLiteral("3 of 3 drives done."));
    QStringList calls = callService(QStringLiteral("TakeCalls")).value(0).toStringList();
    calls.sort();
    QCOMPARE(calls,
             (QStringList{QStringLiteral("PowerOff stick1"), QStringLiteral("PowerOff stick2"),
                          QStringLiteral("PowerOff stick3"), QStringLiteral("Unmount stick1"),
                          QStringLiteral("Unmount stick2"), QStringLiteral("Unmount stick3")}));

    // For the README: the dialog and its result table, as the virtual display shows them.
    const QString shot = qEnvironmentVariable("MEROVI_DRIVES_SCREENSHOT");
    if (!shot.isEmpty()) {
        dialog.raise();
        QTest::qWait(500);
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), shot});
    }
}

void TestDrivesDialog::windowOffersTheCommand()
{
    MainWindow window;
    auto *button = window.findChild<QPushButton *>(QStringLiteral("pushButtonWriteToDrives"));
    QVERIFY(button);
    auto *action = window.findChild<QAction *>(QStringLiteral("actionWriteToDrives"));
    QVERIFY(action);
    QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
}

QTEST_MAIN(TestDrivesDialog)
#include "tst_drivesdialog.moc"
