#include "app/FileWriting.h"

#include <QSaveFile>

namespace varelio::app {

bool CommitWhole(QSaveFile& file, QString& error)
{
    // QSaveFile::commit() misses a failure of its own final flush (disk full,
    // a size limit) and would keep a cut-off file, so the flush is checked first.
    if (!file.flush()) {
        error = file.errorString();
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
    } else if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        why = file.errorString();
        file.cancelWriting();
    } else if (CommitWhole(file, why)) {
        return true;
    }
    if (error)
        *error = why;
    return false;
}

void ShowFileFailure(Dialogs& dialogs, QWidget* parent, const QString& path, const QString& reason,
                     bool writing)
{
    const QString what = writing ? QStringLiteral("Could not write the file ") : QStringLiteral("Could not read the file ");
    dialogs.message(parent, what + QLatin1Char('"') + path + QStringLiteral("\".\n") + reason, MessageIcon::Error,
                    kMessageTitle);
}

}  // namespace varelio::app
