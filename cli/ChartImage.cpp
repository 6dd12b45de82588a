#include "cli/ChartImage.h"

#include "words/English.h"
#include "words/Reading.h"

#include <QCoreApplication>

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string_view>

namespace varelio::cli {

namespace {

constexpr std::string_view kModuleName = "varelio-chart-image.so";

// The folder of the running executable.
std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return ".";
    const std::string_view whole(path, static_cast<std::size_t>(length));
    const std::size_t slash = whole.rfind('/');
    return slash == std::string_view::npos ? std::string(".") : std::string(whole.substr(0, slash));
}

}  // namespace

ChartImageData ChartImageOf(const ChartImageRequest& request, const Reading& reading) {
    ChartImageData data;
    data.png = request.png;
    data.style = static_cast<int>(request.style);
    const words::English english;
    data.title = words::ChartName(english, request.chart);
    data.signs = SignsInChart(request.chart, reading.chartState);
    data.labels = words::ChartLabels(english, reading.chartState);
    return data;
}

std::optional<ChartImageStyle> ChartImageStyleNamed(std::string_view name) {
    if (name == "south") return ChartImageStyle::South;
    if (name == "north") return ChartImageStyle::North;
    if (name == "east") return ChartImageStyle::East;
    return std::nullopt;
}

std::optional<DivisionalChart> VargaNamed(std::string_view name) {
    if (name.size() < 2 || (name[0] != 'D' && name[0] != 'd')) return std::nullopt;
    for (const Division& division : kDivisions) {
        if (name.substr(1) == std::to_string(division.parts)) return division.chart;
    }
    return std::nullopt;
}

bool WantsChartImage(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument == "--") return false;
        while (!argument.empty() && argument.front() == '-') argument.remove_prefix(1);
        if (argument == "chart-image" || argument.starts_with("chart-image=")) return true;
    }
    return false;
}

std::unique_ptr<ChartImageModule> ChartImageModule::Load(Failure& failure) {
    // Beside the executable in the build tree; installed, in the library folder.
    const std::string folder = ExecutableFolder();
    const std::string places[] = {folder + "/" + std::string(kModuleName),
                                  folder + "/" VARELIO_MODULE_FROM_BINARY "/" + std::string(kModuleName)};
    std::string reasons;
    for (const std::string& place : places) {
        void* handle = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            reasons += std::string("\n  ") + dlerror();
            continue;
        }
        std::unique_ptr<ChartImageModule> module(new ChartImageModule);
        module->handle_ = handle;
        module->makeApplication_ = reinterpret_cast<QCoreApplication* (*)(int*, char**)>(
            dlsym(handle, "varelio_chart_image_application"));
        module->draw_ =
            reinterpret_cast<bool (*)(const ChartImageData*, std::string*)>(dlsym(handle, "varelio_draw_chart_image"));
        if (module->makeApplication_ != nullptr && module->draw_ != nullptr) return module;
        reasons += "\n  " + place + ": not the chart picture module";
    }
    failure = Stop("--chart-image needs the chart picture module " + std::string(kModuleName) +
                       ", which could not be loaded:" + reasons,
                   kExitWriteFailed);
    return nullptr;
}

ChartImageModule::~ChartImageModule() {
    // Qt's plugins and the application object may still refer to the
    // module's code at exit, so it stays mapped.
}

std::unique_ptr<QCoreApplication> ChartImageModule::MakeApplication(int& argc, char** argv) const {
    return std::unique_ptr<QCoreApplication>(makeApplication_(&argc, argv));
}

ChartImageDrawer ChartImageModule::Drawer() const {
    return [draw = draw_](const ChartImageData& data, std::string& bytes) { return draw(&data, &bytes); };
}

}  // namespace varelio::cli
