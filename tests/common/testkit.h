#pragma once

// merovi_testkit: what the suites share. It links Qt::Core, Qt::Test and
// libzip and uses nothing of the program but its row type, so it can judge
// the program's output.
//
//   str(), row()                  short literals for the tests' own rows
//   randomBytes(size, seed)       bytes that differ per seed (a mix-up of files shows)
//   fileBytes(), writeBytes()     whole files; writeBytes makes the missing folders
//   writeMedia(path, size)        a sample media file: random bytes seeded by its path
//   runProgram(program, args)     another program's output, or "failed"
//   readZip(path, &why, &order)   every entry's bytes, CRCs checked; the names in
//                                 archive order through order; empty when unsound
//   writeZip(path, entries)       a fresh archive through libzip (folders made), in order,
//                                 stored or deflated per entry
//   patchBytes(path, offset, b)   overwrites bytes in place: raw tricks on an archive
//                                 writeZip made (lying sizes, names, CRCs)
//   snapshot(dir)                 every entry below dir with mode, inode, mtime and a
//                                 hash of its bytes (FIFOs never opened): "nothing
//                                 changed" is QCOMPARE(snapshot(dir), before)
//   keepUserFilesIn(dir)          settings.xml, preferences, kept playlists and converted
//                                 copies go below dir (also the working folder)
//   entriesIn(dir)                the names in dir, hidden ones too ("nothing left")
//   QVERIFY_CONTAINS(text, part)  fails showing the whole text when part is missing
//   QVERIFY_BETWEEN(v, low, high) fails showing v when it is outside [low, high]
//   expectedDocument(...)         the playlist document, typed by hand in
//                                 common/document.template
// Window helpers (FakeDialogs, click, tableOf) are header-only in fakedialogs.h.
// Need something else? Ask the kit's owner; keep this note current.

#include "playlist/playlistrow.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

Q_DECLARE_METATYPE(PlaylistRows)

// Fails showing the whole text, which says more than "false".
#define QVERIFY_CONTAINS(text, part) QVERIFY2((text).contains(part), qPrintable(text))
#define QVERIFY_BETWEEN(value, low, high)                                                          \
    do {                                                                                           \
        const auto valueSeen = (value);                                                            \
        QVERIFY2(valueSeen >= (low) && valueSeen <= (high),                                        \
                 qPrintable(QString::number(valueSeen)));                                          \
    } while (false)

inline QString str(const char *text)
{
    return QString::fromUtf8(text);
}

inline PlaylistRow row(const char *time, const QString &file, const char *transition = "Zoom")
{
    return {str(time), file, str(transition)};
}

inline PlaylistRow row(const char *time, const char *file, const char *transition = "Zoom")
{
    return row(time, str(file), transition);
}

QByteArray randomBytes(int size, quint32 seed);
QByteArray fileBytes(const QString &path);
bool writeBytes(const QString &path, const QByteArray &bytes);
bool writeMedia(const QString &path, int size = 1000);
// Runs program in workDir to its end (a minute at most): its standard output,
// or "failed" when it did not exit with status 0.
QByteArray runProgram(const QString &program, const QStringList &args, const QString &workDir = {});
bool patchBytes(const QString &path, qint64 offset, const QByteArray &bytes);

using ZipEntries = QMap<QString, QByteArray>;
struct ZipItem
{
    QString name;
    QByteArray bytes;
    bool deflate = false;
};

ZipEntries readZip(const QString &path, QString *why = nullptr, QStringList *order = nullptr);
bool writeZip(const QString &path, const QVector<ZipItem> &entries);

QStringList snapshot(const QString &dir);
QStringList entriesIn(const QString &dir);
[[nodiscard]] bool keepUserFilesIn(const QString &dir);

// One gallery and media entry per item: {filename, time, type, playtime, transition code},
// as they appear in the text; ids count from 1.
QByteArray expectedDocument(const QVector<QByteArrayList> &entries, const QByteArray &mediaDir,
                            const QByteArray &time);
