// The reading as the companion's JSON object. The key names are a contract
// with scripts that read the output; never rename them.
#pragma once

#include "places/PlaceEntry.h"
#include "reading/Reading.h"

#include <QJsonObject>

namespace varelio::cli {

QJsonObject ReadingToJson(const Reading& reading);

// The place --place chose: its names and coordinates as GeoNames gives them,
// its IANA zone, the tz database's offset in minutes, the zone row and DST box
// it gave and the note (offset, row and box are null when the zone or date was
// unknown).
QJsonObject PlaceToJson(const Place& place, const ZoneEntry& zone);

}  // namespace varelio::cli
