// The place finder in the input window, on the real GeoNames cities and tz
// database: what a picked completion fills in, the zone chosen again for a new
// date, the note after a hand edit or a city typed over the place, the exact
// offset and its warning in the reading, the place kept through a birth
// entered for the match, and no finder without libgeonames.
#include "AppTestSupport.h"

#include "app/Colours.h"
#include "app/MatchWindow.h"
#include "app/ReadingView.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

class PlaceCompletionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(TestPlaceFinder().WaitUntilLoaded(), "needs libgeonames0"); }
    void init();
    void cleanup() { driven_.reset(); }

    void pickedPlaceFillsTheFormAndFollowsTheDate();
    void handEditsKeepTheNoteAndStopFollowingTheDate();
    void aCityTypedOverThePlaceEmptiesIt();
    void anOffsetNoRowGivesGoesIntoTheExactOffset();
    void anOldNameFindsTheCity();
    void aBirthEnteredForTheMatchGivesThePlaceBack();
    void withoutGeonamesCityIsAPlainField();

private:
    InputWindow& input() { return driven_->input(); }
    QLabel* note() { return Child<QLabel>(input(), "lblZoneNote"); }
    QComboBox* list(const char* name) { return Child<QComboBox>(input(), QLatin1String(name)); }
    QLineEdit* field(const char* name) { return Child<QLineEdit>(input(), QLatin1String(name)); }
    bool red() { return note()->palette().color(QPalette::WindowText) == kErrorColour; }
    // City, state, country, latitude, longitude, zone row, DST and the exact offset when there is one.
    QString placeFields()
    {
        const FormValues f = input().formValues();
        return QString::fromStdString(f.city + "|" + f.state + "|" + f.country + "|" + f.latDeg + " " + f.latMin +
                                      (f.latDirection ? " S|" : " N|") + f.lonDeg + " " + f.lonMin +
                                      (f.lonDirection ? " W|" : " E|") + std::to_string(f.zoneIndex) +
                                      (f.dst ? "|DST" : "|no DST") + (f.utcOffset.empty() ? "" : "|" + f.utcOffset));
    }
    // Types the first letters into City as keys; the completions' popup.
    QAbstractItemView* type(const QString& typed)
    {
        auto* city = Child<QLineEdit>(input(), "txtCity");
        city->setFocus();
        city->clear();
        QTest::keyClicks(city, typed);
        return input().findChild<QCompleter*>()->popup();
    }
    // Picks the completion shown as label with the keyboard.
    bool pick(const QString& typed, const QString& label)
    {
        QAbstractItemView* popup = type(typed);
        for (int step = 0; step <= 10 && popup->currentIndex().data().toString() != label; ++step)
            QTest::keyClick(popup, Qt::Key_Down);
        if (!popup->isVisible() || popup->currentIndex().data().toString() != label)
            return false;
        QTest::keyClick(popup, Qt::Key_Return);
        return true;
    }

    std::unique_ptr<DrivenProgram> driven_;
};

void PlaceCompletionTest::init()
{
    driven_ = std::make_unique<DrivenProgram>();
    // 1 January 2000, 12:00, on zone row 0 with DST ticked, so that a pick must change both.
    FormValues form = WorkedExampleForm();
    form.hourIndex = 12;
    form.zoneIndex = 0;
    form.dst = true;
    input().setFormValues(form);
    // The cities are in; the completer comes once the window has shown.
    QTRY_VERIFY(input().findChild<QCompleter*>() != nullptr);
}

void PlaceCompletionTest::pickedPlaceFillsTheFormAndFollowsTheDate()
{
    QVERIFY(pick(QStringLiteral("Mumb"), QStringLiteral("Mumbai, Maharashtra, India")));
    QCOMPARE(placeFields(), QStringLiteral("Mumbai|Maharashtra|India|19 4 N|72 53 E|34|no DST"));
    QCOMPARE(note()->text(), QStringLiteral("Asia/Kolkata on 1 January 2000: UTC+5:30 \u2192 Indian Time, IST, +5.3"));
    QVERIFY(!red());
    // Return picked the place and did not also run the calculation.
    QVERIFY(driven_->program().readingWindow() == nullptr);

    // India's war time, +6:30, from September 1942 to October 1945; whether
    // Bombay's own clock followed it the sources do not say.
    list("cboYear")->setCurrentIndex(1943 - 1901);
    list("cboMonth")->setCurrentIndex(2);
    QCOMPARE(placeFields(), QStringLiteral("Mumbai|Maharashtra|India|19 4 N|72 53 E|34|DST"));
    QCOMPARE(note()->text(), QStringLiteral("Asia/Kolkata on 1 March 1943: UTC+6:30, summer time \u2192 Indian Time, "
                                            "IST, +5.3 with DST; Mumbai kept Bombay Time, UTC+4:51, until 1955: for a "
                                            "time recorded in it, enter +04:51"));
    list("cboHour")->setCurrentIndex(24);  // the midnight ending 1 March 1943 counts too
    QVERIFY(Child<QCheckBox>(input(), "chkDST")->isChecked());
    // Bombay Time in 1950, no row of its own: the exact offset holds it, and
    // the zone box does not pass the nearest row off as Bombay's.
    QComboBox* zone = list("cboTimeZone");
    QCOMPARE(zone->accessibleDescription(), QString());
    list("cboYear")->setCurrentIndex(1950 - 1901);
    QCOMPARE(placeFields(), QStringLiteral("Mumbai|Maharashtra|India|19 4 N|72 53 E|64|no DST|+04:51"));
    QVERIFY(!red());
    QCOMPARE(zone->accessibleDescription(), QStringLiteral("Not used: the exact UTC offset applies"));
    zone->activated(34);  // a row chosen by hand empties the offset
    QCOMPARE(zone->accessibleDescription(), QString());
}

// A hand edit keeps the note, which says the zone no longer follows the date;
// opening a saved reading lets the place go.
void PlaceCompletionTest::handEditsKeepTheNoteAndStopFollowingTheDate()
{
    const QString byHand = QStringLiteral("; changed by hand, so the zone no longer follows the date");
    const std::function<void()> edits[] = {
        [this] { list("cboTimeZone")->setCurrentIndex(33); },
        [this] { QTest::keyClick(field("txtLatMin"), Qt::Key_Backspace); },
        [this] { Child<QCheckBox>(input(), "chkDST")->click(); },
    };
    for (const auto& edit : edits) {
        list("cboYear")->setCurrentIndex(1990 - 1901);
        list("cboMonth")->setCurrentIndex(6);
        QVERIFY(pick(QStringLiteral("New Y"), QStringLiteral("New York, New York, United States of America")));
        QVERIFY(Child<QCheckBox>(input(), "chkDST")->isChecked());
        edit();
        QVERIFY2(note()->text().startsWith(QStringLiteral("America/New_York on 1 July 1990: UTC-4:00")) &&
                     note()->text().endsWith(byHand),
                 qPrintable(note()->text()));
        const int zone = list("cboTimeZone")->currentIndex();
        const bool dst = Child<QCheckBox>(input(), "chkDST")->isChecked();
        list("cboMonth")->setCurrentIndex(0);  // January: the zone would have no summer time
        QCOMPARE(list("cboTimeZone")->currentIndex(), zone);
        QCOMPARE(Child<QCheckBox>(input(), "chkDST")->isChecked(), dst);
        QVERIFY(note()->text().endsWith(byHand));
    }
    input().setFormValues(input().formValues());
    QVERIFY(note()->text().isEmpty());
}

// A city typed over the place picked empties the place's other fields, so no
// reading pairs the new city with the old place; typed back, they return;
// anything else entered then gives the place up.
void PlaceCompletionTest::aCityTypedOverThePlaceEmptiesIt()
{
    QVERIFY(pick(QStringLiteral("New Y"), QStringLiteral("New York, New York, United States of America")));
    const QString newYork = placeFields();
    type(QStringLiteral("Kasauli"));
    // The zone row and the DST box stay (the list has no empty row); the note asks to check them.
    QCOMPARE(placeFields(), QStringLiteral("Kasauli|||  N|  W|") + newYork.section(QLatin1Char('|'), 5));
    QCOMPARE(note()->text(), QStringLiteral("The city no longer names New York, New York, United States of America, "
                                            "so its state, country, latitude, longitude and exact offset were "
                                            "emptied: pick the new city from the list, or enter them and check the "
                                            "time zone"));
    QVERIFY(red());
    Child<QPushButton>(input(), "cmdCalculate")->click();
    QVERIFY(driven_->program().readingWindow() == nullptr);
    QCOMPARE(driven_->dialogs.messages.value(0).text, QStringLiteral("Please Enter Degree of Latitude"));

    type(QStringLiteral("new york"));  // names the place again
    QCOMPARE(placeFields(), QString(newYork).replace(0, 8, QStringLiteral("new york")));
    QVERIFY(note()->text().startsWith(QStringLiteral("America/New_York on ")));
    type(QStringLiteral("Kasauli"));
    field("txtLatDeg")->setText(QStringLiteral("30"));
    QVERIFY(note()->text().isEmpty());
    type(QStringLiteral("New York"));  // the place was given up: nothing comes back
    QVERIFY(field("txtState")->text().isEmpty());
    QVERIFY(pick(QStringLiteral("Mumb"), QStringLiteral("Mumbai, Maharashtra, India")));
    QVERIFY(note()->text().startsWith(QStringLiteral("Asia/Kolkata on ")) && !red());
}

// Kathmandu 1995 keeps +5:45, which no row gives: the exact offset holds it,
// the reading uses it and says so. Emptied, the row stands in for it: the
// note warns in red, and so does the reading.
void PlaceCompletionTest::anOffsetNoRowGivesGoesIntoTheExactOffset()
{
    input().setFormValues(BornAt(input().formValues(), 1995, 10, 26, 1, 30));
    QVERIFY(pick(QStringLiteral("Kathm"), QStringLiteral("Kathmandu, Bagmati Province, Nepal")));
    QCOMPARE(placeFields(), QStringLiteral("Kathmandu|Bagmati Province|Nepal|27 42 N|85 19 E|34|no DST|+05:45"));
    QCOMPARE(note()->text(), QStringLiteral("Asia/Kathmandu on 26 October 1995: UTC+5:45 \u2192 exact offset +05:45, "
                                            "which no row gives"));
    QVERIFY(!red());
    // Whole, below the zone list.
    QTRY_VERIFY(note()->height() >= note()->heightForWidth(note()->width()));
    QComboBox* zone = list("cboTimeZone");
    QVERIFY(note()->mapTo(&input(), QPoint()).y() > zone->mapTo(&input(), QPoint(0, zone->height())).y());

    Child<QPushButton>(input(), "cmdCalculate")->click();
    ReadingWindow* shown = driven_->program().readingWindow();
    QVERIFY(shown);
    QCOMPARE(driven_->program().reading().chartState.universalTime, 1.5 - 5.75);
    QCOMPARE(Child<QLabel>(shown->readingView(), "lblOffset")->text(), QStringLiteral("Offset: UTC+5:45, exact"));
    QVERIFY(!shown->readingView().findChild<QLabel*>(QStringLiteral("lblZoneWarning")));
    driven_->program().back();

    field("txtUtcOffset")->clear();
    QVERIFY2(note()->text().contains(QStringLiteral("nearest row Indian Time, IST, +5.3, 15 minutes off: the ascendant "
                                                    "may be about 4\u00B0 off")),
             qPrintable(note()->text()));
    QVERIFY(red());
    Child<QPushButton>(input(), "cmdCalculate")->click();
    ReadingWindow* approximated = driven_->program().readingWindow();
    QVERIFY(approximated);
    QCOMPARE(Child<QLabel>(approximated->readingView(), "lblOffset")->text(), QStringLiteral("Offset: UTC+5:30, zone row"));
    auto* warning = approximated->readingView().findChild<QLabel*>(QStringLiteral("lblZoneWarning"));
    QVERIFY(warning && warning->text().startsWith(QStringLiteral("Asia/Kathmandu on 26 October 1995: UTC+5:45 \u2192 nearest row")));
    driven_->program().back();

    // Choosing a row by hand: the row's offset, so the exact offset goes.
    QVERIFY(pick(QStringLiteral("Kathm"), QStringLiteral("Kathmandu, Bagmati Province, Nepal")));
    Child<QCheckBox>(input(), "chkDST")->click();
    QVERIFY(field("txtUtcOffset")->text().isEmpty());
}

// An old name completes to the city it names now, saying which name matched;
// the city is entered by its name of today.
void PlaceCompletionTest::anOldNameFindsTheCity()
{
    QVERIFY(pick(QStringLiteral("Bomb"), QStringLiteral("Mumbai (Bombay), Maharashtra, India")));
    QCOMPARE(placeFields().left(26), QStringLiteral("Mumbai|Maharashtra|India|1"));
    QVERIFY(note()->text().startsWith(QStringLiteral("Asia/Kolkata on ")));
    type(QStringLiteral("Bombay"));  // the name it was found by still names it
    QVERIFY(!red());

    // Same-labelled places are told apart in the popup, whole.
    QAbstractItemView* popup = type(QStringLiteral("Ashford"));
    QVERIFY(popup->isVisible());
    QStringList texts;
    for (int row = 0; row < popup->model()->rowCount(); ++row) {
        texts << popup->model()->index(row, 0).data().toString();
        QVERIFY(popup->viewport()->width() > popup->fontMetrics().horizontalAdvance(texts.back()));
    }
    QCOMPARE(texts.filter(QStringLiteral("Ashford, England, United Kingdom (")).size(), 2);
    QVERIFY2(texts.contains(QStringLiteral("Ashford, England, United Kingdom (51\u00B009\u2032 N, 0\u00B052\u2032 E)")),
             qPrintable(texts.join(QLatin1Char(';'))));
}

// The input window lent to the match for a side's birth comes back with the
// place picked before, its note and its following of the date.
void PlaceCompletionTest::aBirthEnteredForTheMatchGivesThePlaceBack()
{
    QVERIFY(pick(QStringLiteral("Mumb"), QStringLiteral("Mumbai, Maharashtra, India")));
    const QString fields = placeFields();
    const QString noted = note()->text();
    Child<QPushButton>(input(), "cmdMatch")->click();
    MatchWindow* match = driven_->program().matchWindow();
    QVERIFY(match);
    Child<QPushButton>(*match, QStringLiteral("cmdBrideEnter"))->click();
    input().setFormValues(WorkedExampleForm());
    QVERIFY(note()->text().isEmpty());
    Child<QPushButton>(input(), "cmdCalculate")->click();
    QVERIFY(match->reading(MatchSide::Bride));

    QCOMPARE(placeFields(), fields);
    QCOMPARE(note()->text(), noted);
    list("cboYear")->setCurrentIndex(1950 - 1901);
    QCOMPARE(placeFields(), QStringLiteral("Mumbai|Maharashtra|India|19 4 N|72 53 E|64|no DST|+04:51"));
}

void PlaceCompletionTest::withoutGeonamesCityIsAPlainField()
{
    PlaceFinder absent("libgeonames-not-installed.so.0");
    InputWindow window(driven_->dialogs, absent);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!absent.WaitUntilLoaded());
    QCoreApplication::processEvents();
    auto* city = Child<QLineEdit>(window, "txtCity");
    QTest::keyClicks(city, QStringLiteral("Mumb"));
    QCOMPARE(city->text(), QStringLiteral("Mumb"));
    QVERIFY(city->completer() == nullptr);
    QVERIFY(window.findChild<QCompleter*>() == nullptr);
}

QTEST_MAIN(PlaceCompletionTest)
#include "tst_placecompletion.moc"
