// Keeping a window within its screen's available area: a small screen, or a
// large scale factor (2 on 1280 x 1024 leaves 640 x 512), has less room than
// the windows' usual sizes.
#pragma once

#include <QRect>

class QWidget;

namespace varelio::app {

// wantedFrame cut down to the size of available and moved inside it.
QRect FitFrame(const QRect& wantedFrame, const QRect& available);

// Shrinks and moves a top-level window so that it lies within its screen's
// available area, with its frame once the platform has put one round it.
// A maximised or full-screen window is left to the platform.
void KeepOnScreen(QWidget& window);

}  // namespace varelio::app
