// The companion's --chart-image: the chart the reading window draws, written
// as SVG or PNG by drawing/ in a module the companion loads only for this
// option (cli/ChartImageModule.cpp), so a run without it never loads QtGui
// and starts as fast as before.
#pragma once

#include "cli/ChartImageData.h"
#include "cli/Failure.h"
#include "charts/DivisionalCharts.h"
#include "reading/Reading.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCoreApplication;

namespace varelio::cli {

// The styles in the drawing's order (drawing::ChartStyle): South, North, East.
enum class ChartImageStyle { South, North, East };

struct ChartImageRequest {
    std::string path;  // ending in .svg or .png, any case; the bytes given
    bool png = false;  // the ending is .png
    ChartImageStyle style = ChartImageStyle::South;
    DivisionalChart chart = DivisionalChart::Rasi;
};

ChartImageData ChartImageOf(const ChartImageRequest& request, const Reading& reading);

// Draws the picture into bytes, which the companion writes; false when it
// could not be drawn.
using ChartImageDrawer = std::function<bool(const ChartImageData&, std::string& bytes)>;

// "south", "north", "east"; "D1" .. "D12" of the seven charts (a lower-case
// "d" too); nothing for any other name.
std::optional<ChartImageStyle> ChartImageStyleNamed(std::string_view name);
std::optional<DivisionalChart> VargaNamed(std::string_view name);

// Whether the arguments ask for a picture (--chart-image, in any of the
// forms the parser takes), looked at before the application object is made.
bool WantsChartImage(int argc, char** argv);

// The loaded module: it makes the run's application object (a QGuiApplication
// on the offscreen platform, so no display is needed) and draws pictures.
class ChartImageModule {
public:
    // Loads the module beside the executable, or where it is installed;
    // failure says why.
    static std::unique_ptr<ChartImageModule> Load(Failure& failure);
    ~ChartImageModule();
    ChartImageModule(const ChartImageModule&) = delete;
    ChartImageModule& operator=(const ChartImageModule&) = delete;

    std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) const;
    ChartImageDrawer Drawer() const;

private:
    ChartImageModule() = default;
    void* handle_ = nullptr;
    QCoreApplication* (*makeApplication_)(int*, char**) = nullptr;
    bool (*draw_)(const ChartImageData*, std::string*) = nullptr;
};

}  // namespace varelio::cli
