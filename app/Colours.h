// The colours more than one part of the windows uses.
#pragma once

#include <QColor>

namespace varelio::app {

// Text that warns: the input window's note on an inexact time zone, the
// reading's warnings on the birth time.
inline const QColor kErrorColour(204, 0, 0);
// The program's purple: the input window's link band, the reading window's
// heading and button bands, the Lagna's verdict box.
inline const QColor kPurple(154, 54, 171);
// The reading's orange: the heading's "Varelio" and the verdict lines.
inline const QColor kOrange(255, 128, 0);

}  // namespace varelio::app
