#include "app/FileCommands.h"

#include "app/FileWriting.h"
#include "app/PictureExport.h"
#include "app/Printing.h"
#include "formats/ReadingFile.h"
#include "words/MatchText.h"
#include "words/TextExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

namespace varelio::app {

namespace {

// The translators' context of the file commands' words.
class FileCommandWords {
    Q_DECLARE_TR_FUNCTIONS(FileCommands)
};

QString ReadingFilter() { return FileCommandWords::tr("Varelio (*.vrl)"); }
const QString kReadingSuffix = QStringLiteral("vrl");

bool WriteOrReport(const QString& path, const std::string& bytes, Dialogs& dialogs, QWidget* parent)
{
    QString reason;
    if (WriteWholeFile(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), &reason))
        return true;
    ShowWriteFailure(dialogs, parent, path, reason);
    return false;
}

// The shared name with this dialog's own ending, so that Enter in the export
// dialog can never pick the reading file (or the reverse). A dot that begins
// the file name is part of the name, not an ending.
QString WithEnding(const QString& path, const QString& suffix)
{
    if (path.isEmpty())
        return {};
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > nameStart ? path.left(dot) : path;
    return base + QLatin1Char('.') + suffix;
}

// The save dialog of the reading file, the text export and the PDF (and the
// picture's, which numbers its names itself): all start from the one shared
// last name and store the choice at once. It is kept even
// when the write then fails, so the next dialog offers the same name to try
// again.
QString AskSharedSaveName(QWidget* parent, Dialogs& dialogs, const QString& title, const QString& filter,
                          const QString& suffix, QString& lastSavedFileName)
{
    FileRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.initialName = WithEnding(lastSavedFileName, suffix);
    request.confirmOverwrite = true;
    const QString path = dialogs.saveFileName(parent, request);
    if (!path.isEmpty())
        lastSavedFileName = path;
    return path;
}

}  // namespace

bool SaveReading(QWidget* parent, Dialogs& dialogs, const Reading& reading, int zoneIndex,
                 QString& lastSavedFileName)
{
    const QString path = AskSharedSaveName(parent, dialogs, MessageTitle(), ReadingFilter(), kReadingSuffix,
                                           lastSavedFileName);
    if (path.isEmpty())
        return false;

    const Result<std::string> file = ComposeReadingFile(reading.birthData, zoneIndex);
    if (!file) {
        ShowProblem(dialogs, parent, file.problem());
        return false;
    }
    return WriteOrReport(path, file.value(), dialogs, parent);
}

bool OpenSavedReading(QWidget* parent, Dialogs& dialogs, FormValues& form, QString* chosenPath)
{
    FileRequest request;
    request.title = FileCommandWords::tr("Select the source file");
    request.filter = ReadingFilter();
    request.defaultSuffix = kReadingSuffix;
    request.confirmOverwrite = false;
    const QString path = dialogs.openFileName(parent, request);
    if (path.isEmpty())
        return false;
    if (chosenPath)
        *chosenPath = path;
    return OpenReadingAt(parent, dialogs, path, form);
}

bool OpenReadingAt(QWidget* parent, Dialogs& dialogs, const QString& path, FormValues& form)
{
    // A wrong ending, a folder or named pipe under a reading file's name, or
    // bytes no reading holds, is no reading file; OpenReadingFile refuses them
    // (a pipe without waiting on it) and the form stays as it was. What else
    // can go wrong is reading the file, and says why.
    const Result<ReadingLines> opened = OpenReadingFile(QFile::encodeName(path).toStdString());
    if (!opened) {
        ShowProblem(dialogs, parent, opened.problem(), path);
        return false;
    }
    ApplyReadingLines(opened.value(), form);
    return true;
}

bool ExportChartAsText(QWidget* parent, Dialogs& dialogs, const Reading& reading, QString& lastSavedFileName)
{
    const QString path = AskSharedSaveName(parent, dialogs, FileCommandWords::tr("Select the destination text file "),
                                           FileCommandWords::tr("Export Chart As Text (*.txt)"), QStringLiteral("txt"),
                                           lastSavedFileName);
    if (path.isEmpty())
        return false;
    return WriteOrReport(path, words::ComposeTextExport(reading), dialogs, parent);
}

QString ExportMatchAsText(QWidget* parent, Dialogs& dialogs, const Reading& bride, const Reading& groom,
                          const Match& match, QString& lastSavedFileName)
{
    const QString path = AskSharedSaveName(parent, dialogs, FileCommandWords::tr("Export Match As Text"),
                                           FileCommandWords::tr("Text (*.txt)"), QStringLiteral("txt"),
                                           lastSavedFileName);
    if (path.isEmpty() || !WriteOrReport(path, words::ComposeMatchText(bride, groom, match), dialogs, parent))
        return {};
    return path;
}

QString SaveAsJpeg(QWidget* parent, Dialogs& dialogs, QWidget& readingView, QString& lastSavedFileName)
{
    // Captured before the dialog, as the window looked when the command came.
    const QImage picture = CaptureWindow(readingView);

    FileRequest request;
    request.filter = FileCommandWords::tr("JPEG Image (*.jpg)");
    request.defaultSuffix = QStringLiteral("jpg");
    request.initialName = WithEnding(lastSavedFileName, request.defaultSuffix);
    // The numbered names never overwrite anything, so there is nothing to ask.
    request.confirmOverwrite = false;
    const QString path = dialogs.saveFileName(parent, request);
    if (path.isEmpty())
        return {};
    lastSavedFileName = path;
    return SaveWindowAsJpeg(path, picture, dialogs, parent);
}

QString SaveAsPdf(QWidget* parent, Dialogs& dialogs, QWidget& readingView, QString& lastSavedFileName)
{
    const QString path = AskSharedSaveName(parent, dialogs, FileCommandWords::tr("Save As PDF"),
                                           FileCommandWords::tr("PDF Document (*.pdf)"), QStringLiteral("pdf"),
                                           lastSavedFileName);
    if (path.isEmpty())
        return {};
    QString reason;
    if (!WriteReadingPdf(path, readingView, PageSizeFor(QLocale()), reason)) {
        ShowWriteFailure(dialogs, parent, path, reason);
        return {};
    }
    return path;
}

}  // namespace varelio::app
