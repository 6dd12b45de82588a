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

bool varelio_draw_chart_image(const varelio::cli::ChartImageData* data, std::string* bytes)
{
    using namespace varelio::drawing;
    ChartContent content;
    content.title = QString::fromStdString(data->title);
    content.signs = data->signs;
    for (std::size_t b = 0; b < content.labels.size(); ++b)
        content.labels[b] = QString::fromStdString(data->labels[b]);
    const std::optional<QByteArray> picture =
        ChartPicture(data->png ? PictureFormat::Png : PictureFormat::Svg, content,
                     ChartLook{static_cast<ChartStyle>(data->style), false});
    if (!picture)
        return false;
    bytes->assign(picture->constData(), static_cast<std::size_t>(picture->size()));
    return true;
}
