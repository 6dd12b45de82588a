#include "app/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace varelio::app {

QRect FitFrame(const QRect& wantedFrame, const QRect& available)
{
    const QSize size = wantedFrame.size().boundedTo(available.size());
    const int left = std::clamp(wantedFrame.left(), available.left(), available.left() + available.width() - size.width());
    const int top = std::clamp(wantedFrame.top(), available.top(), available.top() + available.height() - size.height());
    return {QPoint(left, top), size};
}

void KeepOnScreen(QWidget& window)
{
    const QScreen* shown = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!shown || window.isMaximized() || window.isFullScreen())
        return;
    const QRect frame = window.frameGeometry();
    const QRect fitted = FitFrame(frame, shown->availableGeometry());
    if (fitted == frame)
        return;
    // resize() sets the inside, move() places the frame.
    window.resize(fitted.size() - (frame.size() - window.size()));
    window.move(fitted.topLeft());
}

}  // namespace varelio::app
