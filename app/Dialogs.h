// Every message box and file or print dialog of the program goes through this
// interface, so tests can answer them (see tests/app/ScriptedDialogs.h).
#pragma once

#include "form/Problem.h"

#include <QString>

class QWidget;
class QPrinter;

namespace varelio::app {

// The picture a message box shows: the stop sign for refused or missing input
// and failures, the "i" for information.
enum class MessageIcon { Error, Information };

// The icon of a refused form's message.
constexpr MessageIcon IconFor(Severity severity)
{
    return severity == Severity::Information ? MessageIcon::Information : MessageIcon::Error;
}

// "Varelio", the title of the program's message boxes and save dialog.
QString MessageTitle();

class Dialogs;

// A problem's message box (words::ProblemMessage): its text, the icon of its
// severity, titled "Varelio". file names the reading file: the one that
// cannot be read or is refused, or the one that filled the form a check
// refuses. Moving the focus is the input window's (InputWindow::showProblem).
void ShowProblem(Dialogs& dialogs, QWidget* parent, const Problem& problem, const QString& file = {});

struct FileRequest {
    QString title;
    QString filter;          // Qt form, e.g. "Varelio (*.vrl)"
    QString defaultSuffix;   // without the dot, e.g. "vrl"
    QString initialName;
    bool confirmOverwrite = true;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // One OK button; the text is shown as plain text.
    virtual void message(QWidget* parent, const QString& text, MessageIcon icon,
                         const QString& title = MessageTitle()) = 0;
    // Empty when the user cancels.
    virtual QString saveFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual QString openFileName(QWidget* parent, const FileRequest& request) = 0;
    // Page ranges and print-to-file are disabled; true when the user confirms.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The real dialogs: QMessageBox, QFileDialog, QPrintDialog.
class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, MessageIcon icon, const QString& title) override;
    QString saveFileName(QWidget* parent, const FileRequest& request) override;
    QString openFileName(QWidget* parent, const FileRequest& request) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
};

}  // namespace varelio::app
