// Small pieces both data generators use.
#pragma once

#include <swephexp.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

namespace varelio::tools {

// Ends the generator with its name and the reason on standard error.
[[noreturn]] inline void FailWith(const char* program, const std::string& message) {
    std::cerr << program << ": " << message << '\n';
    std::exit(1);
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
inline std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * static_cast<unsigned>(m > 2 ? m - 3 : m + 9) + 2) / 5 + static_cast<unsigned>(d) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// The library's position of a body at a universal-time Julian day: longitude,
// latitude, distance and their speeds. Without its data files the library
// falls back to a lesser ephemeris silently; the committed tables must not
// depend on which files happen to be found, so that is a failure too.
inline std::array<double, 6> CalcUt(const char* program, int body, double jdUt, std::int32_t flags) {
    std::array<double, 6> xx{};
    char error[AS_MAXCH] = {};
    const std::int32_t result = swe_calc_ut(jdUt, body, flags | SEFLG_SWIEPH, xx.data(), error);
    if (result < 0 || (result & SEFLG_SWIEPH) == 0) FailWith(program, std::string("ephemeris: ") + error);
    return xx;
}

}  // namespace varelio::tools
