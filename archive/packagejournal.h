#pragma once

#include "archive/platformfile.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The rollback journal of an update in place. Before the first byte of the
// package changes, it holds the old bytes of every range the update writes
// over, the old and new lengths, what identifies the package, and a checksum
// of every block the update touches, as it was and as it will be, all under
// checksums; it is synced with its folder first. A journal is applied only
// when the package proves to hold nothing but this update's bytes. Rolling
// back writes the old bytes back and cuts the package to its old length,
// which can be repeated any number of times: a crash during the roll-back
// changes nothing.
class PackageJournal
{
public:
    // Blocks of the touched range: the page size, at which a write cut short
    // by a kill stops, so that every block is either all old or all new.
    static constexpr quint64 blockSize = 4096;

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
        quint64 mountId = 0;
        // One per block from from on (see nextBoundary): the CRC-32 of its
        // old bytes (0 past the smaller length, which the update never
        // writes) and of its new bytes (0 past the new length).
        std::vector<quint32> oldCrcs;
        std::vector<quint32> newCrcs;

        quint64 end() const { return std::max(oldLength, newLength); }
        // Where the block starting at offset ends: the next multiple of
        // blockSize, or one of the two lengths if nearer.
        quint64 nextBoundary(quint64 offset) const;
        quint64 blockCount() const;
    };

    // The journal's path for the package at packagePath: beside it, hidden,
    // ".mrv-" + 16 hexadecimal digits + ".journal".
    static QByteArray pathFor(const QByteArray &packagePath);
    static bool isJournalName(const QByteArray &fileName);
    // CRC-32 of len bytes of file at offset; false on a read error.
    static bool checksum(Platform::File &file, quint64 offset, quint64 len, quint32 *crc,
                         int *error);

    // Writes the journal for record, saving the old bytes of package in
    // [from, from + saved), then syncs it and its folder. The old blocks'
    // checksums are taken from the bytes saved.
    [[nodiscard]] bool create(const QByteArray &path, Platform::File &package, Record record,
                              quint64 saved, QString *error);
    // Marks the new package complete (synced): recovery then keeps it.
    [[nodiscard]] bool markComplete(QString *error);
    // Writes the old bytes back and cuts package to its old length, synced,
    // with its old modification time.
    [[nodiscard]] bool rollBack(Platform::File &package, QString *error);
    // Removes the journal and syncs its folder.
    [[nodiscard]] bool remove(QString *error);

    enum class State {
        Missing,    // no journal
        NotAFile,   // something else at the journal's name
        Unfinished, // never finished: the package was not touched
        Damaged,    // a journal, but its bytes do not add up
        Unreadable, // reading it failed (*error says why)
        Open,       // the update may have written part of the package
        Complete,   // the new package was complete and synced
    };
    // Reads the journal at path, without following a link. Every length and
    // offset it records is checked against its own size before use.
    State read(const QByteArray &path, QString *error);
    const Record &record() const { return m_record; }

    // Whether package (of its size now) holds nothing but this update's
    // bytes for a journal in state: every block of the touched range is its
    // old or its new bytes (only new ones once complete), its length is one
    // the update could leave, and it is the file the update began on. False
    // with *why for the user, or with *error when reading failed.
    bool belongsTo(Platform::File &package, State state, QString *why, QString *error) const;

private:
    Platform::File m_file;
    QByteArray m_path;
    Record m_record;
    quint64 m_savedOffset = 0;
    quint64 m_saved = 0;
    quint64 m_stateOffset = 0;
};
