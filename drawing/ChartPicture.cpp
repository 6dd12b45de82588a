#include "drawing/ChartPicture.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

namespace varelio::drawing {

namespace {

// The picture's pixels are the screen's: 96 per inch, so the reading's 8
// point font is as large against the chart as in the window.
constexpr int kScreenDpi = 96;

bool Draw(QPaintDevice& device, const ChartContent& content, const ChartLook& look)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    DrawChart(painter, QRectF(QPointF(0, 0), QSizeF(kChartSize)), content, look);
    return painter.end();
}

}  // namespace

std::optional<PictureFormat> PictureFormatOf(const QString& path)
{
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return PictureFormat::Svg;
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return PictureFormat::Png;
    return std::nullopt;
}

std::optional<QByteArray> ChartPicture(PictureFormat format, const ChartContent& content, const ChartLook& look)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(kScreenDpi);
        svg.setSize(kChartSize);
        svg.setViewBox(QRect(QPoint(0, 0), kChartSize));
        svg.setTitle(content.title);
        if (!Draw(svg, content, look))
            return std::nullopt;
        return bytes;
    }
    QImage image(kChartSize, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(kScreenDpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    if (!Draw(image, content, look) || !QImageWriter(&buffer, "png").write(image))
        return std::nullopt;
    return bytes;
}

}  // namespace varelio::drawing
