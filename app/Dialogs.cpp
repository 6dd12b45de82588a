#include "app/Dialogs.h"

#include "words/Problems.h"
#include "words/Translated.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace varelio::app {

namespace {

// The translators' context of the dialogs' words.
class DialogWords {
    Q_DECLARE_TR_FUNCTIONS(Dialogs)
};

}  // namespace

QString MessageTitle()
{
    return DialogWords::tr("Varelio");
}

void ShowProblem(Dialogs& dialogs, QWidget* parent, const Problem& problem, const QString& file)
{
    dialogs.message(parent, words::ProblemMessage(words::Translated(), problem, file.toStdString()),
                    IconFor(problem.severity));
}

void QtDialogs::message(QWidget* parent, const QString& text, MessageIcon icon, const QString& title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    // Messages carry file names and typed texts, never markup: "<h1>" in a
    // path must show as it is.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    // The error icon is the stop sign, the same picture as the critical one;
    // the exclamation mark would read as a mere warning.
    box.setIcon(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Critical);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

static QString RunFileDialog(QWidget* parent, const FileRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::saveFileName(QWidget* parent, const FileRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString QtDialogs::openFileName(QWidget* parent, const FileRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

bool QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace varelio::app
