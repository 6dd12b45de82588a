#include "app/FileWriting.h"

#include <QCoreApplication>
#include <QSaveFile>

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
