// A chart as the bytes of a picture file, SVG or PNG, drawn as the reading
// window draws it; the companion's --chart-image writes them.
#pragma once

#include "drawing/ChartDrawing.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace varelio::drawing {

enum class PictureFormat { Svg, Png };

// By the file name's ending, ".svg" or ".png" in any case; nothing for another.
std::optional<PictureFormat> PictureFormatOf(const QString& path);

// The picture of the chart at its own size (kChartSize); nothing when it
// could not be drawn.
std::optional<QByteArray> ChartPicture(PictureFormat format, const ChartContent& content, const ChartLook& look);

}  // namespace varelio::drawing
