// Printing the reading child: the whole window on one page, as large as the
// page allows with its proportions kept, centred.
#pragma once

#include <QRectF>
#include <QSizeF>

class QPainter;
class QWidget;

namespace varelio::app {

// The largest rectangle of content's proportions inside page, centred in it.
QRectF FitRect(const QSizeF& content, const QRectF& page);

// Draws widget (with its children and background) into FitRect of page.
void DrawScaledToFit(QWidget& widget, QPainter& painter, const QRectF& page);

}  // namespace varelio::app
