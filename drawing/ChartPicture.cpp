#include "drawing/ChartPicture.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
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

bool WriteChartPicture(const QString& path, PictureFormat format, const ChartContent& content,
                       const ChartLook& look, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    bool drawn = false;
    if (format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(kScreenDpi);
        svg.setSize(kChartSize);
        svg.setViewBox(QRect(QPoint(0, 0), kChartSize));
        svg.setTitle(content.title);
        drawn = Draw(svg, content, look);
    } else {
        QImage image(kChartSize, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(kScreenDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        image.fill(Qt::white);
        drawn = Draw(image, content, look);
        QImageWriter writer(&file, "png");
        if (drawn && !writer.write(image)) {
            error = file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
            file.cancelWriting();
            return false;
        }
    }
    if (!drawn || file.error() != QFileDevice::NoError) {
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

}  // namespace varelio::drawing
