#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varelio::app {

namespace {

// The translators' context of this file's words.
class InstanceWords {
    Q_DECLARE_TR_FUNCTIONS(SingleInstance)
};

const QString kLockName = QStringLiteral("/varelio.lock");
const QString kSocketName = QStringLiteral("/varelio.socket");

// How long a later start waits for the running copy to take its file.
constexpr int kHandOverMilliseconds = 5000;
// A path's line is far shorter; a longer one is not a path.
constexpr qint64 kMaxPathLine = 64 * 1024;
// QLockFile writes the owner into a new lock at once: a lock younger than this
// that names nobody may be one a starting copy is writing.
constexpr qint64 kLockBeingWrittenMs = 2000;
// A lock is a few short lines: its process, program, host, machine and boot.
constexpr qint64 kMaxLockBytes = 4096;
// How often the running copy renews its lock (LockRenewal).
constexpr int kLockRenewalMs = 60 * 1000;

QString SocketPath(const QString& lockPath)
{
    return QFileInfo(lockPath).absolutePath() + kSocketName;
}

// A lock that names no process: an empty or garbled file, or a folder.
bool NamesNoProcess(const QLockFile& lock, const QString& path)
{
    qint64 pid = 0;
    QString host, application;
    if (lock.getLockInfo(&pid, &host, &application))
        return false;
    const QFileInfo info(path);
    return info.isDir() ||
           (info.exists() && info.lastModified().msecsTo(QDateTime::currentDateTime()) > kLockBeingWrittenMs);
}

// The computer a lock was taken on, when it is not this one: told as
// QLockFile tells it, by the machine's id where both are known, else by the
// host name. Empty for this computer's own lock, or one that names no host.
QString ForeignHost(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.read(kMaxLockBytes).split('\n');
    const QString host = QString::fromUtf8(lines.value(2));
    const QByteArray machine = lines.value(3);
    bool here = host.isEmpty() || host == QSysInfo::machineHostName();
    if (!machine.isEmpty() && !QSysInfo::machineUniqueId().isEmpty())
        here = machine == QSysInfo::machineUniqueId();
    if (here)
        return {};
    return host.isEmpty() ? QString::fromUtf8(machine) : host;
}

// A lock from another computer whose copy has not renewed it for long: its
// process cannot be looked for from here, so its age is what tells.
bool ForeignAndLeftBehind(const QString& path)
{
    const QDateTime changed = QFileInfo(path).lastModified();
    return !ForeignHost(path).isEmpty() && changed.isValid() &&
           changed.secsTo(QDateTime::currentDateTime()) >= kForeignLockStaleMinutes * 60;
}

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

bool AcquireSingleInstance(const QString& lockPath, Dialogs& dialogs, std::unique_ptr<QLockFile>& held,
                           const QString& readingFile)
{
    if (lockPath.isEmpty())
        return true;
    auto lock = std::make_unique<QLockFile>(lockPath);
    // A running copy may hold the lock for days: only a dead owner makes it
    // stale, never its age.
    lock->setStaleLockTime(0);
    bool stuck = false;  // a stale lock that cannot be removed
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError &&
        (NamesNoProcess(*lock, lockPath) || ForeignAndLeftBehind(lockPath))) {
        if (QFileInfo(lockPath).isDir() ? QDir().rmdir(lockPath) : QFile::remove(lockPath))
            lock->tryLock(0);
        else
            stuck = true;
    }
    if (lock->isLocked()) {
        held = std::move(lock);
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return true;
    const QString where = QDir::toNativeSeparators(lockPath);
    if (stuck) {
        dialogs.message(nullptr,
                        InstanceWords::tr("Varelio cannot start: %1 stands where its lock file goes and cannot be "
                                          "removed.").arg(where),
                        MessageIcon::Error);
        return false;
    }
    const QString foreign = ForeignHost(lockPath);
    // A copy on another computer cannot be reached through the socket.
    if (foreign.isEmpty() && HandOverReadingFile(lockPath, readingFile))
        return false;
    QString text = InstanceWords::tr("Application is already running") + QStringLiteral("\n\n") +
                   InstanceWords::tr("Lock file: %1").arg(where);
    if (!foreign.isEmpty()) {
        text += QLatin1Char('\n') + InstanceWords::tr("The lock was taken on the computer \"%1\", where Varelio cannot "
                                                      "look for it from here. A lock from another computer that is "
                                                      "not renewed for %2 minutes is taken over.")
                                        .arg(foreign)
                                        .arg(kForeignLockStaleMinutes);
    }
    dialogs.message(nullptr, text, MessageIcon::Information);
    return false;
}

ReadingFileChannel::ReadingFileChannel(const QString& lockPath, QObject* parent) : QObject(parent)
{
    if (lockPath.isEmpty())
        return;
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a copy that died: whoever holds the lock owns the name.
    const QString path = SocketPath(lockPath);
    QLocalServer::removeServer(path);
    connect(&server_, &QLocalServer::newConnection, this, &ReadingFileChannel::takeConnections);
    server_.listen(path);
}

void ReadingFileChannel::takeConnections()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxPathLine)
                    socket->abort();
                return;
            }
            const QString path = QUrl::fromEncoded(socket->readLine().trimmed()).toLocalFile();
            socket->write("ok\n");
            socket->disconnectFromServer();
            // After the sender has its answer: opening may ask questions of its own.
            QMetaObject::invokeMethod(
                this,
                [this, path] {
                    if (path.isEmpty())
                        emit frontRequested();
                    else
                        emit fileReceived(path);
                },
                Qt::QueuedConnection);
        });
    }
}

bool HandOverReadingFile(const QString& lockPath, const QString& path)
{
    QLocalSocket socket;
    socket.connectToServer(SocketPath(lockPath));
    if (!socket.waitForConnected(kHandOverMilliseconds))
        return false;
    // As a URL, so that no character of a file name can end the line; an
    // empty line asks the copy to come to the front.
    socket.write((path.isEmpty() ? QByteArray() : QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded()) +
                 '\n');
    if (!socket.waitForBytesWritten(kHandOverMilliseconds))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kHandOverMilliseconds))
            return false;
    }
    return socket.readLine() == "ok\n";
}

LockRenewal::LockRenewal(const QString& lockPath, QObject* parent) : QObject(parent), lockPath_(lockPath)
{
    if (lockPath_.isEmpty())
        return;
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &LockRenewal::renew);
    timer->start(kLockRenewalMs);
}

void LockRenewal::renew()
{
    ::utimensat(AT_FDCWD, QFile::encodeName(lockPath_).constData(), nullptr, 0);
}

}  // namespace varelio::app
