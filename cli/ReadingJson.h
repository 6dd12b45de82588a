// The reading as the companion's JSON object. The key names are a contract
// with scripts that read the output; never rename them.
#pragma once

#include "reading/Reading.h"

#include <QJsonObject>

namespace varelio::cli {

QJsonObject ReadingToJson(const Reading& reading);

}  // namespace varelio::cli
