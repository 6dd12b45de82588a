#include "app/WebLinks.h"

#include <QDesktopServices>

namespace varelio::app::links {

QUrl PlaceSearchUrl(const QString& city, const QString& state, const QString& country)
{
    QUrl url(QStringLiteral("https://www.openstreetmap.org/search"));
    // Everything but the unreserved characters is escaped, so a pasted "+" or
    // "&" stays part of the place name.
    const QString text = city + QLatin1Char(' ') + state + QLatin1Char(' ') + country;
    url.setQuery(QStringLiteral("query=") + QString::fromLatin1(QUrl::toPercentEncoding(text)));
    return url;
}

void OpenWebPage(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

}  // namespace varelio::app::links
