#include "archive/inplaceupdate.h"
#include "archive/packagearchive.h"
#include "archive/packagelayout.h"
#include "archive/platformfile.h"
#include "drives/drivesync.h"
#include "jobs/jobcontrol.h"
#include "tests/common/testkit.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <thread>

#include <cstdio>

#include <zlib.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <unistd.h>

using Platform::Step;
Q_DECLARE_METATYPE(Platform::Step)

namespace {

// The fault the seam injects: the failing-th step of kind failing (counted
// from 1) fails with failWith; with powerCut, every step from it on fails,
// as if the machine stopped there.
Step failing = Step::Read;
int failingAt = 0;
bool powerCut = false;
int counted = 0;
bool cut = false;
bool noLocks = false; // as on a file system without locks
QByteArray watched;   // the folder whose files count; the media and the rest are free

// The steps taken in order, each with the file's name (".journal" for the journal).
QStringList steps;

int stepHook(Step step, const QByteArray &path)
{
    if (noLocks && step == Step::Lock)
        return ENOLCK;
    if (!path.startsWith(watched) || step == Step::Read || cut)
        return cut ? EIO : 0;
    steps << QStringLiteral("%1 %2").arg(int(step)).arg(
        QString::fromUtf8(path.mid(path.lastIndexOf('.'))));
    if (step != failing || ++counted != failingAt)
        return 0;
    cut = powerCut;
    return EIO;
}

void resetHook()
{
    failingAt = 0;
    counted = 0;
    cut = false;
    powerCut = false;
    noLocks = false;
}

QStringList journals(const QString &dir)
{
    return QDir(dir).entryList({str(".mrv-*.journal")}, QDir::Hidden | QDir::Files);
}

// One kind of update: what it removes and what it adds (file names in the
// media folder, or "json.txt" for the new document).
struct Change
{
    QStringList removed;
    QStringList added;
};

Change change(const char *removed, const char *added)
{
    return {str(removed).split(QLatin1Char(' '), Qt::SkipEmptyParts),
            str(added).split(QLatin1Char(' '), Qt::SkipEmptyParts)};
}

struct Fixture
{
    Fixture() { watched = QFile::encodeName(dir.path()); }
    QString media(const QString &name) const { return dir.filePath(str("m/") + name); }
    // Four clips a.mp4 to d.mp4 and the document, as a new save writes them.
    bool make(int clipSize = 200000)
    {
        QVector<PackageEntry> entries;
        for (quint32 seed = 1; seed <= 4; ++seed) {
            const QString name = QLatin1Char(char('a' + seed - 1)) + str(".mp4");
            expected.insert(name, randomBytes(clipSize + int(seed), seed));
            if (!writeBytes(media(name), expected.value(name)))
                return false;
            entries << PackageEntry::file(name, media(name));
        }
        expected.insert(str("json.txt"), "{\"old\": true}");
        entries << PackageEntry::memory(str("json.txt"), "{\"old\": true}");
        return PackageArchive(package).write(entries) && !(oldBytes = fileBytes(package)).isEmpty();
    }
    // Applies change to the archive; expected becomes the new package's entries.
    bool update(PackageArchive &archive, const Change &change, JobControl *control = nullptr)
    {
        newExpected = expected;
        for (const QString &name : change.removed)
            newExpected.remove(name);
        QVector<PackageEntry> additions;
        for (const QString &name : change.added) {
            const bool document = name == str("json.txt");
            if (!document && !QFileInfo::exists(media(name)) &&
                !writeBytes(media(name), randomBytes(150000, quint32(qHash(name)))))
                return false;
            newExpected.insert(name,
                               document ? QByteArray("{\"new\": \"é\"}") : fileBytes(media(name)));
            additions << (document ? PackageEntry::memory(name, newExpected.value(name))
                                   : PackageEntry::file(name, media(name)));
        }
        return archive.update(change.removed, additions, {}, control);
    }

    QTemporaryDir dir{QDir::tempPath() + str("/s-XXXXXX")};
    QString package = dir.filePath(str("show.mrv"));
    QByteArray oldBytes;
    ZipEntries expected, newExpected;
};

} // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Recovery::Outcome)

class TestInPlaceUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void kinds_data();
    void kinds();
    void faultSweep_data();
    void faultSweep();
    void cancelRollsBack();
    void withoutLocksOrCut_data();
    void withoutLocksOrCut();
    void hostileJournals_data();
    void hostileJournals();
    void readerWaitsForUpdate();
    void nearlyFullDrive();
    void beyondFourGigabytes();
};

void TestInPlaceUpdate::initTestCase()
{
    // The other readers must be able to write names beyond ASCII.
    qputenv("LC_ALL", "C.UTF-8");
}

void TestInPlaceUpdate::init()
{
    Platform::setStepHook(stepHook);
    resetHook();
}

void TestInPlaceUpdate::kinds_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("chosen"); // the way taken unless one is asked for
    QTest::newRow("document only") << change("json.txt", "json.txt") << true;
    QTest::newRow("add a clip") << change("json.txt", "e.mp4 json.txt") << true;
    // The rest of the package would be journaled and moved: a copy writes less.
    QTest::newRow("remove two from the middle, add one")
        << change("b.mp4 c.mp4 json.txt", "e.mp4 json.txt") << false;
    QTest::newRow("remove the first clip") << change("a.mp4 json.txt", "json.txt") << false;
    QTest::newRow("remove the last clip") << change("d.mp4 json.txt", "json.txt") << true;
    QTest::newRow("replace a clip by its namesake")
        << change("json.txt", "b.mp4 json.txt") << false;
    QTest::newRow("add a name beyond ASCII") << change("json.txt", "été.mp4 json.txt") << true;
    QTest::newRow("remove everything") << change("a.mp4 b.mp4 c.mp4 d.mp4 json.txt", "") << true;
}

// Each kind, in place: every reader sees the same names and bytes, the layout
// check accepts it, and its size is that of a fresh write of its entries.
void TestInPlaceUpdate::kinds()
{
    QFETCH(Change, change);
    QFETCH(bool, chosen);
    Fixture f;
    QVERIFY(f.make());
    if (change.added.contains(str("b.mp4")))
        QVERIFY(writeBytes(f.media(str("b.mp4")), randomBytes(99999, 77)));
    PackageArchive automatic(f.package);
    QVERIFY(f.update(automatic, change) && readZip(f.package) == f.newExpected);
    QCOMPARE(automatic.updatedInPlace(), chosen);
    QVERIFY(writeBytes(f.package, f.oldBytes));
    PackageArchive archive(f.package);
    archive.setUpdateWay(PackageArchive::UpdateWay::InPlace);
    steps.clear();
    QVERIFY(f.update(archive, change));
    QVERIFY(archive.updatedInPlace());
    // The journal and its folder are on the disk before the package's first byte changes.
    const int firstWrite = steps.indexOf(QStringLiteral("%1 .mrv").arg(int(Step::Write)));
    const int journalSynced =
        steps.indexOf(QStringLiteral("%1 .journal").arg(int(Step::JournalSync)));
    const int folderSynced = steps.indexOf(
        QRegularExpression(QStringLiteral("%1 .*").arg(int(Step::SyncFolder))), journalSynced);
    QVERIFY(journalSynced >= 0 && folderSynced > journalSynced && firstWrite > folderSynced);
    // Marked complete only once the new bytes are on the disk.
    const int packageSynced =
        steps.indexOf(QStringLiteral("%1 .mrv").arg(int(Step::SyncFile)), firstWrite);
    const int marked =
        steps.indexOf(QStringLiteral("%1 .journal").arg(int(Step::JournalWrite)), firstWrite);
    QVERIFY(packageSynced > firstWrite && marked > packageSynced);
    QStringList order;
    QVERIFY(readZip(f.package, nullptr, &order) == f.newExpected);
    QString error;
    QVERIFY(checkPackageLayout(QFile::encodeName(f.package), nullptr, &error));

    // A fresh write of the same entries in the same order is as long.
    QVector<PackageEntry> fresh;
    for (const QString &name : qAsConst(order))
        fresh << (name == str("json.txt") ? PackageEntry::memory(name, f.newExpected.value(name))
                                          : PackageEntry::file(name, f.media(name)));
    QVERIFY(PackageArchive(f.dir.filePath(str("fresh.mrv"))).write(fresh));
    QCOMPARE(QFileInfo(f.package).size(), QFileInfo(f.dir.filePath(str("fresh.mrv"))).size());

    // Other readers, streaming ones included, extract the same names and bytes
    // ($0 the package, $1 the folder; unzip calls a package without entries empty).
    for (const char *command :
         {"python3 -c 'import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); "
          "assert z.testzip() is None; z.extractall(sys.argv[2])' \"$0\" \"$1\"",
          "[ ! -s \"$0\" ] || [ $(stat -c %s \"$0\") = 22 ] || unzip -qo \"$0\" -d \"$1\"",
          "bsdtar -xf \"$0\" -C \"$1\"", "7z x -y -o\"$1\" \"$0\" > /dev/null"}) {
        const QString out = f.dir.filePath(str("x"));
        QVERIFY(QDir(out).removeRecursively() && QDir().mkpath(out));
        QVERIFY2(runProgram(str("sh"), {str("-c"), str(command), f.package, out}) != "failed",
                 command);
        ZipEntries got;
        for (const QString &name : QDir(out).entryList(QDir::Files | QDir::Hidden))
            got.insert(name, fileBytes(out + QLatin1Char('/') + name));
        QVERIFY2(got == f.newExpected, command);
    }
}

void TestInPlaceUpdate::faultSweep_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("powerCut");
    for (const bool cut : {false, true}) {
        const char *how = cut ? "power cut" : "one fault";
        QTest::addRow("%s, document only", how) << change("json.txt", "json.txt") << cut;
        QTest::addRow("%s, add a clip", how) << change("json.txt", "e.mp4 json.txt") << cut;
        QTest::addRow("%s, remove from the middle, add", how)
            << change("b.mp4 json.txt", "e.mp4 json.txt") << cut;
        QTest::addRow("%s, remove the last clip", how)
            << change("d.mp4 json.txt", "json.txt") << cut;
    }
}

// Every write, sync, truncate and journal step of each kind fails once in
// turn (or, as after a pulled stick, with everything after it): the package
// is then the old one byte for byte at once, or after the next call has
// looked at it; the new one only when the update got past its last step.
void TestInPlaceUpdate::faultSweep()
{
    QFETCH(Change, change);
    QFETCH(bool, powerCut);
    Fixture f;
    QVERIFY(f.make(60000));
    const QByteArray pristine = f.oldBytes;
    int faults = 0, keptOld = 0, keptNew = 0;
    for (const Step step :
         {Step::Write, Step::SyncFile, Step::Truncate, Step::JournalWrite, Step::JournalSync,
          Step::JournalRemove, Step::OpenFolder, Step::SyncFolder}) {
        for (int at = 1;; ++at) {
            QVERIFY(writeBytes(f.package, pristine));
            resetHook();
            failing = step;
            failingAt = at;
            ::powerCut = powerCut;
            PackageArchive archive(f.package);
            archive.setUpdateWay(PackageArchive::UpdateWay::InPlace);
            const bool saved = f.update(archive, change);
            const bool injected = counted >= at;
            resetHook();
            const QByteArray afterUpdate = fileBytes(f.package);
            const QString tag = QStringLiteral("step %1 #%2").arg(int(step)).arg(at);
            if (!injected) {
                QVERIFY2(saved && readZip(f.package) == f.newExpected, qPrintable(tag));
                break;
            }
            ++faults;
            if (!saved && !powerCut)
                QVERIFY2(archive.errorString().startsWith(str("Cannot save")), qPrintable(tag));
            // What the next look at the package finds.
            PackageArchive next(f.package);
            QStringList names;
            QVERIFY2(next.entryNames(&names), qPrintable(tag + next.errorString()));
            const QByteArray now = fileBytes(f.package);
            const bool old = now == pristine;
            const bool complete = readZip(f.package) == f.newExpected;
            QVERIFY2(old || complete, qPrintable(tag));
            (old ? keptOld : keptNew) += 1;
            // Reported saved: it must be the new one; failed and not cut: the old one now.
            QVERIFY2(!saved || complete, qPrintable(tag));
            // A single fault is rolled back at once, before the call returns.
            QVERIFY2(saved || powerCut || afterUpdate == pristine, qPrintable(tag));
            QVERIFY2(journals(f.dir.path()).isEmpty(), qPrintable(tag));
        }
    }
    QVERIFY(faults > 10);
    qInfo("%d faults: %d left the old package, %d the new", faults, keptOld, keptNew);
}

void TestInPlaceUpdate::cancelRollsBack()
{
    Fixture f;
    QVERIFY(f.make(3 * 1024 * 1024));
    JobControl *control = nullptr;
    JobControl job([&](const JobProgress &progress) {
        if (progress.done > 1024 * 1024)
            control->requestCancel();
    });
    control = &job;
    PackageArchive archive(f.package);
    archive.setUpdateWay(PackageArchive::UpdateWay::InPlace);
    const PackageIdentity before = archive.identity();
    QTest::qWait(20); // a new time would differ
    QVERIFY(!f.update(archive, change("b.mp4 json.txt", "json.txt"), &job));
    QCOMPARE(archive.failure(), PackageArchive::Failure::Cancelled);
    QCOMPARE(fileBytes(f.package), f.oldBytes);
    // Rolled back, the package is the one its window opened: the next save does not ask.
    QVERIFY(archive.identity() == before);
    QVERIFY(journals(f.dir.path()).isEmpty());
}

void TestInPlaceUpdate::withoutLocksOrCut_data()
{
    // Step::Lock: the drive has no locks. Else the power is cut at the at-th
    // step of that kind (0: the last), and the next open finds the old
    // package or the complete new one.
    QTest::addColumn<bool>("update"); // else a drive's sync
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("at");
    QTest::addColumn<bool>("becomesNew");
    QTest::newRow("update in place asked, no locks") << true << Step::Lock << 0 << true;
    QTest::newRow("sync, no locks: left to a whole copy") << false << Step::Lock << 0 << false;
    QTest::newRow("sync cut, first write") << false << Step::Write << 1 << false;
    QTest::newRow("sync cut, last write") << false << Step::Write << 0 << false;
    QTest::newRow("sync cut, syncing the package") << false << Step::SyncFile << 1 << false;
    QTest::newRow("sync cut, marking complete") << false << Step::JournalWrite << 0 << false;
    QTest::newRow("sync cut, shortening") << false << Step::Truncate << 1 << true;
    QTest::newRow("sync cut, removing the journal") << false << Step::JournalRemove << 1 << true;
}

// Without locks a journal cannot be told from a live writer's: none is
// written, and the next writer finds nothing to roll back. A sync onto a
// stick cut off midway: old or complete new, byte for byte, no journal left.
void TestInPlaceUpdate::withoutLocksOrCut()
{
    QFETCH(bool, update);
    QFETCH(Step, step);
    QFETCH(int, at);
    QFETCH(bool, becomesNew);
    Fixture f;
    QVERIFY(f.make(1500000)); // past one write piece: the first and last write differ
    const QString source = f.dir.filePath(str("new.mrv"));
    PackageArchive newer(f.package);
    QVERIFY(f.update(newer, change("a.mp4 json.txt", "json.txt")));
    const QByteArray newBytes = fileBytes(f.package);
    QVERIFY(QFile::rename(f.package, source) && writeBytes(f.package, f.oldBytes));
    steps.clear();
    if (step == Step::Lock) {
        noLocks = true;
    } else {
        QCOMPARE(int(syncPackage(source, f.package, nullptr).status),
                 int(PackageSync::Status::Done));
        const QString kind = QString::number(int(step)) + QLatin1Char(' ');
        QVERIFY(writeBytes(f.package, f.oldBytes));
        failingAt =
            at > 0 ? at : int(std::count_if(steps.cbegin(), steps.cend(), [&](const QString &s) {
                return s.startsWith(kind);
            }));
        QVERIFY(failingAt > (step == Step::Write && at == 0 ? 1 : 0));
        failing = step;
        counted = 0;
        powerCut = true;
    }
    steps.clear();
    if (update) {
        PackageArchive archive(f.package);
        archive.setUpdateWay(PackageArchive::UpdateWay::InPlace);
        QVERIFY(f.update(archive, change("a.mp4 json.txt", "json.txt")));
        QVERIFY(!archive.updatedInPlace());
    } else {
        const PackageSync sync = syncPackage(source, f.package, nullptr);
        QVERIFY(!sync.isDone() || becomesNew);
        QVERIFY(step != Step::Lock || sync.copyWhole);
    }
    if (noLocks)
        QVERIFY(steps.filter(str(".journal")).isEmpty());
    QVERIFY(step == Step::Lock || counted >= failingAt);
    powerCut = false;
    cut = false;
    QStringList names;
    PackageArchive next(f.package); // without locks still, for those rows
    QVERIFY(next.entryNames(&names));
    resetHook();
    if (!becomesNew)
        QCOMPARE(fileBytes(f.package), f.oldBytes);
    QVERIFY(!becomesNew || readZip(f.package) == f.newExpected);
    QVERIFY(update || !becomesNew || fileBytes(f.package) == newBytes);
    QVERIFY(journals(f.dir.path()).isEmpty());
}

namespace {

// Sets the 64-bit field at offset of a journal and signs its header again.
void setField(QByteArray &journal, int offset, quint64 value)
{
    qToLittleEndian(value, journal.data() + offset);
    const int headerLength = qFromLittleEndian<qint32>(journal.constData() + 8);
    const quint32 crc = quint32(
        crc32(0, reinterpret_cast<const Bytef *>(journal.constData()), uInt(headerLength - 4)));
    qToLittleEndian(crc, journal.data() + headerLength - 4);
}

QByteArray lastReport;

} // namespace

void TestInPlaceUpdate::hostileJournals_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<Recovery::Outcome>("outcome");
    QTest::addColumn<bool>("readable"); // whether reading the package still works
    const auto kept = Recovery::Outcome::Kept;
    const auto damaged = Recovery::Outcome::Damaged;
    QTest::newRow("package a relative link") << str("relative link") << kept << true;
    QTest::newRow("package an absolute link") << str("absolute link") << kept << true;
    QTest::newRow("another program appended") << str("append") << kept << true;
    QTest::newRow("another program rewrote it") << str("rewrite") << kept << true;
    QTest::newRow("same size, other bytes") << str("flip package") << kept << true;
    QTest::newRow("locks fail: the writer may live") << str("no locks") << kept << true;
    QTest::newRow("absurd new length") << str("length 2^63") << damaged << false;
    QTest::newRow("zero first offset, right header checksum") << str("from 0") << damaged << false;
    QTest::newRow("complete, new length 0") << str("complete 0") << damaged << false;
    QTest::newRow("saved bytes damaged, header intact") << str("flip saved") << damaged << false;
    QTest::newRow("journal cut short") << str("truncate") << damaged << false;
    QTest::newRow("this program's own update, running")
        << str("own lock") << Recovery::Outcome::None << true;
    QTest::newRow("complete mark half written")
        << str("half mark") << Recovery::Outcome::RolledBack << true;
}

// A journal left by a cut update, then made hostile: recovery writes nothing
// (the package, a link's target and the journal keep their bytes) and says
// so; only a genuine half-written mark rolls back.
void TestInPlaceUpdate::hostileJournals()
{
    QFETCH(QString, how);
    QFETCH(Recovery::Outcome, outcome);
    QFETCH(bool, readable);
    Fixture f;
    QVERIFY(f.make(50000));
    resetHook();
    failing = Step::SyncFile;
    failingAt = 1;
    powerCut = true;
    PackageArchive cut(f.package);
    cut.setUpdateWay(PackageArchive::UpdateWay::InPlace);
    QVERIFY(!f.update(cut, change("json.txt", "e.mp4 json.txt")));
    resetHook();
    const QString journalPath = f.dir.filePath(journals(f.dir.path()).value(0));
    QByteArray journal = fileBytes(journalPath);
    QVERIFY(journal.startsWith("MRVJRNL1"));
    const int fields = 14 + qFromLittleEndian<quint16>(journal.constData() + 12);
    QString path = f.package;
    Platform::File running;
    bool unsupported = false;
    if (how == str("own lock")) {
        QVERIFY(running.openOwn(QFile::encodeName(f.package), true) && running.lock(&unsupported));
    } else if (how.endsWith(str("link"))) {
        // The package moves elsewhere; a link of its name points at it.
        const QString target = f.dir.filePath(str("elsewhere/show.mrv"));
        QVERIFY(QDir().mkpath(f.dir.filePath(str("elsewhere"))) &&
                QFile::rename(f.package, target));
        QVERIFY(QFile::link(how.startsWith(str("relative")) ? str("elsewhere/show.mrv") : target,
                            f.package));
        path = target;
    } else if (how == str("append")) {
        QFile file(f.package);
        QVERIFY(file.open(QIODevice::Append) && file.write("PK\5\6 other") > 0);
    } else if (how == str("rewrite")) {
        // The same bytes, but another file renamed over it.
        QVERIFY(writeBytes(f.package + str(".new"), fileBytes(f.package)) &&
                std::rename(qPrintable(f.package + str(".new")), qPrintable(f.package)) == 0);
    } else if (how == str("flip package")) {
        QByteArray bytes = fileBytes(f.package);
        bytes[bytes.size() - 2000] = char(bytes.at(bytes.size() - 2000) ^ 1); // in e.mp4
        QVERIFY(writeBytes(f.package, bytes));
    } else if (how == str("no locks")) {
        Platform::setStepHook(
            [](Step step, const QByteArray &) { return step == Step::Lock ? ENOLCK : 0; });
    } else if (how == str("length 2^63")) {
        setField(journal, fields + 8, quint64(1) << 63);
    } else if (how == str("from 0")) {
        setField(journal, fields + 16, 0);
    } else if (how == str("complete 0")) {
        setField(journal, fields + 8, 0);
        journal.replace(journal.size() - 8, 8, "COMPLETE");
    } else if (how == str("flip saved")) {
        journal[journal.size() - 20] = char(journal.at(journal.size() - 20) ^ 0x10);
    } else if (how == str("truncate")) {
        journal.chop(100);
    } else if (how == str("half mark")) {
        journal.replace(journal.size() - 8, 4, "COMP");
    }
    QVERIFY(journal == fileBytes(journalPath) || writeBytes(journalPath, journal));
    const QByteArray before = fileBytes(path);

    lastReport.clear();
    setRecoveryReporter([](const QString &message) { lastReport = message.toUtf8(); });
    const Recovery recovery = recoverPackage(QFile::encodeName(f.package));
    setRecoveryReporter(nullptr);
    QCOMPARE(recovery.outcome, outcome);
    // Kept or damaged, the journal stays: a failure, said as one.
    QCOMPARE(recovery.isDone(),
             outcome == Recovery::Outcome::None || outcome == Recovery::Outcome::RolledBack);
    QCOMPARE(recovery.error.isEmpty(), recovery.isDone());
    QCOMPARE(QString::fromUtf8(lastReport), recovery.text());
    QVERIFY(recovery.text().contains(str("“%1”").arg(f.package)) ||
            outcome == Recovery::Outcome::None);
    PackageArchive reading(f.package);
    QStringList names;
    QCOMPARE(reading.entryNames(&names), readable);
    Platform::setStepHook(stepHook);
    if (outcome == Recovery::Outcome::RolledBack) {
        QCOMPARE(fileBytes(f.package), f.oldBytes);
        QVERIFY(journals(f.dir.path()).isEmpty());
        return;
    }
    QVERIFY(recovery.text().contains(journalPath) || outcome == Recovery::Outcome::None);
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(fileBytes(journalPath), journal);
    // Another update's kept journal is never written over: the update goes by a copy.
    if (how == str("rewrite") || how == str("flip package")) {
        PackageArchive updating(f.package);
        QVERIFY(f.update(updating, change("json.txt", "json.txt")) && !updating.updatedInPlace());
        QCOMPARE(fileBytes(journalPath), journal);
    }
    // Nor does a save write over half an update.
    if (!readable) {
        PackageArchive saving(f.package);
        saving.setUpdateWay(PackageArchive::UpdateWay::Rewrite);
        QVERIFY(!f.update(saving, change("json.txt", "json.txt")));
        QCOMPARE(fileBytes(path), before);
    }
}

// A reader that comes while an update holds the package waits, says so,
// then reads what the update left.
void TestInPlaceUpdate::readerWaitsForUpdate()
{
    Fixture f;
    QVERIFY(f.make(50000));
    // Another program's lock: its own descriptor, unknown to this program's files.
    const int writer = ::open(QFile::encodeName(f.package).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(writer >= 0 && ::flock(writer, LOCK_EX) == 0);
    lastReport.clear();
    setRecoveryReporter([](const QString &message) { lastReport = message.toUtf8(); });
    QStringList names;
    bool read = false;
    std::thread reader([&] { read = PackageArchive(f.package).entryNames(&names); });
    QTRY_VERIFY(lastReport.contains("is being updated by another program; waiting"));
    QVERIFY(writeZip(f.package,
                     {{str("new.mp4"), randomBytes(7000, 5)}, {str("json.txt"), "{}", true}}));
    ::close(writer);
    reader.join();
    setRecoveryReporter(nullptr);
    QVERIFY(read);
    QCOMPARE(names, QStringList({str("new.mp4"), str("json.txt")}));
}

// A stick with room for the changes but not for a second copy: a time change
// and an added clip save in place, where a full rewrite is refused.
void TestInPlaceUpdate::nearlyFullDrive()
{
    Fixture f;
    const QByteArray folder = QFile::encodeName(f.dir.path() + str("/stick"));
    QVERIFY(QDir().mkpath(QFile::decodeName(folder)));
    if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=1200k") != 0)
        QSKIP("mounting a tmpfs needs root: the nearly full drive is not tried");
    const auto unmount = qScopeGuard([&] { ::umount2(folder.constData(), MNT_DETACH); });
    QVERIFY(f.make(200000));
    f.package = QFile::decodeName(folder) + str("/show.mrv");
    QVERIFY(writeBytes(f.package, f.oldBytes));
    QVERIFY(writeBytes(QFile::decodeName(folder) + str("/filler"), QByteArray(200000, 'f')));

    for (const Change &c : {change("json.txt", "json.txt"), change("json.txt", "e.mp4 json.txt")}) {
        PackageArchive archive(f.package);
        QVERIFY(f.update(archive, c));
        QVERIFY(archive.updatedInPlace());
        QVERIFY(readZip(f.package) == f.newExpected);
        f.expected = f.newExpected;
    }
}

// A package past 4 GiB (a sparse clip of zeros, so nothing large is written):
// the moved offsets, the sizes and the end records need zip64 fields, and
// other readers must find them where they look.
void TestInPlaceUpdate::beyondFourGigabytes()
{
    Fixture f;
    const char *write = R"(
import struct, sys, zlib
n, crc, doc, docCrc = 4311744512, 0x44af3ba2, b'{"old": 1}', zlib.crc32(b'{"old": 1}')  # zeros
def local(c, v, size, name, x): return struct.pack('<IHHHHHIIIHH', 0x04034b50, v, 0, 0, 0, 0x21, c, size, size, len(name), len(x)) + name + x
def central(c, size, name, x, at): return struct.pack('<IHHHHHHIIIHHHHHII', 0x02014b50, 0x33f, 45, 0, 0, 0, 0x21, c, size, size, len(name), len(x), 0, 0, 0, 0x81b60000, at) + name + x
sizes, m = struct.pack('<HHQQ', 1, 16, n, n), 0xffffffff
with open(sys.argv[1], 'wb') as f:
    f.write(local(crc, 45, m, b'big.mp4', sizes)); f.seek(n, 1); at = f.tell()
    f.write(local(docCrc, 10, len(doc), b'json.txt', b'') + doc); cd = f.tell()
    f.write(central(crc, m, b'big.mp4', sizes, 0) + central(docCrc, len(doc), b'json.txt', struct.pack('<HHQ', 1, 8, at), m)); end = f.tell()
    f.write(struct.pack('<IQHHIIQQQQIIQIIHHHHIIH', 0x06064b50, 44, 0x33f, 45, 0, 0, 2, 2, end - cd, cd, 0x07064b50, 0, end, 1, 0x06054b50, 0, 0, 2, 2, end - cd, m, 0))
)";
    const char *read = "import sys, zipfile\n"
                       "z = zipfile.ZipFile(sys.argv[1])\n"
                       "print(sorted((i.filename, i.file_size) for i in z.infolist()))\n"
                       "print(z.read('json.txt').decode())\n"
                       "print(z.read('e.mp4') == open(sys.argv[2], 'rb').read())\n";
    QVERIFY(runProgram(str("python3"), {str("-c"), str(write), f.package}) != "failed");
    PackageArchive archive(f.package);
    archive.setUpdateWay(PackageArchive::UpdateWay::InPlace);
    QVERIFY(f.update(archive, change("json.txt", "e.mp4 json.txt")));
    QVERIFY(archive.updatedInPlace());
    qint64 entries = 0;
    QString error;
    QVERIFY(checkPackageLayout(QFile::encodeName(f.package), &entries, &error));
    QCOMPARE(entries, qint64(3));
    QCOMPARE(runProgram(str("python3"), {str("-c"), str(read), f.package, f.media(str("e.mp4"))}),
             QByteArray("[('big.mp4', 4311744512), ('e.mp4', 150000), ('json.txt', 13)]\n"
                        "{\"new\": \"é\"}\nTrue\n"));
}

QTEST_GUILESS_MAIN(TestInPlaceUpdate)
#include "tst_inplaceupdate.moc"
