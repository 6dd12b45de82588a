#include "app/Printing.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace varelio::app {

QRectF FitRect(const QSizeF& content, const QRectF& page)
{
    if (content.isEmpty() || page.isEmpty())
        return {};
    const qreal scale = std::min(page.width() / content.width(), page.height() / content.height());
    const QSizeF size = content * scale;
    return {page.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

void DrawScaledToFit(QWidget& widget, QPainter& painter, const QRectF& page)
{
    const QSizeF content = widget.size();
    const QRectF target = FitRect(content, page);
    if (target.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / content.width(), target.height() / content.height());
    widget.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.restore();
}

void PrintReading(QWidget* parent, Dialogs& dialogs, QWidget& readingView, QPrinter& printer)
{
    if (!dialogs.choosePrinter(parent, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        dialogs.message(parent, QStringLiteral("Could not start printing on \"%1\".").arg(where), MessageIcon::Error,
                        kMessageTitle);
        return;
    }
    // The painter's origin is the page's printable area.
    DrawScaledToFit(readingView, painter, QRectF(0, 0, printer.width(), printer.height()));
    painter.end();
}

void PrintReading(QWidget* parent, Dialogs& dialogs, QWidget& readingView)
{
    QPrinter printer(QPrinter::HighResolution);
    PrintReading(parent, dialogs, readingView, printer);
}

}  // namespace varelio::app
