#pragma once

#include <QMap>
#include <QString>

#include <functional>

// What a folder tree holds, deep enough to tell any write apart: every entry's
// type, inode, modification time and, for regular files, a hash of the bytes.
// Special files are never opened, so a FIFO in the tree cannot block the snapshot.
QMap<QString, QString> robustSnapshot(const QString &root);

// Runs job on another thread. If it has not returned after a generous grace
// period (a hang, not slowness), unblock() is called so the thread can finish,
// and false is returned.
bool robustRunGuarded(const std::function<void()> &job, const std::function<void()> &unblock);
