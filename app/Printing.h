// Printing the reading view: the whole view on one page, as large as the page
// allows with its proportions kept, centred.
#pragma once

#include "app/Dialogs.h"

#include <QRectF>
#include <QSizeF>

class QPainter;
class QPrinter;
class QWidget;

namespace varelio::app {

// The largest rectangle of content's proportions inside page, centred in it.
QRectF FitRect(const QSizeF& content, const QRectF& page);

// Draws widget (with its children and background) into FitRect of page; the
// widgets paint themselves, the Rasi chart through RasiChart::draw.
void DrawScaledToFit(QWidget& widget, QPainter& painter, const QRectF& page);

// "&Print": the printer dialog; on confirmation readingView, scaled to one page.
void PrintReading(QWidget* parent, Dialogs& dialogs, QWidget& readingView);
// The same on a printer the caller prepared (a PDF file, for instance).
void PrintReading(QWidget* parent, Dialogs& dialogs, QWidget& readingView, QPrinter& printer);

}  // namespace varelio::app
