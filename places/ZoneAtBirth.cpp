#include "places/ZoneAtBirth.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <string>

namespace varelio {
namespace {

constexpr qint64 kDaySeconds = 86400;
// Transitions looked at on either side for the standard time's abbreviation;
// Britain went five years without plain GMT in the war.
constexpr int kTransitionsSearched = 16;

QTimeZone::OffsetData OffsetAt(const QTimeZone& zone, qint64 utcSeconds) {
    return zone.offsetData(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC));
}

// The abbreviation of the zone's plain standard time nearest the moment.
std::string StandardAbbreviation(const QTimeZone& zone, const QTimeZone::OffsetData& at) {
    if (at.daylightTimeOffset == 0) return at.abbreviation.toStdString();
    QTimeZone::OffsetData before = at;
    QTimeZone::OffsetData after = at;
    for (int step = 0; step < kTransitionsSearched; ++step) {
        for (QTimeZone::OffsetData* side : {&before, &after}) {
            if (!side->atUtc.isValid()) continue;
            *side = side == &before ? zone.previousTransition(side->atUtc) : zone.nextTransition(side->atUtc);
            if (side->atUtc.isValid() && side->daylightTimeOffset == 0 &&
                side->offsetFromUtc == at.standardTimeOffset) {
                return side->abbreviation.toStdString();
            }
        }
    }
    return {};
}

}  // namespace

std::optional<ZoneFacts> ZoneFactsAt(std::string_view zoneId, const LocalClockTime& clock) {
    // An empty id would give the system's own zone.
    if (zoneId.empty()) return std::nullopt;
    const QTimeZone zone(QByteArray(zoneId.data(), static_cast<qsizetype>(zoneId.size())));
    const QDate date(clock.year, clock.month, clock.day);
    if (!zone.isValid() || !date.isValid()) return std::nullopt;

    // The clock reading counted as if it were universal time; the instant is
    // that minus the offset in force, which may change within a day of it.
    const qint64 local = QDateTime(date, QTime(0, 0), Qt::UTC).toSecsSinceEpoch() + clock.hour * 3600LL +
                         clock.minute * 60LL;
    const QTimeZone::OffsetData before = OffsetAt(zone, local - kDaySeconds);
    const QTimeZone::OffsetData after = OffsetAt(zone, local + kDaySeconds);
    int matches = 0;
    QTimeZone::OffsetData chosen = before;
    for (const QTimeZone::OffsetData* candidate : {&before, &after}) {
        if (candidate == &after && after.offsetFromUtc == before.offsetFromUtc) break;
        const QTimeZone::OffsetData at = OffsetAt(zone, local - candidate->offsetFromUtc);
        if (at.offsetFromUtc != candidate->offsetFromUtc) continue;
        // The earlier instant of a repeated time has the larger offset.
        if (matches == 0 || at.offsetFromUtc > chosen.offsetFromUtc) chosen = at;
        ++matches;
    }

    ZoneFacts facts;
    facts.clockTime = matches == 0 ? ClockTime::Skipped : matches == 1 ? ClockTime::Single : ClockTime::Repeated;
    facts.utcOffsetSeconds = chosen.offsetFromUtc;
    facts.abbreviation = chosen.abbreviation.toStdString();
    // Ireland's winter is summer time run backwards in the tz database; the
    // clock then in force is read as standard time.
    facts.summerTime = chosen.daylightTimeOffset > 0;
    facts.standardOffsetSeconds = facts.summerTime ? chosen.standardTimeOffset : chosen.offsetFromUtc;
    facts.standardAbbreviation = facts.summerTime ? StandardAbbreviation(zone, chosen) : facts.abbreviation;
    return facts;
}

}  // namespace varelio
