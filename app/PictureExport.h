// The JPEG picture of the reading: the window is captured and written straight
// to the chosen file. An existing file is never overwritten: a free numbered
// name ("chart_001.jpg") is taken instead.
#pragma once

#include "app/Dialogs.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace varelio::app {

// The window's client area at screen resolution, as it is drawn now.
QImage CaptureWindow(QWidget& window);

struct PathParts {
    QString folder;    // without the trailing separator ("/" for the root)
    QString fileName;
};

// Splits at the last "/". A path without one leaves both parts empty.
PathParts SplitPath(const QString& path);

// Whether anything at all has this name: a file or folder, hidden or not, or a
// symbolic link, even one that leads nowhere.
bool NameTaken(const QString& path);

// The local clock; tests hand in a fixed one.
using LocalClock = std::function<QDateTime()>;
QDateTime CurrentLocalTime();

// "YYYYMMDDHHMMSSmmm" from the local date and time; shortForm keeps "YYYYMMDD".
QString TimestampName(bool shortForm, const LocalClock& clock = CurrentLocalTime);

// A full path in folder (the program's own folder when empty) whose name is not
// taken: fileName itself (".bmp" turned into ".jpg", ".jpg" added when it has
// no dot, "chart" put before a leading dot), else the first free of
// "name_001.jpg" .. "name_999.jpg".
// All 999 taken: shows the "too many copies" message and returns empty.
QString UniqueFileName(QString folder, QString fileName, Dialogs& dialogs, QWidget* parent,
                       const LocalClock& clock = CurrentLocalTime);

// Saves captured as a JPEG of quality 100 at a free name derived from path
// (the name cut at its first "." with ".jpg" added, "chart.jpg" when nothing
// is left); the file appears whole or not at all. A failure is reported in a
// message box naming the file and the reason. Returns the written path, or empty.
QString SaveWindowAsJpeg(const QString& path, const QImage& captured, Dialogs& dialogs, QWidget* parent,
                         const LocalClock& clock = CurrentLocalTime);

// Whether Qt's JPEG writer is present: the picture export needs it, so the
// input validation refuses to calculate without it. Tests may force the answer.
bool JpegWriterAvailable();
void SetJpegWriterAvailableForTesting(std::optional<bool> forced);

}  // namespace varelio::app
