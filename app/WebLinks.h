// The addresses the program's Help entries and links open, in one list used
// by the input window's menu and promotional band and by the reading
// window's Help menu and toolbar. The help entries lead to sections of the
// guide installed with the program (app/HelpWindow.h), shown offline; only
// real web pages, like the place look-up, go to the desktop's browser.
#pragma once

#include "app/Dialogs.h"
#include "app/HelpWindow.h"

#include <QString>
#include <QUrl>

#include <functional>

namespace varelio::app::links {

// Sections of the guide, named by the anchors app/HelpWindow.h lists.
inline const QString kOnlineHelp = guide::Address().toString();
inline const QString kHome = guide::Address(guide::kAbout).toString();
inline const QString kMakeMoney = kHome;
inline const QString kMoreSoftware = kHome;

// The place look-up searches OpenStreetMap for "city state country".
QUrl PlaceSearchUrl(const QString& city, const QString& state, const QString& country);

// A section of the guide opens in the help window; any other address goes to
// the desktop's browser, and when none can be started a message box says
// "Could not open a web browser for <url>." through the dialogs given to
// SetMessageDialogs (without them the failure is only logged).
void OpenWebPage(const QUrl& url);
inline void OpenWebPage(const QString& url) { OpenWebPage(QUrl(url)); }

// The application hands in its dialogs for OpenWebPage's message, and null
// when it ends.
void SetMessageDialogs(Dialogs* dialogs);
Dialogs* MessageDialogs();

// Hands a web address to the desktop; false when nothing could open it.
// QDesktopServices::openUrl unless a test has put another in its place
// (an empty function restores it).
using UrlOpener = std::function<bool(const QUrl&)>;
void SetUrlOpenerForTesting(UrlOpener opener);

}  // namespace varelio::app::links
