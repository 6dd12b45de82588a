// The file commands of the reading and input windows: saved readings, the
// text export, the JPEG picture and the PDF page. The windows only wire them
// up; printing and drawing the PDF are in app/Printing.h.
#pragma once

#include "app/Dialogs.h"
#include "form/Form.h"
#include "matching/Match.h"
#include "reading/Reading.h"

#include <QString>

class QWidget;

namespace varelio::app {

// "Save &As": writes the reading's birth data (zoneIndex is the input window's
// time-zone list position) to a chosen *.vrl file. lastSavedFileName is shared
// with the text export; each dialog offers it with its own ending ("asha.vrl"
// here, "asha.txt" there). It takes the chosen name as soon as the dialog is
// confirmed, even when the save is then refused (a value the file cannot
// store, named in a message) or fails (a message names the file and reason;
// an earlier file of that name is left whole). Returns true when written.
bool SaveReading(QWidget* parent, Dialogs& dialogs, const Reading& reading, int zoneIndex,
                 QString& lastSavedFileName);

// "&Open Previously Saved Reading": asks for a file and fills form from it
// (a value that does not fit its list leaves that entry as it was). A name
// not ending in "vrl", or one that is no regular file (a folder, a named
// pipe), or one whose bytes are no reading's (a file of zeros, a text file, an
// empty file: CheckReadingFile), is refused with "Please Check The File." and
// a line naming the file and the reason; a file that cannot be read is
// reported with the reason. A refused file leaves form as it was. Returns
// true when the form was filled and the driver should run; the file's path
// goes to chosenPath when given.
bool OpenSavedReading(QWidget* parent, Dialogs& dialogs, FormValues& form, QString* chosenPath = nullptr);

// The same for a path given without the dialog (the command line's
// "varelio FILE.vrl"), with the same refusals and messages.
bool OpenReadingAt(QWidget* parent, Dialogs& dialogs, const QString& path, FormValues& form);

// "&Export Chart As Text": the bytes of words::ComposeTextExport, written whole or
// not at all (a failure is reported). Returns true when a file was written.
bool ExportChartAsText(QWidget* parent, Dialogs& dialogs, const Reading& reading,
                       QString& lastSavedFileName);

// The match window's "Export As &Text": the bytes of words::ComposeMatchText (UTF-8,
// words/MatchText.h), written whole or not at all; the dialog offers
// lastSavedFileName with ".txt" and stores the choice. Returns the written
// path, or empty.
QString ExportMatchAsText(QWidget* parent, Dialogs& dialogs, const Reading& bride, const Reading& groom,
                          const Match& match, QString& lastSavedFileName);

// "Save As &JPEG": a picture of readingView's client area (see
// app/PictureExport.h). The dialog offers lastSavedFileName with ".jpg" and
// stores the choice, as the others do; a name taken already gets a free
// numbered one ("asha_001.jpg"). Returns the written path, or empty.
QString SaveAsJpeg(QWidget* parent, Dialogs& dialogs, QWidget& readingView, QString& lastSavedFileName);

// "Save As P&DF": readingView as one vector page, A4 or Letter by the locale
// (app/Printing.h). The dialog offers lastSavedFileName with ".pdf" and, as
// the reading file and text export do, stores the choice; a failed write is
// reported with the file and the reason, and an earlier file of that name is
// left whole. Returns the written path, or empty.
QString SaveAsPdf(QWidget* parent, Dialogs& dialogs, QWidget& readingView, QString& lastSavedFileName);

}  // namespace varelio::app
