#include "app/FileWriting.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

namespace varelio::app {

namespace {

// The translators' context of the file failures' words.
class FileWords {
    Q_DECLARE_TR_FUNCTIONS(FileWriting)
};

// A short write is no failure yet: writing the rest either finishes the job
// or fails with the reason the first one did not give.
bool WriteAll(QIODevice& file, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += static_cast<qsizetype>(written);
    }
    return true;
}

// The new file takes the place of the old one, so it keeps the old one's
// owner, group and mode: saved by root over another user's reading, it stays
// that user's to read. Owner and group first, since a change of owner clears
// the set-id bits the mode then puts back. A writer who may not give a file
// away keeps at least its group where that is one of theirs; otherwise the
// file is the writer's, as a new one would be.
void KeepOwnerAndMode(QSaveFile& file)
{
    struct stat old {};
    const int fd = file.handle();
    if (fd < 0 || ::stat(QFile::encodeName(file.fileName()).constData(), &old) != 0)
        return;  // a new file
    [[maybe_unused]] const bool owned =
        ::fchown(fd, old.st_uid, old.st_gid) == 0 || ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    [[maybe_unused]] const bool moded = ::fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

QString WriteFailureReason(QFileDevice& file)
{
    // A write cut short by a full disk or a size limit sets no error of its
    // own, so Qt knows only "Unknown error"; the attempt to write what is still
    // pending fails with the system's reason (ENOSPC, EFBIG).
    file.flush();
    return file.errorString();
}

bool CommitWhole(QSaveFile& file, QString& error)
{
    // QSaveFile::commit() misses a failure of its own final flush (disk full,
    // a size limit) and would keep a cut-off file, so the flush is checked first.
    if (!file.flush()) {
        error = WriteFailureReason(file);
        file.cancelWriting();
        return false;
    }
    KeepOwnerAndMode(file);
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool WriteWholeFile(const QString& path, QByteArrayView bytes, QString* error)
{
    QSaveFile file(path);
    QString why;
    if (!file.open(QIODevice::WriteOnly)) {
        why = file.errorString();
    } else if (!WriteAll(file, bytes)) {
        why = file.errorString();
        file.cancelWriting();
    } else if (CommitWhole(file, why)) {
        return true;
    }
    if (error)
        *error = why;
    return false;
}

void ShowWriteFailure(Dialogs& dialogs, QWidget* parent, const QString& path, const QString& reason)
{
    dialogs.message(parent, FileWords::tr("Could not write the file \"%1\".\n%2").arg(path, reason), MessageIcon::Error);
}

}  // namespace varelio::app
