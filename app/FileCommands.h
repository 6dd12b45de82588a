// The file commands of the reading and input windows: saved readings, the
// text export, the JPEG picture and printing. The windows only wire them up.
#pragma once

#include "app/Dialogs.h"
#include "app/SaveForm.h"
#include "form/Form.h"
#include "reading/Reading.h"

#include <QString>

class QWidget;
class QPrinter;

namespace varelio::app {

// "Save &As": writes the reading's birth data (zoneIndex is the input window's
// time-zone list position) to a chosen *.vrl file. lastSavedFileName is shared
// with the text export and takes the chosen name as soon as the dialog is
// confirmed, even when the save is then refused (a value the file cannot
// store, named in a message) or fails (a message names the file and reason;
// an earlier file of that name is left whole). Returns true when written.
bool SaveReading(QWidget* parent, Dialogs& dialogs, const Reading& reading, int zoneIndex,
                 QString& lastSavedFileName);

// "&Open Previously Saved Reading": asks for a file and fills form from it
// (a value that does not fit its list leaves that entry as it was). A name
// not ending in "vrl" is refused with "Please Check The File."; a file that
// cannot be read is reported. Returns true when the form was filled and the
// driver should run.
bool OpenSavedReading(QWidget* parent, Dialogs& dialogs, FormValues& form);

// "&Export Chart As Text": the bytes of ComposeTextExport, written whole or
// not at all (a failure is reported). Returns true when a file was written.
bool ExportChartAsText(QWidget* parent, Dialogs& dialogs, const Reading& reading,
                       QString& lastSavedFileName);

// "Save As &JPEG": a picture of readingChild's client area. lastJpegName is
// the picture dialog's remembered name. Returns the written path, or empty.
QString SaveAsJpeg(QWidget* parent, Dialogs& dialogs, QWidget& readingChild, QString& lastJpegName);

// "&Print": the printer dialog; on confirmation readingChild, scaled to one page.
void PrintReading(QWidget* parent, Dialogs& dialogs, QWidget& readingChild);
// The same on a printer the caller prepared (a PDF file, for instance).
void PrintReading(QWidget* parent, Dialogs& dialogs, QWidget& readingChild, QPrinter& printer);

// JpegWriterAvailable() and its test seam live in app/SaveForm.h.

}  // namespace varelio::app
