// Writing a file whole or not at all, and the message box for a file that
// could not be written. The file commands and the picture export share them.
#pragma once

#include "app/Dialogs.h"

#include <QByteArrayView>
#include <QString>

class QWidget;

namespace varelio::app {

// Writes bytes to path whole or not at all, as formats/WholeFile.h says:
// an earlier file of that name survives a failed write and keeps its owner,
// group and mode when replaced, and only a new name or a regular file (or a
// link to one) is written. On failure *error (if given) says why.
bool WriteWholeFile(const QString& path, QByteArrayView bytes, QString* error = nullptr);

// The message box for a file that could not be written: title "Varelio",
// error icon, the file's path and the reason. (One that could not be read is
// a problem of the reading file: words/Problems.h.)
void ShowWriteFailure(Dialogs& dialogs, QWidget* parent, const QString& path, const QString& reason);

}  // namespace varelio::app
