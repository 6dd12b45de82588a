#include "app/PictureExport.h"

#include "app/FileWriting.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>
#include <QWidget>

namespace varelio::app {

namespace {

// The translators' context of the picture export's words.
class PictureWords {
    Q_DECLARE_TR_FUNCTIONS(PictureExport)
};

// The one deliberate seam: tests pretend the JPEG writer is missing.
std::optional<bool> forcedJpegWriter;

constexpr int kMaxCopies = 999;
constexpr int kJpegQuality = 100;
// Stands in for a chosen name with nothing before its first dot.
const QString kPlainStem = QStringLiteral("chart");

bool WriteJpeg(const QImage& image, const QString& path, QString& error)
{
    if (!JpegWriterAvailable()) {
        error = PictureWords::tr("No JPEG writer is installed.");
        return false;
    }
    // Encoded in memory and written whole: a failed write says the system's
    // reason (a full disk, a size limit), which the encoder would not.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    if (!writer.write(image)) {
        error = writer.errorString();
        return false;
    }
    return WriteWholeFile(path, bytes, &error);
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

bool NameTaken(const QString& path)
{
    // A link is taken even when it leads nowhere: a save through it would
    // write wherever it points.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
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

    if (fileName.startsWith(QLatin1Char('.')))
        fileName.prepend(kPlainStem);  // never a hidden picture
    if (fileName.isEmpty())
        fileName = TimestampName(true, clock) + QLatin1String(".jpg");
    else if (fileName.contains(QLatin1Char('.')))
        fileName.replace(QLatin1String(".bmp"), QLatin1String(".jpg"));
    else
        fileName += QLatin1String(".jpg");

    if (!NameTaken(folder + fileName))
        return folder + fileName;

    for (int n = 1; n <= kMaxCopies; ++n) {
        QString candidate = fileName;
        candidate.replace(QLatin1Char('.'), QStringLiteral("_%1.").arg(n, 3, 10, QLatin1Char('0')));
        if (!NameTaken(folder + candidate))
            return folder + candidate;
    }
    dialogs.message(parent, PictureWords::tr("There are too many Copies of this file  %1").arg(fileName),
                    MessageIcon::Error, PictureWords::tr(" UNABLE  TO  CREATE  NEW  FILE%1").arg(fileName));
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

QString SaveWindowAsJpeg(const QString& path, const QImage& captured, Dialogs& dialogs, QWidget* parent,
                         const LocalClock& clock)
{
    const PathParts parts = SplitPath(path);
    QString fileName = parts.fileName;
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        fileName.truncate(dot);
    // ".x" or ".mychart.jpg" would otherwise become the hidden ".jpg".
    if (fileName.isEmpty())
        fileName = kPlainStem;
    fileName += QLatin1String(".jpg");

    const QString finalPath = UniqueFileName(parts.folder, fileName, dialogs, parent, clock);
    if (finalPath.isEmpty())
        return {};

    QString error;
    if (!WriteJpeg(captured, finalPath, error)) {
        ShowWriteFailure(dialogs, parent, finalPath, error);
        return {};
    }
    return finalPath;
}

}  // namespace varelio::app
