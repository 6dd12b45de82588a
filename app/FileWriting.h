// Writing a file whole or not at all, and the message box for a file that
// could not be written. The file commands and the picture export share them.
#pragma once

#include "app/Dialogs.h"

#include <QByteArrayView>
#include <QString>

class QFileDevice;
class QSaveFile;
class QWidget;

namespace varelio::app {

// Why a write to file failed, with the system's reason ("No space left on
// device", "File too large") also when the write was merely cut short.
QString WriteFailureReason(QFileDevice& file);

// Commits a QSaveFile that has been written: the target appears whole or not
// at all, and a file it replaces keeps its owner, group and mode. On failure
// the writing is cancelled and error says why.
bool CommitWhole(QSaveFile& file, QString& error);

// Writes bytes to path whole or not at all: an earlier file of that name
// survives a failed write. On failure *error (if given) says why.
bool WriteWholeFile(const QString& path, QByteArrayView bytes, QString* error = nullptr);

// The message box for a file that could not be written: title "Varelio",
// error icon, the file's path and the reason. (One that could not be read is
// a problem of the reading file: words/Problems.h.)
void ShowWriteFailure(Dialogs& dialogs, QWidget* parent, const QString& path, const QString& reason);

}  // namespace varelio::app
