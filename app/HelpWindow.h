// The help window: the guide installed with the program (resources/help/
// guide.html) in a text browser, so Help works without a network. One window
// serves every Help entry of both windows; asked again, it turns to the
// section asked for and comes to the front. Tab walks its links, Escape and
// Ctrl+W close it.
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace varelio::app {

// The guide's sections: named anchors of resources/help/guide.html.
namespace guide {
inline const QString kContents = QStringLiteral("contents");
inline const QString kFields = QStringLiteral("fields");
inline const QString kTimeZone = QStringLiteral("time-zone");
inline const QString kVerdict = QStringLiteral("verdict");
inline const QString kCancellation = QStringLiteral("cancellation");
inline const QString kBirthTimeWindow = QStringLiteral("birth-time-window");
inline const QString kMatching = QStringLiteral("matching");
inline const QString kMatchingTerms = QStringLiteral("matching-terms");
inline const QString kFiles = QStringLiteral("files");
inline const QString kUpdates = QStringLiteral("updates");
inline const QString kAbout = QStringLiteral("about");

// "qrc:/varelio/help/guide.html#updates"; the guide's top for an empty section.
QUrl Address(const QString& section = {});
// Whether url is (a section of) the guide, not a web page.
bool IsGuide(const QUrl& url);
}  // namespace guide

class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    // Shows the one help window at section (guide::kContents when empty),
    // making it on first use, and raises it.
    static HelpWindow& showSection(const QString& section);
    // The window, or null before the first Help or after destroy().
    static HelpWindow* current();
    // Deletes the window; the application does so when it ends.
    static void destroy();

    QTextBrowser& browser() { return *browser_; }
    // The section last asked for.
    const QString& section() const { return section_; }

private:
    HelpWindow();
    void openLink(const QUrl& url);

    QTextBrowser* browser_ = nullptr;
    QString section_;
};

}  // namespace varelio::app
