#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace varelio::app {

namespace {

// The translators' context of this file's words.
class InstanceWords {
    Q_DECLARE_TR_FUNCTIONS(SingleInstance)
};

const QString kLockName = QStringLiteral("/varelio.lock");

constexpr QFile::Permissions kOthersWrite = QFile::WriteGroup | QFile::WriteOther;
constexpr QFile::Permissions kOthersAny =
    kOthersWrite | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

// A folder of this user that nobody else may write in (with privateOnly,
// nor read or enter). A shared folder such as /tmp never qualifies, whoever
// created it, so a file planted there cannot pose as a running copy.
bool UsersOwnFolder(const QString& path, bool privateOnly)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
    const QFileInfo info(path);
    if (!info.isDir() || info.ownerId() != ::geteuid())
        return false;
    return !(info.permissions() & (privateOnly ? kOthersAny : kOthersWrite));
}

}  // namespace

QString ChooseLockPath(const LockFolders& folders)
{
    if (UsersOwnFolder(folders.runtime, true))
        return folders.runtime + kLockName;
    for (const QString& folder : {folders.cache, folders.config}) {
        if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
            continue;
        if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (UsersOwnFolder(folder, false))
            return folder + kLockName;
    }
    return {};
}

LockFolders SessionLockFolders()
{
    // Not QStandardPaths' runtime folder: without $XDG_RUNTIME_DIR it is one
    // in the shared temporary folder.
    return {qEnvironmentVariable("XDG_RUNTIME_DIR"),
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
}

QString DefaultLockPath()
{
    return ChooseLockPath(SessionLockFolders());
}

bool AcquireSingleInstance(const QString& lockPath, Dialogs& dialogs, std::unique_ptr<QLockFile>& held)
{
    if (lockPath.isEmpty())
        return true;
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
    dialogs.message(nullptr, InstanceWords::tr("Application is already running"), MessageIcon::Information);
    return false;
}

}  // namespace varelio::app
