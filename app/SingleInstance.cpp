#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace varelio::app {

QString DefaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/varelio.lock");
}

bool AcquireSingleInstance(const QString& lockPath, Dialogs& dialogs, std::unique_ptr<QLockFile>& held)
{
    auto lock = std::make_unique<QLockFile>(lockPath);
    // A running copy may hold the lock for days: only a dead owner makes it
    // stale, never its age.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        held = std::move(lock);
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return true;
    dialogs.message(nullptr, QStringLiteral("Application is already running"), MessageIcon::Information);
    return false;
}

}  // namespace varelio::app
