// The module behind --chart-image: the picture drawn by drawing/, as the
// reading window draws it.
#include "cli/ChartImageData.h"

#include "drawing/ChartPicture.h"

#include <QGuiApplication>

QCoreApplication* varelio_chart_image_application(int* argc, char** argv)
{
    // The picture needs fonts but no screen: the companion runs without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(*argc, argv);
}

bool varelio_write_chart_image(const varelio::cli::ChartImageData* data, std::string* error)
{
    using namespace varelio::drawing;
    const QString path = QString::fromStdString(data->path);
    const std::optional<PictureFormat> format = PictureFormatOf(path);
    if (!format) {
        *error = "not an .svg or .png file";
        return false;
    }
    ChartContent content;
    content.title = QString::fromStdString(data->title);
    content.signs = data->signs;
    for (std::size_t b = 0; b < content.labels.size(); ++b)
        content.labels[b] = QString::fromStdString(data->labels[b]);
    QString reason;
    if (WriteChartPicture(path, *format, content, ChartLook{static_cast<ChartStyle>(data->style), false}, reason))
        return true;
    *error = reason.toStdString();
    return false;
}
