// What the process settles before anything else runs. main() calls these
// first thing, and the tests call the same.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QTranslator;

namespace varelio::app {

// Call once, at the very start of main(), before any file is written.
void PrepareProcess();

// Before the QApplication: when the command line asks for --help or
// --version, prints the answer (translated) and ends the process; neither
// needs the window system, so neither fails without a display.
void AnswerWithoutWindows(int& argc, char** argv);

// Once the QApplication exists: the program's name, version and desktop
// entry (the application id, so the desktop can match the windows to their
// launcher), the windows' lifetime left to Application, and the SVG
// application icon as every window's icon, dialogs included. False when the
// icon cannot be shown (Qt's SVG icon plugin, Debian libqt6svg6, is missing);
// the program runs without it.
bool PrepareApplication();

// Where the program's translations are: compiled in, under
// ":/varelio/translations" (translations/CMakeLists.txt).
QStringList TranslationFolders();

// Once the QApplication exists, before any window: installs English's
// counted forms (varelio_en.qm) and the program's translation for the
// locale's language, varelio_<language>.qm from the first of folders that has
// one (QTranslator's search: "varelio_hi_IN.qm", then "varelio_hi.qm"), and
// with it Qt's own words in that language where Qt's translations are
// installed. Returns the program's translator, owned by the application, or
// null for English or when there is none and the words stay English.
QTranslator* LoadTranslation(const QLocale& locale = QLocale(), const QStringList& folders = TranslationFolders());

// The reading file to open at start ("varelio FILE.vrl", as the desktop entry
// starts it), or empty; arguments are the whole command line, program first.
// --help and --version are answered and end the process.
QString ReadingFileArgument(const QStringList& arguments);

}  // namespace varelio::app
