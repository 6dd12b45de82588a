#include "astro/Chart.h"

#include "astro/Angles.h"
#include "astro/Moon.h"
#include "astro/Planets.h"

namespace varelio {

void ComputeChart(const BirthData& birth, ChartState& chart) {
    ComputeAngles(birth, chart);
    ComputeMoon(birth, chart);
    ComputePlanets(birth, chart);
}

}  // namespace varelio
