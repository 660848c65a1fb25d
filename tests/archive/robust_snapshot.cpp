#include "robust_snapshot.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtGlobal>

#include <sys/stat.h>

#include <chrono>
#include <future>
#include <thread>

QMap<QString, QString> robustSnapshot(const QString &root)
{
    QMap<QString, QString> result;
    const QDir base(root);
    QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info;
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
            result.insert(base.relativeFilePath(path), QStringLiteral("vanished"));
            continue;
        }
        // The modification time catches a rewrite in place with the same bytes.
        QString description = QStringLiteral("mode %1 inode %2 size %3 modified %4.%5")
                                  .arg(info.st_mode, 0, 8)
                                  .arg(info.st_ino)
                                  .arg(info.st_size)
                                  .arg(info.st_mtim.tv_sec)
                                  .arg(info.st_mtim.tv_nsec, 9, 10, QLatin1Char('0'));
        if (S_ISREG(info.st_mode)) {
            QFile file(path);
            QCryptographicHash hash(QCryptographicHash::Sha256);
            if (file.open(QIODevice::ReadOnly) && hash.addData(&file))
                description += QLatin1String(" sha256 ") + QLatin1String(hash.result().toHex());
            else
                description += QLatin1String(" unreadable");
        } else if (S_ISLNK(info.st_mode)) {
            description += QLatin1String(" -> ") + QFile::symLinkTarget(path);
        }
        result.insert(base.relativeFilePath(path), description);
    }
    return result;
}

bool robustRunGuarded(const std::function<void()> &job, const std::function<void()> &unblock)
{
    std::packaged_task<void()> task(job);
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    const bool finished = done.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    if (!finished) {
        unblock();
        // The job still refers to the caller's objects, so it can be neither
        // joined nor abandoned: ending the suite is the only clean way out.
        if (done.wait_for(std::chrono::seconds(30)) != std::future_status::ready)
            qFatal("A job hung and could not be unblocked");
    }
    worker.join();
    return finished;
}
