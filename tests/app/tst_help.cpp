// The Help menus: every entry of both windows (and the input window's band)
// opens the one help window at its section of the guide, scrolled into view;
// a web page no browser can open is reported; the About box names the
// licence and credits GeoNames when the place finder has its cities.
#include "AppTestSupport.h"

#include "app/AboutBox.h"
#include "app/HelpWindow.h"
#include "app/WebLinks.h"
#include "VarelioVersion.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

namespace {

// Whether the guide's anchor name shows in the help window.
bool SectionShown(HelpWindow& help, const QString& name)
{
    QTextBrowser& browser = help.browser();
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name)) {
                QTextCursor cursor(browser.document());
                cursor.setPosition(it.fragment().position());
                return browser.viewport()->rect().contains(browser.cursorRect(cursor));
            }
        }
    }
    return false;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { links::SetUrlOpenerForTesting({}); }

    void everyEntryOpensItsSection()
    {
        DrivenProgram driven;
        QList<QUrl> browsed;
        links::SetUrlOpenerForTesting([&browsed](const QUrl& url) {
            browsed << url;
            return true;
        });
        QWidget& input = driven.input();
        auto* band = Child<QLabel>(input, QStringLiteral("lblPromo"));
        std::vector<std::pair<std::function<void()>, QString>> entries = {
            {[&] { Child<QAction>(input, QStringLiteral("mnuVisit"))->trigger(); }, guide::kAbout},
            {[&] { Child<QAction>(input, QStringLiteral("mnuOnline"))->trigger(); }, guide::kContents},
        };
        for (const QString& link : {links::kMoreSoftware, links::kHome, links::kMakeMoney}) {
            QVERIFY2(band->text().contains(link), qPrintable(link));
            entries.push_back({[band, link] { emit band->linkActivated(link); }, guide::kAbout});
        }
        ReadingWindow* frame = driven.calculate(WorkedExampleForm());
        QVERIFY(frame);
        const std::pair<const char*, QString> readingEntries[] = {
            {"mnuUpdate", guide::kUpdates}, {"mnuDonate", guide::kAbout},   {"mnuVisit", guide::kAbout},
            {"mnuMakeMoney", guide::kAbout}, {"mnuOnline", guide::kContents},
        };
        for (const auto& [name, section] : readingEntries)
            entries.push_back({[frame, name = name] { Child<QAction>(*frame, QLatin1String(name))->trigger(); }, section});
        entries.push_back({[frame] { Child<QToolButton>(*frame, QStringLiteral("Help"))->click(); }, guide::kContents});
        // Links within the guide turn its pages.
        entries.push_back({[] { emit HelpWindow::current()->browser().anchorClicked(QUrl(QStringLiteral("#verdict"))); },
                           guide::kVerdict});

        HelpWindow* one = nullptr;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            HelpWindow::showSection(i % 2 ? guide::kFields : guide::kFiles);  // somewhere else first
            entries[i].first();
            HelpWindow* help = HelpWindow::current();
            one = one ? one : help;
            QCOMPARE(help, one);
            QVERIFY(QTest::qWaitForWindowExposed(help));
            QCOMPARE(QApplication::activeWindow(), help);
            QCOMPARE(help->section(), entries[i].second);
            QVERIFY2(SectionShown(*help, entries[i].second), qPrintable(QString::number(i)));
            if (entries[i].second != guide::kContents)
                QVERIFY(!SectionShown(*help, guide::kContents));
        }
        QVERIFY(browsed.isEmpty());
        QVERIFY(driven.dialogs.messages.isEmpty());

        // Exit closes it with the other windows.
        Child<QAction>(*frame, QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!one->isVisible());
    }

    void everySectionIsInTheGuide()
    {
        DrivenProgram driven;
        for (const QString& section : {guide::kFields, guide::kTimeZone, guide::kCancellation,
                                       guide::kBirthTimeWindow, guide::kMatching, guide::kMatchingTerms,
                                       guide::kFiles}) {
            QVERIFY2(SectionShown(HelpWindow::showSection(section), section), qPrintable(section));
        }
        QCOMPARE(HelpWindow::current()->windowTitle(), QStringLiteral("Varelio Help"));
    }

    void keysWalkTheGuideAndCloseIt()
    {
        DrivenProgram driven;
        HelpWindow& help = HelpWindow::showSection(guide::kContents);
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTextBrowser& browser = help.browser();
        QCOMPARE(QApplication::focusWidget(), &browser);
        // Tab goes from link to link of the contents; Enter turns to the section.
        QStringList reached;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << browser.textCursor().charFormat().anchorHref();
        }
        QCOMPARE(reached.removeDuplicates(), 0);
        for (const QString& link : reached)
            QVERIFY2(link.startsWith(QLatin1Char('#')), qPrintable(link));
        QTest::keyClick(&browser, Qt::Key_Return);
        QCOMPARE(help.section(), reached.last().mid(1));

        // Escape closes it, and Ctrl+W.
        for (const QKeyCombination key : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
            HelpWindow::showSection(guide::kFiles);
            QVERIFY(QTest::qWaitForWindowActive(&help));
            QTest::keyClick(&browser, key.key(), key.keyboardModifiers());
            QVERIFY(!help.isVisible());
        }
    }

    void webPageWithoutABrowserIsReported()
    {
        DrivenProgram driven;
        QList<QUrl> asked;
        links::SetUrlOpenerForTesting([&asked](const QUrl& url) {
            asked << url;
            return false;
        });
        driven.input().setFormValues(WorkedExampleForm());
        Child<QPushButton>(driven.input(), QStringLiteral("Command1"))->click();
        const QUrl search = links::PlaceSearchUrl(QStringLiteral("Delhi"), QStringLiteral("Delhi"),
                                                  QStringLiteral("India"));
        QCOMPARE(asked, QList<QUrl>{search});
        HelpWindow& help = HelpWindow::showSection(guide::kAbout);
        emit help.browser().anchorClicked(QUrl(QStringLiteral("https://www.geonames.org/")));
        QCOMPARE(asked.size(), 2);
        QCOMPARE(driven.dialogs.messages.size(), 2);
        QCOMPARE(driven.dialogs.messages[0].text,
                 QStringLiteral("Could not open a web browser for %1.").arg(search.toString()));
        QCOMPARE(driven.dialogs.messages[1].text,
                 QStringLiteral("Could not open a web browser for https://www.geonames.org/."));
        QVERIFY(driven.dialogs.messages[0].icon == MessageIcon::Error);
    }

    void aboutBoxNamesTheLicenceAndCreditsGeoNames()
    {
        for (bool credit : {true, false}) {
            const std::unique_ptr<QDialog> box = MakeAboutBox(nullptr, credit);
            QStringList lines;
            for (const QLabel* label : box->findChildren<QLabel*>())
                lines << label->text();
            QVERIFY(lines.contains(QStringLiteral("Version " VARELIO_VERSION)));
            QVERIFY(lines.contains(QStringLiteral(
                "This program is free software under the GNU General Public License, version 3 or later.")));
            QCOMPARE(lines.contains(QStringLiteral("Places from GeoNames (geonames.org), CC BY 4.0")), credit);
        }
        QVERIFY(CreditGeoNames(PlaceFinder::State::Ready));
        QVERIFY(!CreditGeoNames(PlaceFinder::State::Absent));
        // Not loaded yet: whether the library opens.
        QVERIFY(!CreditGeoNames(PlaceFinder::State::NotLoaded, "libvarelio-no-such-library.so.0"));
        QVERIFY2(CreditGeoNames(PlaceFinder::State::NotLoaded), "install libgeonames0 (scripts/deps.sh)");
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
