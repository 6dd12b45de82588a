#include "app/ChartChoice.h"

#include <QSettings>

namespace varelio::app {

namespace {

const QString kStyleKey = QStringLiteral("chart/style");
const QString kChartKey = QStringLiteral("chart/chart");
const QString kColourKey = QStringLiteral("chart/colour");

// The settings hold names, not enum numbers, so a reordering cannot turn one
// choice into another.
constexpr std::pair<drawing::ChartStyle, const char*> kStyleNames[] = {
    {drawing::ChartStyle::South, "south"}, {drawing::ChartStyle::North, "north"}, {drawing::ChartStyle::East, "east"}};

QString ChartKeyName(DivisionalChart chart)
{
    return QStringLiteral("D%1").arg(DivisionOf(chart).parts);
}

}  // namespace

ChartChoice StoredChartChoice()
{
    const QSettings settings;
    ChartChoice choice;
    const QString style = settings.value(kStyleKey).toString();
    for (const auto& [value, name] : kStyleNames)
        if (style == QLatin1String(name))
            choice.style = value;
    const QString chart = settings.value(kChartKey).toString();
    for (const Division& division : kDivisions)
        if (chart == ChartKeyName(division.chart))
            choice.chart = division.chart;
    choice.colour = settings.value(kColourKey, false).toBool();
    return choice;
}

void StoreChartChoice(const ChartChoice& choice)
{
    QSettings settings;
    for (const auto& [value, name] : kStyleNames)
        if (value == choice.style)
            settings.setValue(kStyleKey, QLatin1String(name));
    settings.setValue(kChartKey, ChartKeyName(choice.chart));
    settings.setValue(kColourKey, choice.colour);
}

}  // namespace varelio::app
