// One copy of the program at a time, guarded by a lock file in a folder that
// belongs to the user alone, so nobody else can plant a lock that stops it.
#pragma once

#include "app/Dialogs.h"

#include <QLockFile>
#include <QString>

#include <memory>

namespace varelio::app {

// The folders that may hold the lock, best first.
struct LockFolders {
    QString runtime;  // the session's runtime folder ($XDG_RUNTIME_DIR), may be empty
    QString cache;    // the user's cache folder
    QString config;   // the user's configuration folder
};

// "varelio.lock" in the runtime folder when it is the user's own with mode
// 0700; else in the cache folder, else in the configuration folder, each
// created when missing and taken only when it is the user's own and nobody
// else may write in it. Empty when none qualifies: never a shared folder.
QString ChooseLockPath(const LockFolders& folders);

// The candidates of this session: $XDG_RUNTIME_DIR and the user's generic
// cache and configuration folders ($XDG_CACHE_HOME, $XDG_CONFIG_HOME, ~).
LockFolders SessionLockFolders();

// ChooseLockPath(SessionLockFolders()).
QString DefaultLockPath();

// False when another copy holds the lock: then "Application is already
// running" has been shown. On true, held owns the lock for the run (a lock
// left by a copy that died is taken over); it stays empty when lockPath is
// empty or no lock file can be written at all, and the program runs
// unguarded rather than not at all.
bool AcquireSingleInstance(const QString& lockPath, Dialogs& dialogs, std::unique_ptr<QLockFile>& held);

}  // namespace varelio::app
