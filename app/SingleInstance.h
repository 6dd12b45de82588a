// One copy of the program at a time, guarded by a lock file.
#pragma once

#include "app/Dialogs.h"

#include <QLockFile>
#include <QString>

#include <memory>

namespace varelio::app {

// The lock file in the user's runtime folder.
QString DefaultLockPath();

// False when another copy holds the lock: then "Application is already
// running" has been shown. On true, held owns the lock for the run (a lock
// left by a copy that died is taken over); it stays empty when no lock file
// can be written at all, and the program runs unguarded rather than not at all.
bool AcquireSingleInstance(const QString& lockPath, Dialogs& dialogs, std::unique_ptr<QLockFile>& held);

}  // namespace varelio::app
