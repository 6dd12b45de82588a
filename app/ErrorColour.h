// The colour of text that warns: the input window's note on an inexact time
// zone, the reading's warnings on the birth time.
#pragma once

#include <QColor>

namespace varelio::app {

inline const QColor kErrorColour(204, 0, 0);

}  // namespace varelio::app
