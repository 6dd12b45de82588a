// A chart written as a picture file, SVG or PNG, drawn as the reading window
// draws it; the companion's --chart-image.
#pragma once

#include "drawing/ChartDrawing.h"

#include <QString>

#include <optional>

namespace varelio::drawing {

enum class PictureFormat { Svg, Png };

// By the file name's ending, ".svg" or ".png" in any case; nothing for another.
std::optional<PictureFormat> PictureFormatOf(const QString& path);

// Writes the chart at its own size (kChartSize), whole or not at all: an
// earlier file of that name survives a failure, whose reason is put in error.
bool WriteChartPicture(const QString& path, PictureFormat format, const ChartContent& content,
                       const ChartLook& look, QString& error);

}  // namespace varelio::drawing
