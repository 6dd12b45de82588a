// Printing the reading view and writing it as a PDF page: the whole view on
// one page, as large as the page allows with its proportions kept, centred.
#pragma once

#include "app/Dialogs.h"

#include <QPageSize>
#include <QRectF>
#include <QSizeF>

#include <optional>

class QLocale;
class QPainter;
class QPrinter;
class QWidget;

namespace varelio::app {

// The largest rectangle of content's proportions inside page, centred in it.
QRectF FitRect(const QSizeF& content, const QRectF& page);

// Draws widget (with its children, and its background unless told not to)
// into FitRect of page; the widgets paint themselves, the chart through
// drawing/ChartDrawing as on screen.
void DrawScaledToFit(QWidget& widget, QPainter& painter, const QRectF& page, bool withBackground = true);

// Whether any printer is installed (QPrinterInfo); tests may force the answer.
bool PrinterInstalled();
void SetPrinterInstalledForTesting(std::optional<bool> forced);

// "&Print": without an installed printer, "No printer is installed. Use Save
// As PDF to keep a printable copy." instead of the dialog; else the printer dialog and, on confirmation, readingView scaled to
// one page.
void PrintReading(QWidget* parent, Dialogs& dialogs, QWidget& readingView);
// The dialog and the page on a printer the caller prepared (a PDF file, for instance).
void PrintReading(QWidget* parent, Dialogs& dialogs, QWidget& readingView, QPrinter& printer);

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize PageSizeFor(const QLocale& locale);

// The PDF document of readingView: one page of pageSize, turned to the view's
// shape, white, with the view drawn as vectors and text, scaled to fit within
// a margin. Empty when no page could be drawn.
QByteArray ReadingPdf(QWidget& readingView, const QPageSize& pageSize);

// Writes ReadingPdf to path whole or not at all (an earlier file of that name
// survives a failure); on failure error says why.
bool WriteReadingPdf(const QString& path, QWidget& readingView, const QPageSize& pageSize, QString& error);

}  // namespace varelio::app
