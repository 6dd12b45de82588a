// One copy of the program at a time, guarded by a lock file in a folder that
// belongs to the user alone, so nobody else can plant a lock that stops it.
// A later start hands its reading file to the running copy, or asks it to
// come to the front, through a local socket beside the lock.
#pragma once

#include "app/Dialogs.h"

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
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

// False when another copy holds the lock: then readingFile, when given, has
// been handed to that copy (HandOverReadingFile), which opens it, and without
// one that copy has been asked to come to the front; when that copy does not
// answer, "Application is already running" has been shown with the lock's
// path. On true, held owns the lock for the run; it stays empty when lockPath
// is empty or no lock file can be written at all, and the program runs
// unguarded rather than not at all. A lock that names no live process is
// stale and taken over: one left by a copy that died, an empty or garbled
// file (but for one a starting copy is writing this moment), an empty folder
// of that name. So is a lock taken on another computer (a home folder shared
// between computers) that has not been renewed (LockRenewal) for
// kForeignLockStaleMinutes: a process there cannot be looked for from here,
// and a copy that runs renews its lock every minute. One that cannot be
// removed is reported with its path, and the program does not start.
bool AcquireSingleInstance(const QString& lockPath, Dialogs& dialogs, std::unique_ptr<QLockFile>& held,
                           const QString& readingFile = {});

// A lock another computer took and nobody renewed for this long is left behind.
inline constexpr int kForeignLockStaleMinutes = 10;

// The running copy's lock kept fresh: its time of change is renewed every
// minute while this lives, so that a later start on another computer can
// tell it from one left behind. Nothing for an empty path.
class LockRenewal final : public QObject {
    Q_OBJECT
public:
    explicit LockRenewal(const QString& lockPath, QObject* parent = nullptr);
    void renew();

private:
    QString lockPath_;
};

// The running copy's end: "varelio.socket" beside the lock, which only this
// user may reach. Each path a later start hands over is announced once its
// sender has been answered.
class ReadingFileChannel final : public QObject {
    Q_OBJECT
public:
    explicit ReadingFileChannel(const QString& lockPath, QObject* parent = nullptr);
    bool isListening() const { return server_.isListening(); }

signals:
    void fileReceived(const QString& path);
    void frontRequested();  // a later start without a file

private:
    void takeConnections();
    QLocalServer server_;
};

// Hands path, made absolute, to the copy listening beside lockPath (with an
// empty path, asks it to come to the front); true once that copy has taken
// it, false when none answers within a few seconds.
bool HandOverReadingFile(const QString& lockPath, const QString& path);

}  // namespace varelio::app
