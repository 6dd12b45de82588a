#include "formats/TextExport.h"

#include "astro/AngleText.h"
#include "astro/Signs.h"
#include "form/Form.h"
#include "formats/Cp1252.h"

#include <array>
#include <optional>
#include <string_view>

namespace varelio {
namespace {

// A separator line holds a lone CR, so with its line end it reads CR CR LF.
constexpr std::string_view kSeparator = "\r";

// A body's sign from its short-form position text.
std::optional<int> BodySign(const Reading& reading, int body) {
    return SignOfPosition(reading.chartState.bodyPositionText[static_cast<std::size_t>(body)]);
}

// Marks the house that holds Mars or the Moon, the two points the verdict
// counts from, with the dosha cancellation of that reckoning when the verdict
// was Manglik and a cancellation rule applied.
std::string VerdictNotes(const Reading& reading, std::size_t sign) {
    std::string notes;
    const auto note = [&](int body, std::string_view name, std::size_t run, std::string_view cancelled) {
        if (BodySign(reading, body) != static_cast<int>(sign)) {
            return;
        }
        notes += "; " + std::string(name) + " here";
        if (reading.manglikVerdicts[run] && reading.cancellations[run]) {
            notes += ", " + std::string(cancelled) + ": " + reading.cancellations[run]->reason;
        }
    };
    note(kMars, "Mars", 0, "dosha cancelled");
    note(kMoon, "Moon", 1, "dosha from the Moon cancelled");
    return notes;
}

}  // namespace

std::string HouseLordLine(const Reading& reading, int house) {
    std::string line = "House " + std::to_string(house);
    const auto lagna = SignIndexOf(reading.summary.lagnaAbbreviation);
    if (!lagna || house < 1 || house > 12) {
        return line + ": sign unknown";
    }
    const auto sign = static_cast<std::size_t>((*lagna + house - 1) % 12);
    line += " (" + std::string(kSignNames[sign].sanskrit) + "): lord " +
            std::string(kBodyNamesEnglish[kSignNames[sign].lord]);
    const auto lordSign = BodySign(reading, kSignNames[sign].lord);
    if (!lordSign) {
        line += ", position unknown";
    } else {
        line += " in house " + std::to_string((*lordSign - *lagna + 12) % 12 + 1);
    }
    return line + VerdictNotes(reading, sign);
}

std::string ComposeTextExport(const Reading& reading) {
    const BirthData& birth = reading.birthData;
    const ChartState& chart = reading.chartState;
    const ReadingSummary& summary = reading.summary;
    using std::to_string;

    std::array<std::string, kTextExportLines> lines;
    std::size_t n = 0;
    lines[n++] = "Name: " + birth.name;
    lines[n++] = "Date of Birth: " + std::string(MonthName(birth.month)) + " " + to_string(birth.day) + ", " + to_string(birth.year);
    lines[n++] = "Time of Birth: " + to_string(birth.hour) + " Hour " + to_string(birth.minute) + " Minute";
    // Unlike the time line, both coordinate lines end in a blank.
    lines[n++] = "Latitude: " + to_string(birth.latDegrees) + " Degree " + to_string(birth.latMinutes) + " Minute ";
    lines[n++] = "Longitude: " + to_string(birth.lonDegrees) + " Degree " + to_string(birth.lonMinutes) + " Minute ";
    lines[n++] = "City: " + birth.city;
    lines[n++] = "State: " + birth.state;
    lines[n++] = "Country: " + birth.country;
    lines[n++] = kSeparator;
    lines[n++] = "Planetary Position";
    for (std::size_t body = kSun; body <= kKetu; ++body) {
        lines[n++] = chart.bodyNames[body] + " " + chart.bodyPositionText[body];
    }
    lines[n++] = kSeparator;
    lines[n++] = "Other Planetary Details";
    lines[n++] = "Ayanamsa: " + summary.ayanamsaDisplay;
    lines[n++] = "Lagna / Asc: " + summary.lagnaSignName;
    lines[n++] = "Nakshatra: " + summary.nakshatraDisplay;
    lines[n++] = "Rashi / Moon Sign: " + chart.moonRashiName;
    lines[n++] = "Pada: " + summary.nakshatraPada;
    lines[n++] = "Lord: " + summary.nakshatraLord;
    lines[n++] = kSeparator;
    lines[n++] = "House Lord Interpretation";
    for (int house = 1; house <= 12; ++house) {
        lines[n++] = HouseLordLine(reading, house);
    }

    std::string file;
    for (const std::string& line : lines) {
        if (line == kSeparator) {
            file += line;
        } else {
            // A name read from a crafted file may hold control characters; they
            // must not break the file's line count.
            for (char c : Utf8ToCp1252Lossy(line)) {
                file += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
            }
        }
        file += "\r\n";
    }
    return file;
}

}  // namespace varelio
