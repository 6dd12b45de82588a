#include "app/SaveForm.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPixmap>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QWidget>

namespace varelio::app {

namespace {

// The one deliberate seam: tests pretend the JPEG writer is missing.
std::optional<bool> forcedJpegWriter;

constexpr int kMaxCopies = 999;

// The temporary BMP beside the target. The natural name (target with ".bmp")
// is used only when nothing of that name exists; otherwise a fresh temporary
// name in the same folder, so no file of the user's is ever replaced.
bool OpenTemporaryBmp(const QString& finalPath, QFile& natural, QTemporaryFile& fallback, QFile*& chosen,
                      QString& error)
{
    QString base = finalPath;
    if (base.endsWith(QLatin1String(".jpg")))
        base.chop(4);
    const QString bmpPath = base + QLatin1String(".bmp");

    natural.setFileName(bmpPath);
    if (!QFileInfo::exists(bmpPath) && natural.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        chosen = &natural;
        return true;
    }
    fallback.setFileTemplate(base + QLatin1String("_XXXXXX.bmp"));
    if (fallback.open()) {
        chosen = &fallback;
        return true;
    }
    error = fallback.errorString();
    return false;
}

// QSaveFile::commit() misses a failure of its own final flush (disk full, a
// size limit) and would keep a cut-off file, so the flush is checked first.
bool FlushAndCommit(QSaveFile& file, QString& error)
{
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

}  // namespace

QImage CaptureWindow(QWidget& window)
{
    // rect() is the client area: a top-level window's frame is not part of it.
    return window.grab(window.rect()).toImage();
}

PathParts SplitPath(const QString& path)
{
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
    if (cut < 0)
        return {};
    // A file in the root keeps "/" as its folder; an empty folder would
    // otherwise mean the program's own folder.
    QString folder = cut == 0 ? QStringLiteral("/") : path.left(cut);
    return {folder, path.mid(cut + 1)};
}

bool FileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

QDateTime CurrentLocalTime()
{
    return QDateTime::currentDateTime();
}

QString TimestampName(bool shortForm, const LocalClock& clock)
{
    const QString full = clock().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
    return shortForm ? full.left(8) : full;
}

QString UniqueFileName(QString folder, QString fileName, Dialogs& dialogs, QWidget* parent,
                       const LocalClock& clock)
{
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    folder.replace(QLatin1String("//"), QLatin1String("/"));

    if (fileName.isEmpty())
        fileName = TimestampName(true, clock) + QLatin1String(".jpg");
    else if (fileName.contains(QLatin1Char('.')))
        fileName.replace(QLatin1String(".bmp"), QLatin1String(".jpg"));
    else
        fileName += QLatin1String(".jpg");

    if (!FileExists(folder + fileName))
        return folder + fileName;

    for (int n = 1; n <= kMaxCopies; ++n) {
        QString candidate = fileName;
        candidate.replace(QLatin1Char('.'), QStringLiteral("_%1.").arg(n, 3, 10, QLatin1Char('0')));
        if (!FileExists(folder + candidate))
            return folder + candidate;
    }
    dialogs.message(parent, QStringLiteral("There are too many Copies of this file  ") + fileName,
                    MessageIcon::Error, QStringLiteral(" UNABLE  TO  CREATE  NEW  FILE") + fileName);
    return {};
}

bool JpegWriterAvailable()
{
    if (forcedJpegWriter)
        return *forcedJpegWriter;
    const QList<QByteArray> formats = QImageWriter::supportedImageFormats();
    return formats.contains("jpeg") || formats.contains("jpg");
}

void SetJpegWriterAvailableForTesting(std::optional<bool> forced)
{
    forcedJpegWriter = forced;
}

bool BmpToJpeg(const QString& bmpPath, const QString& jpegPath, int quality, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!JpegWriterAvailable())
        return fail(QStringLiteral("No JPEG writer is installed."));

    QImageReader reader(bmpPath, "bmp");
    const QImage image = reader.read();
    if (image.isNull())
        return fail(reader.errorString());

    QSaveFile target(jpegPath);
    if (!target.open(QIODevice::WriteOnly))
        return fail(target.errorString());
    QImageWriter writer(&target, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(image)) {
        target.cancelWriting();
        return fail(writer.errorString());
    }
    QString why;
    return FlushAndCommit(target, why) || fail(why);
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
    } else if (FlushAndCommit(file, why)) {
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

QString SaveWindowAsJpeg(const QString& path, const QImage& captured, Dialogs& dialogs, QWidget* parent,
                         const LocalClock& clock)
{
    const PathParts parts = SplitPath(path);
    QString fileName = parts.fileName;
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        fileName.truncate(dot);
    fileName += QLatin1String(".jpg");

    const QString finalPath = UniqueFileName(parts.folder, fileName, dialogs, parent, clock);
    if (finalPath.isEmpty())
        return {};

    QFile natural;
    QTemporaryFile fallback;
    fallback.setAutoRemove(true);
    QFile* bmp = nullptr;
    QString error;
    if (!OpenTemporaryBmp(finalPath, natural, fallback, bmp, error)) {
        ShowFileFailure(dialogs, parent, finalPath, error);
        return {};
    }
    const QString bmpPath = bmp->fileName();

    QImageWriter bmpWriter(bmp, "bmp");
    bool bmpWritten = bmpWriter.write(captured);
    if (!bmpWritten)
        error = bmpWriter.errorString();
    else if (!(bmpWritten = bmp->flush()))
        error = bmp->errorString();
    bmp->close();

    const bool converted = bmpWritten && BmpToJpeg(bmpPath, finalPath, 100, &error);
    QFile::remove(bmpPath);
    if (!converted) {
        ShowFileFailure(dialogs, parent, finalPath, error);
        return {};
    }
    return finalPath;
}

}  // namespace varelio::app
