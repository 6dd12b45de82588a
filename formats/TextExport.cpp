#include "formats/TextExport.h"

#include "astro/AngleText.h"
#include "astro/Signs.h"
#include "form/Form.h"
#include "formats/Cp1252.h"
#include "formats/English.h"
#include "formats/Utf8.h"

#include <array>
#include <string_view>

namespace varelio {
namespace {

// A separator line holds a lone CR, so with its line end it reads CR CR LF.
constexpr std::string_view kSeparator = "\r";

int BodySign(const Reading& reading, BodyIndex body) { return reading.chartState.bodies[body].sign; }

// Marks the house that holds Mars or the Moon, the two points the verdict
// counts from, with the dosha cancellation of that reckoning when the verdict
// was Manglik and a cancellation rule applied.
std::string VerdictNotes(const Reading& reading, int sign) {
    std::string notes;
    const auto note = [&](BodyIndex body, ManglikReference reference, std::string_view cancelled) {
        if (BodySign(reading, body) != sign) return;
        notes += "; " + std::string(kBodyNamesEnglish[body]) + " here";
        if (const auto& cancellation = reading.of(reference).verdict.cancellation) {
            notes += ", " + std::string(cancelled) + ": " + english::CancellationReason(*cancellation, reference);
        }
    };
    note(kMars, ManglikReference::Lagna, "dosha cancelled");
    note(kMoon, ManglikReference::Moon, "dosha from the Moon cancelled");
    return notes;
}

}  // namespace

std::string HouseLordLine(const Reading& reading, int house) {
    std::string line = "House " + std::to_string(house);
    const int lagna = BodySign(reading, kAscendant);
    if (lagna == 0 || house < 1 || house > kHouseCount) {
        return line + ": sign unknown";
    }
    const int sign = SignInHouse(lagna, house);
    const SignName& name = kSignNames[static_cast<std::size_t>(sign - 1)];
    line += " (" + std::string(name.sanskrit) + "): lord " + std::string(kBodyNamesEnglish[name.lord]);
    const int lordHouse = HouseFrom(lagna, BodySign(reading, name.lord));
    if (lordHouse == 0) {
        line += ", position unknown";
    } else {
        line += " in house " + std::to_string(lordHouse);
    }
    return line + VerdictNotes(reading, sign);
}

std::string ComposeTextExport(const Reading& reading, TextEncoding encoding) {
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
    for (int house = 1; house <= kHouseCount; ++house) {
        lines[n++] = HouseLordLine(reading, house);
    }

    std::string file;
    for (const std::string& line : lines) {
        if (line == kSeparator) {
            file += line;
        } else if (encoding == TextEncoding::Windows1252) {
            // A name read from a crafted file may hold control characters; they
            // must not break the file's line count.
            for (char c : Utf8ToCp1252Lossy(line)) {
                file += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
            }
        } else {
            // Nor drive the terminal that shows the lines (C1 and DEL too).
            for (std::size_t pos = 0; pos < line.size();) {
                const std::optional<char32_t> c = NextCodePoint(line, pos);
                AppendUtf8(file, !c || *c < 0x20 || (*c >= 0x7F && *c < 0xA0) ? U'?' : *c);
            }
        }
        file += "\r\n";
    }
    return file;
}

}  // namespace varelio
