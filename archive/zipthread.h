#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Runs the archive jobs in the main window's worker thread. Each request ends
// with exactly one completion signal carrying the error text, empty on success.
class ZipThread : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Removes a directory tree; symbolic links are removed as links, never followed.
    [[nodiscard]] static bool removeDir(const QString &path);

signals:
    void resultReady(const QString &error);
    void filesUpdated(const QString &error);
    void progress(int percent);

public slots:
    // Packs the staged directory filename into the package zipfilename, then removes the directory.
    void doWork(const QString &filename, const QString &zipfilename);
    // Applies deletions (stored names) and additions (file paths) to zipfilename in one
    // transaction.
    void updateFiles(const QStringList &deletions, const QStringList &additions,
                     const QString &zipfilename);
};
