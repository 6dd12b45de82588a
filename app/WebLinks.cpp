#include "app/WebLinks.h"

#include "app/HelpWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QtDebug>

namespace varelio::app::links {

namespace {

// The translators' context of the links' words.
class LinkWords {
    Q_DECLARE_TR_FUNCTIONS(WebLinks)
};

Dialogs* messageDialogs = nullptr;
UrlOpener opener;

}  // namespace

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
    if (guide::IsGuide(url)) {
        HelpWindow::showSection(url.fragment());
        return;
    }
    const bool opened = opener ? opener(url) : QDesktopServices::openUrl(url);
    if (opened)
        return;
    const QString text = LinkWords::tr("Could not open a web browser for %1.").arg(url.toString());
    if (messageDialogs)
        messageDialogs->message(QApplication::activeWindow(), text, MessageIcon::Error);
    else
        qWarning("%s", qPrintable(text));
}

void SetMessageDialogs(Dialogs* dialogs)
{
    messageDialogs = dialogs;
}

Dialogs* MessageDialogs()
{
    return messageDialogs;
}

void SetUrlOpenerForTesting(UrlOpener replacement)
{
    opener = std::move(replacement);
}

}  // namespace varelio::app::links
