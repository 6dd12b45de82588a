#include "cli/ReadingJson.h"

#include <QJsonArray>

#include <cmath>

namespace varelio::cli {
namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

QJsonObject BirthDataJson(const BirthData& b) {
    return QJsonObject{
        {"name", Text(b.name)},
        {"day", b.day},
        {"month", b.month},
        {"year", b.year},
        {"hour", b.hour},
        {"minute", b.minute},
        {"zoneHoursAbs", b.zoneHoursAbs},
        {"zoneMinutesAbs", b.zoneMinutesAbs},
        {"lonDegrees", b.lonDegrees},
        {"lonMinutes", b.lonMinutes},
        {"latDegrees", b.latDegrees},
        {"latMinutes", b.latMinutes},
        {"east", b.east},
        {"south", b.south},
        {"dst", b.dst},
        {"city", Text(b.city)},
        {"state", Text(b.state)},
        {"country", Text(b.country)},
        {"zoneHours", b.zoneHours},
        {"zoneMinutes", b.zoneMinutes},
    };
}

QJsonObject SummaryJson(const ReadingSummary& s) {
    return QJsonObject{
        {"ayanamsaDisplay", Text(s.ayanamsaDisplay)},   {"lagnaAbbreviation", Text(s.lagnaAbbreviation)},
        {"lagnaSignName", Text(s.lagnaSignName)},       {"nakshatraDisplay", Text(s.nakshatraDisplay)},
        {"rashiDisplay", Text(s.rashiDisplay)},         {"nakshatraLord", Text(s.nakshatraLord)},
        {"nakshatraPada", Text(s.nakshatraPada)},
    };
}

// The eleven bodies, Sun to Midheaven; the table's empty last slot is left out.
QJsonArray BodiesJson(const BodyTable& table) {
    QJsonArray array;
    for (int b = 0; b < kBodyCount; ++b) array.append(Text(table[static_cast<std::size_t>(b)]));
    return array;
}

template <std::size_t N>
QJsonArray TextsJson(const std::array<std::string, N>& texts) {
    QJsonArray array;
    for (const std::string& text : texts) array.append(Text(text));
    return array;
}

QJsonValue CancellationJson(const std::optional<Cancellation>& cancellation) {
    if (!cancellation) return QJsonValue::Null;
    return QJsonObject{{"rule", cancellation->rule}, {"reason", Text(cancellation->reason)}};
}

QJsonValue MinutesJson(const std::optional<int>& minutes) {
    return minutes ? QJsonValue(*minutes) : QJsonValue(QJsonValue::Null);
}

QJsonObject ReferenceWindowJson(const ReferenceWindow& w) {
    return QJsonObject{
        {"from", Text(w.from)},
        {"to", Text(w.to)},
        {"fromDay", w.fromDay},
        {"toDay", w.toDay},
        {"capped", QJsonObject{{"from", w.fromCapped}, {"to", w.toCapped}}},
        {"minutesToChange", QJsonObject{{"before", MinutesJson(w.minutesBefore)}, {"after", MinutesJson(w.minutesAfter)}}},
    };
}

QJsonObject VerdictWindowJson(const VerdictWindow& w) {
    return QJsonObject{
        {"lagna", ReferenceWindowJson(w.lagna)},
        {"moon", ReferenceWindowJson(w.moon)},
        {"marsToBoundary", w.marsToBoundary},
    };
}

QJsonObject VenusJson(const ManglikEvaluation& venus) {
    const bool known = venus.marsHouse != 0;
    return QJsonObject{
        {"house", known ? QJsonValue(venus.marsHouse) : QJsonValue(QJsonValue::Null)},
        {"percentage", known ? QJsonValue(Text(venus.doshaPercentage)) : QJsonValue(QJsonValue::Null)},
        {"verdict", Text(venus.captions[2])},
    };
}

// A cancellation only means something where there is a dosha to cancel.
QJsonValue CancellationOfVerdict(const Reading& reading, std::size_t run) {
    return reading.manglikVerdicts[run] ? CancellationJson(reading.cancellations[run]) : QJsonValue(QJsonValue::Null);
}

QJsonObject RetrogradeJson(const std::array<bool, kRetrogradeCount>& flags) {
    QJsonObject object;
    for (std::size_t k = 0; k < flags.size(); ++k) {
        const std::string_view planet = kBodyNamesEnglish[kMercury + k];
        object.insert(QString::fromUtf8(planet.data(), static_cast<qsizetype>(planet.size())), flags[k]);
    }
    return object;
}

}  // namespace

QJsonObject ReadingToJson(const Reading& reading) {
    const ChartState& c = reading.chartState;
    return QJsonObject{
        {"birthData", BirthDataJson(reading.birthData)},
        {"julianDayNumber", c.julianDayNumber},
        {"universalTime", c.universalTime},
        {"centuries1900", c.centuries1900},
        {"localSiderealTime", c.localSiderealTime},
        {"obliquity", c.obliquity},
        {"ayanamsa", c.ayanamsa},
        {"ascendant", c.ascendant},
        {"midheaven", c.midheaven},
        {"moonLongitude", c.moonLongitude},
        {"ayanamsaText", Text(c.ayanamsaText)},
        {"ascendantText", Text(c.ascendantText)},
        {"midheavenText", Text(c.midheavenText)},
        {"moonPositionText", Text(c.moonPositionText)},
        {"moonNakshatraName", Text(c.moonNakshatraName)},
        {"moonRashiName", Text(c.moonRashiName)},
        {"moonSignName", Text(c.moonSignName)},
        {"bodyNames", BodiesJson(c.bodyNames)},
        {"bodyNamesSanskrit", BodiesJson(c.bodyNamesSanskrit)},
        {"bodyPositionText", BodiesJson(c.bodyPositionText)},
        {"summary", SummaryJson(reading.summary)},
        {"manglik", TextsJson(reading.manglikCaptions)},
        {"cancellation",
         QJsonObject{{"lagna", CancellationOfVerdict(reading, 0)}, {"moon", CancellationOfVerdict(reading, 1)}}},
        {"manglikFromVenus", VenusJson(reading.manglikFromVenus)},
        {"verdictWindow", VerdictWindowJson(reading.verdictWindow)},
        {"retrograde", RetrogradeJson(reading.retrogradeFlags)},
        {"chart", TextsJson(reading.chartCells)},
    };
}

QJsonObject PlaceToJson(const Place& place, const ZoneEntry& zone) {
    auto known = [&zone](QJsonValue value) { return zone.found ? value : QJsonValue(QJsonValue::Null); };
    return QJsonObject{
        {"city", Text(place.city)},
        {"state", Text(place.state)},
        {"country", Text(place.country)},
        {"latitude", place.latitudeDegrees},
        {"longitude", place.longitudeDegrees},
        {"zone", Text(place.zoneId)},
        {"offsetMinutes", known(static_cast<int>(std::lround(zone.facts.utcOffsetSeconds / 60.0)))},
        {"zoneRow", known(zone.choice.zoneIndex)},
        {"dst", known(zone.choice.dst)},
        {"note", Text(zone.note.text)},
        {"warning", zone.note.warning},
    };
}

}  // namespace varelio::cli
