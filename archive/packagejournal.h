#pragma once

#include "archive/platformfile.h"

#include <QByteArray>
#include <QString>

// The rollback journal of an update in place. Before the first byte of the
// package changes, it holds the old bytes of every range the update writes
// over, the old length, and what identifies the package, all under a
// checksum; it is synced with its folder first. Rolling back writes those
// bytes back and cuts the package to its old length, which can be repeated
// any number of times: a crash during the roll-back changes nothing.
class PackageJournal
{
public:
    // What the journal records about the update.
    struct Record
    {
        QByteArray packageName; // the package's file name, without its folder
        quint64 oldLength = 0;
        quint64 newLength = 0;
        // The update writes from here on; the bytes before it never change.
        quint64 from = 0;
        // Checksum of the unchanged bytes just before from: a package that
        // another program replaced or rewrote no longer matches.
        quint64 witnessStart = 0;
        quint32 witnessCrc = 0;
        PackageIdentity identity;
    };

    // The journal's path for the package at packagePath: beside it, hidden,
    // ".mrv-" + 16 hexadecimal digits + ".journal".
    static QByteArray pathFor(const QByteArray &packagePath);
    static bool isJournalName(const QByteArray &fileName);
    // CRC-32 of len bytes of file at offset; false on a read error.
    static bool checksum(Platform::File &file, quint64 offset, quint64 len, quint32 *crc,
                         int *error);

    // Writes the journal for record, saving the old bytes of package in
    // [from, from + saved), then syncs it and its folder.
    [[nodiscard]] bool create(const QByteArray &path, Platform::File &package, const Record &record,
                              quint64 saved, QString *error);
    // Marks the new package complete (synced): recovery then keeps it.
    [[nodiscard]] bool markComplete(QString *error);
    // Writes the old bytes back and cuts package to its old length, synced.
    [[nodiscard]] bool rollBack(Platform::File &package, QString *error);
    // Removes the journal and syncs its folder.
    [[nodiscard]] bool remove(QString *error);

    enum class State { Invalid, Open, Complete };
    // Reads the journal at path; Invalid when it was never finished (the
    // package was not touched then) or is not a journal.
    State read(const QByteArray &path, QString *error);
    const Record &record() const { return m_record; }

private:
    Platform::File m_file;
    QByteArray m_path;
    Record m_record;
    quint64 m_savedOffset = 0;
    quint64 m_saved = 0;
    quint64 m_stateOffset = 0;
};
