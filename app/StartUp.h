// What the process settles before anything else runs. main() calls these
// first thing, and the tests call the same.
#pragma once

#include <QString>
#include <QStringList>

namespace varelio::app {

// Call once, at the very start of main(), before any file is written.
void PrepareProcess();

// Once the QApplication exists: the program's name and version, the windows'
// lifetime left to Application, and the SVG application icon as every
// window's icon, dialogs included. False when the icon cannot be shown (Qt's
// SVG icon plugin, Debian libqt6svg6, is missing); the program runs without it.
bool PrepareApplication();

// The reading file to open at start ("varelio FILE.vrl", as the desktop entry
// starts it), or empty; arguments are the whole command line, program first.
// --help and --version are answered and end the process.
QString ReadingFileArgument(const QStringList& arguments);

}  // namespace varelio::app
