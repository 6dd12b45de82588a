// What the companion hands its chart picture module (cli/ChartImage.h): one
// chart of one reading as plain values, and the module's two entry points.
// Plain values, as the module links none of the core's static libraries
// (built for the executables, not position-independent).
#pragma once

#include "astro/Records.h"

#include <array>
#include <string>

class QCoreApplication;

namespace varelio::cli {

struct ChartImageData {
    bool png = false;    // else SVG
    int style = 0;       // ChartImageStyle
    std::string title;   // "Navamsa (D9)"
    std::array<int, kBodyCount> signs{};  // 1 to 12 by body, 0: none
    std::array<std::string, kBodyCount> labels;  // each body's line in its cell, drawing::ChartContent's
};

}  // namespace varelio::cli

// Looked up by these names.
extern "C" {
QCoreApplication* varelio_chart_image_application(int* argc, char** argv);
// The picture's bytes; false when it could not be drawn.
bool varelio_draw_chart_image(const varelio::cli::ChartImageData* data, std::string* bytes);
}
