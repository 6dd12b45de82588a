#include "app/Printing.h"

#include "app/FileWriting.h"
#include "VarelioVersion.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>

namespace varelio::app {

namespace {

// The translators' context of printing's words.
class PrintingWords {
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

std::optional<bool> forcedPrinterInstalled;

// Room round the view, so a printer that cannot print to the paper's edge
// keeps all of it.
constexpr qreal kPdfMarginMillimetres = 12;

}  // namespace

QRectF FitRect(const QSizeF& content, const QRectF& page)
{
    if (content.isEmpty() || page.isEmpty())
        return {};
    const qreal scale = std::min(page.width() / content.width(), page.height() / content.height());
    const QSizeF size = content * scale;
    return {page.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

void DrawScaledToFit(QWidget& widget, QPainter& painter, const QRectF& page, bool withBackground)
{
    const QSizeF content = widget.size();
    const QRectF target = FitRect(content, page);
    if (target.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / content.width(), target.height() / content.height());
    QWidget::RenderFlags flags = QWidget::DrawChildren;
    if (withBackground)
        flags |= QWidget::DrawWindowBackground;
    widget.render(&painter, QPoint(), QRegion(), flags);
    painter.restore();
}

bool PrinterInstalled()
{
    if (forcedPrinterInstalled)
        return *forcedPrinterInstalled;
    return !QPrinterInfo::availablePrinters().isEmpty();
}

void SetPrinterInstalledForTesting(std::optional<bool> forced)
{
    forcedPrinterInstalled = forced;
}

void PrintReading(QWidget* parent, Dialogs& dialogs, QWidget& readingView, QPrinter& printer)
{
    if (!dialogs.choosePrinter(parent, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        dialogs.message(parent, PrintingWords::tr("Could not start printing on \"%1\".").arg(where),
                        MessageIcon::Error);
        return;
    }
    // The painter's origin is the page's printable area.
    DrawScaledToFit(readingView, painter, QRectF(0, 0, printer.width(), printer.height()));
    painter.end();
}

void PrintReading(QWidget* parent, Dialogs& dialogs, QWidget& readingView)
{
    // Without a printer Qt's dialog offers nothing to print on, and the page
    // would go to a nameless file.
    if (!PrinterInstalled()) {
        dialogs.message(parent, PrintingWords::tr("No printer is installed. Use Save As PDF to keep a printable copy."),
                        MessageIcon::Information);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    PrintReading(parent, dialogs, readingView, printer);
}

QPageSize PageSizeFor(const QLocale& locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QByteArray ReadingPdf(QWidget& readingView, const QPageSize& pageSize)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Varelio " VARELIO_VERSION));
        writer.setTitle(PrintingWords::tr("Varelio reading"));
        const QPageLayout::Orientation turn =
            readingView.width() > readingView.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
        const qreal m = kPdfMarginMillimetres;
        writer.setPageLayout(QPageLayout(pageSize, turn, QMarginsF(m, m, m, m), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        // The painter starts inside the margins; the paper round them is white too.
        const QPageLayout layout = writer.pageLayout();
        const QRect paper = layout.fullRectPixels(writer.resolution());
        const QRect inside = layout.paintRectPixels(writer.resolution());
        painter.fillRect(paper.translated(-inside.topLeft()), Qt::white);
        // The view's own grey window colour stays off the page.
        DrawScaledToFit(readingView, painter, QRectF(0, 0, inside.width(), inside.height()), false);
        painter.end();
    }
    return bytes;
}

bool WriteReadingPdf(const QString& path, QWidget& readingView, const QPageSize& pageSize, QString& error)
{
    const QByteArray pdf = ReadingPdf(readingView, pageSize);
    if (pdf.isEmpty()) {
        error = PrintingWords::tr("The PDF page could not be drawn.");
        return false;
    }
    return WriteWholeFile(path, pdf, &error);
}

}  // namespace varelio::app
