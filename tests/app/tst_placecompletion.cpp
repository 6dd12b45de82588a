// The place finder in the input window, on the real GeoNames cities and tz
// database: what a picked completion fills in, the zone chosen again for a new
// date, letting go after a hand edit, the note, and no finder without libgeonames.
#include "AppTestSupport.h"

#include "app/Colours.h"

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
    void initTestCase() { QVERIFY2(SharedPlaceFinder().WaitUntilLoaded(), "needs libgeonames0"); }
    void init();
    void cleanup() { driven_.reset(); }

    void pickedPlaceFillsTheFormAndFollowsTheDate();
    void handEditsLetThePlaceGo();
    void inexactZoneWarnsInTheErrorColour();
    void withoutGeonamesCityIsAPlainField();

private:
    InputWindow& input() { return driven_->input(); }
    QLabel* note() { return Child<QLabel>(input(), "lblZoneNote"); }
    QComboBox* list(const char* name) { return Child<QComboBox>(input(), QLatin1String(name)); }
    // City, state, country, latitude, longitude, zone row, DST.
    QString placeFields()
    {
        const FormValues f = input().formValues();
        return QString::fromStdString(f.city + "|" + f.state + "|" + f.country + "|" + f.latDeg + " " + f.latMin +
                                      (f.latDirection ? " S|" : " N|") + f.lonDeg + " " + f.lonMin +
                                      (f.lonDirection ? " W|" : " E|") + std::to_string(f.zoneIndex) +
                                      (f.dst ? "|DST" : "|no DST"));
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
    QVERIFY(note()->palette().color(QPalette::WindowText) != kErrorColour);
    // Return picked the place and did not also run the calculation.
    QVERIFY(driven_->program().readingWindow() == nullptr);

    // India's war time, +6:30, from September 1942 to October 1945.
    list("cboYear")->setCurrentIndex(1943 - 1901);
    list("cboMonth")->setCurrentIndex(2);
    QCOMPARE(placeFields(), QStringLiteral("Mumbai|Maharashtra|India|19 4 N|72 53 E|34|DST"));
    QCOMPARE(note()->text(), QStringLiteral("Asia/Kolkata on 1 March 1943: UTC+6:30, summer time \u2192 Indian Time, "
                                            "IST, +5.3 with DST"));
    list("cboHour")->setCurrentIndex(24);  // the midnight ending 1 March 1943 counts too
    QVERIFY(Child<QCheckBox>(input(), "chkDST")->isChecked());
}

void PlaceCompletionTest::handEditsLetThePlaceGo()
{
    const std::function<void()> edits[] = {
        [this] { list("cboTimeZone")->setCurrentIndex(33); },
        [this] { QTest::keyClick(Child<QLineEdit>(input(), "txtCity"), Qt::Key_X); },
        // Opening a saved reading: its zone row and box stay whatever its date.
        [this] { input().setFormValues(input().formValues()); },
    };
    for (const auto& edit : edits) {
        list("cboYear")->setCurrentIndex(2000 - 1901);
        QVERIFY(pick(QStringLiteral("Mumb"), QStringLiteral("Mumbai, Maharashtra, India")));
        edit();
        QVERIFY(note()->text().isEmpty());
        const int zone = list("cboTimeZone")->currentIndex();
        list("cboYear")->setCurrentIndex(1943 - 1901);
        QCOMPARE(list("cboTimeZone")->currentIndex(), zone);
        QVERIFY(!Child<QCheckBox>(input(), "chkDST")->isChecked());
    }
}

void PlaceCompletionTest::inexactZoneWarnsInTheErrorColour()
{
    // Nepal's +5:45 has no row of its own.
    QVERIFY(pick(QStringLiteral("Kathm"), QStringLiteral("Kathmandu, Bagmati Province, Nepal")));
    QCOMPARE(placeFields(), QStringLiteral("Kathmandu|Bagmati Province|Nepal|27 42 N|85 19 E|34|no DST"));
    QVERIFY2(note()->text().startsWith(QStringLiteral("Asia/Kathmandu on 1 January 2000: UTC+5:45 \u2192 nearest row "
                                                      "Indian Time, IST, +5.3, 15 minutes off")),
             qPrintable(note()->text()));
    QCOMPARE(note()->palette().color(QPalette::WindowText), kErrorColour);
    QVERIFY(kErrorColour.red() > 150 && kErrorColour.green() < 60 && kErrorColour.blue() < 60);
    // Whole, below the zone list.
    QTRY_VERIFY(note()->height() >= note()->heightForWidth(note()->width()));
    QComboBox* zone = list("cboTimeZone");
    QVERIFY(note()->mapTo(&input(), QPoint()).y() > zone->mapTo(&input(), QPoint(0, zone->height())).y());
    // Nepal kept +5:30 before 1986: exact again, out of the error colour.
    list("cboYear")->setCurrentIndex(1980 - 1901);
    QVERIFY(!note()->text().isEmpty() && note()->palette().color(QPalette::WindowText) != kErrorColour);

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
