// The web pages the program opens in the default browser: one list, used by
// the input window's menu and promotional band and by the reading window's
// Help menu and toolbar.
#pragma once

#include <QString>
#include <QUrl>

namespace varelio::app::links {

inline const QString kHome = QStringLiteral("https://varelio.example.org/");
inline const QString kOnlineHelp = QStringLiteral("https://varelio.example.org/help/");
inline const QString kUpdate = QStringLiteral("https://varelio.example.org/download/");
inline const QString kDonate = QStringLiteral("https://varelio.example.org/donate/");
inline const QString kMakeMoney = QStringLiteral("https://varelio.example.org/partners/");
inline const QString kMoreSoftware = QStringLiteral("https://varelio.example.org/software/");

// The place look-up searches OpenStreetMap for "city state country".
QUrl PlaceSearchUrl(const QString& city, const QString& state, const QString& country);

// Hands the page to the desktop's browser; a failure is not reported.
void OpenWebPage(const QUrl& url);
inline void OpenWebPage(const QString& url) { OpenWebPage(QUrl(url)); }

}  // namespace varelio::app::links
