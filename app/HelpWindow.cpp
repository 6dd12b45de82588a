#include "app/HelpWindow.h"

#include "app/ScreenFit.h"
#include "app/WebLinks.h"
#include "resources/HelpGuide.h"

#include <QAction>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace varelio::app {

namespace {

QPointer<HelpWindow> theWindow;

}  // namespace

namespace guide {

QUrl Address(const QString& section)
{
    QUrl url(QStringLiteral("qrc") + QLatin1String(kHelpGuideResource));
    if (!section.isEmpty())
        url.setFragment(section);
    return url;
}

bool IsGuide(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveFragment) == Address();
}

}  // namespace guide

HelpWindow::HelpWindow()
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Varelio Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("guideBrowser"));
    // Links within the guide turn its pages; any other goes to the web
    // browser, whose failure is reported.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::openLink);
    browser_->setSource(guide::Address());
    // Tab walks the guide's links (its contents are links to the sections)
    // and Enter follows one.
    browser_->setTabChangesFocus(false);
    browser_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    layout->addWidget(browser_);
    setFocusProxy(browser_);
    auto* close = new QAction(tr("Close"), this);
    close->setObjectName(QStringLiteral("actClose"));
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    resize(720, 640);
}

void HelpWindow::openLink(const QUrl& url)
{
    const QUrl whole = guide::Address().resolved(url);
    if (guide::IsGuide(whole))
        showSection(whole.fragment());
    else
        links::OpenWebPage(url);
}

HelpWindow& HelpWindow::showSection(const QString& section)
{
    if (!theWindow)
        theWindow = new HelpWindow;
    HelpWindow& window = *theWindow;
    window.section_ = section.isEmpty() ? guide::kContents : section;
    const bool first = !window.isVisible();
    window.show();
    if (first)
        KeepOnScreen(window);
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
    // The guide's first heading has a margin above it: its top is the page's.
    if (window.section_ == guide::kContents)
        window.browser_->verticalScrollBar()->setValue(0);
    else
        window.browser_->scrollToAnchor(window.section_);
    return window;
}

HelpWindow* HelpWindow::current()
{
    return theWindow.data();
}

void HelpWindow::destroy()
{
    delete theWindow.data();
}

}  // namespace varelio::app
