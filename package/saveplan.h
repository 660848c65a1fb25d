#pragma once

#include "archive/packagearchive.h"
#include "jobs/joboutcome.h"
#include "playlist/playlistrow.h"

#include <QDateTime>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <functional>

Q_DECLARE_LOGGING_CATEGORY(lcPackage)

class JobControl;
class PackageReader;

// Everything a save needs, as one value: the GUI thread copies the table into
// it and hands it to the worker, which does all the disk work.
struct SavePlan
{
    // Where the package goes. Equal to sourcePackage for an update in place.
    QString packagePath;
    // The document's "media_dir": the package path as the user chose it.
    QString mediaDir;
    PlaylistRows rows;
    QDateTime buildTime;
    // The open package the rows' stored names refer to, empty when none is
    // open, and its document and identity as read at the last open or save.
    QString sourcePackage;
    QJsonObject sourceDocument;
    PackageIdentity sourceIdentity;
    // The user chose to save over a package that changed since it was read.
    bool overwriteChanged = false;
    // The user agreed that added files replace stored files of the same name
    // (letter case aside) that rows still play.
    bool replaceStoredInUse = false;

    bool isUpdate() const { return !sourcePackage.isEmpty() && packagePath == sourcePackage; }
};

// A package as read back: what the table shows after an open or a save. The
// window's open package is one such value, replaced whole by each outcome.
struct PackageContents
{
    QString path;
    QJsonObject document;
    PlaylistRows rows;
    PackageIdentity identity;
    // Stored names of rows whose media the package lacks.
    QStringList missingMedia;

    bool isOpen() const { return !path.isEmpty(); }
};

// The one way every front end makes a save: rows saved to packagePath, taking
// stored media from the open package source (empty when none is open). Saving
// to source's own path is an update in place; mediaDir is the document's
// "media_dir", the name the user chose.
SavePlan makeSavePlan(const QString &packagePath, const QString &mediaDir, const PlaylistRows &rows,
                      const PackageContents &source = {});

// A save's outcome: done (saved), failed, changed elsewhere (the package
// changed on disk since it was read; nothing was written) or cancelled (the
// package is as it was). warning: a saved package the drive did not confirm,
// or that reads back badly.
struct SaveOutcome : JobOutcome
{
    // The files of the rows a refused save names, as the rows name them, so
    // the window can select those rows.
    QStringList refusedFiles;
    PackageContents contents;
    // How long reading the package back from the drive took, when it read
    // back as written; -1 when it was not read back or did not.
    qint64 verifyMs = -1;
};

// Where a package's document and its entries disagree, the rule a save and
// "mrv check" share: every name the document plays is an entry, and every
// entry but the document is played.
struct Disagreement
{
    enum class Kind { NotHeld, NotPlayed };
    Kind kind = Kind::NotHeld;
    // A stored name as the document writes it (NotHeld), or an entry's name (NotPlayed).
    QString name;

    friend bool operator==(const Disagreement &a, const Disagreement &b)
    {
        return a.kind == b.kind && a.name == b.name;
    }
};
QVector<Disagreement> findDisagreements(const QJsonObject &document, const QStringList &entryNames);
// One line for the user per disagreement, naming the package at path.
QString disagreementText(const QString &path, const Disagreement &disagreement);

// A test may change the document a save writes, after it was built and before
// it is checked, to make the document and the entries disagree.
using SaveDocumentHook = std::function<void(QByteArray *document)>;
void setSaveDocumentHook(SaveDocumentHook hook);

// The largest playlist the program saves: its document, even with the longest
// file names, stays under PackageArchive::maxDocumentSize, so it opens again.
constexpr int maxPlaylistRows = 10000;

// Reads the package at path into contents; error names the file and the cause.
[[nodiscard]] bool readPackage(const QString &path, const QString &transition,
                               PackageContents *contents, QString *error);
// The same through a reader open already, as one pass of a longer check.
[[nodiscard]] bool readPackage(PackageReader &reader, const QString &transition,
                               PackageContents *contents, QString *error);

// Runs a save plan to the end: builds the document, checks every media file
// and name, writes the package straight from the source files and reads it
// back. Any refusal or failure leaves the files on disk as they were. A saved
// outcome always carries the package as written, even when reading it back
// failed (then with a warning), so the next save starts from the new package.
SaveOutcome runSavePlan(const SavePlan &plan, JobControl *control = nullptr);

// A package read as a job: the same as readPackage, as one outcome.
struct OpenOutcome : JobOutcome
{
    PackageContents contents;
};
OpenOutcome runOpen(const QString &path, const QString &transition);

Q_DECLARE_METATYPE(SavePlan)
Q_DECLARE_METATYPE(SaveOutcome)
Q_DECLARE_METATYPE(PackageContents)
