// The place finder in the input window, on the real GeoNames cities and tz
// database: completions as City is typed, what a picked place fills in, the
// zone chosen again for a new date, letting go after a hand edit, the note
// and its colour, and the plain field without libgeonames.
#include "AppTestSupport.h"

#include "app/ErrorColour.h"
#include "app/PlaceCompletion.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include <functional>

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

namespace {

// 1 January 2000, 12:00, on zone row 0 with DST ticked: a picked place must change both.
FormValues NoonForm()
{
    FormValues form = WorkedExampleForm();
    form.hourIndex = 12;
    form.minuteIndex = 0;
    form.zoneIndex = 0;
    form.dst = true;
    form.city = form.state = form.country = "";
    return form;
}

// City, state, country, "lat min N/S", "lon min E/W", zone row, DST.
QString PlaceFields(const FormValues& f)
{
    return QStringLiteral("%1|%2|%3|%4 %5 %6|%7 %8 %9|%10|%11")
        .arg(QString::fromStdString(f.city), QString::fromStdString(f.state), QString::fromStdString(f.country),
             QString::fromStdString(f.latDeg), QString::fromStdString(f.latMin),
             f.latDirection == 0 ? QStringLiteral("N") : QStringLiteral("S"), QString::fromStdString(f.lonDeg),
             QString::fromStdString(f.lonMin), f.lonDirection == 0 ? QStringLiteral("E") : QStringLiteral("W"))
        .arg(f.zoneIndex)
        .arg(f.dst ? QStringLiteral("DST") : QStringLiteral("no DST"));
}

// Types into City as keys, as a person does.
void TypeInto(QLineEdit& field, const QString& typed)
{
    field.setFocus();
    field.clear();
    QTest::keyClicks(&field, typed);
}

QStringList PopupTexts(const QCompleter& completer)
{
    QStringList texts;
    const QAbstractItemModel* model = completer.popup()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

}  // namespace

class PlaceCompletionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pickedPlaceFillsThePlaceAndItsZone();
    void newDateChoosesTheZoneAgain();
    void handEditsLetThePlaceGo();
    void inexactZoneWarnsInTheErrorColour();
    void sharedLabelsShowTheirCoordinates();
    void withoutGeonamesCityIsAPlainField();

private:
    InputWindow& input() { return driven_->input(); }
    QLineEdit* city() { return Child<QLineEdit>(input(), "txtCity"); }
    QLabel* note() { return Child<QLabel>(input(), "lblZoneNote"); }
    QComboBox* list(const char* name) { return Child<QComboBox>(input(), QLatin1String(name)); }
    // Types the start of a name and picks the completion shown as label, with
    // the keyboard; false when it was not offered.
    bool pick(const QString& typed, const QString& label);

    std::unique_ptr<DrivenProgram> driven_;
};

void PlaceCompletionTest::initTestCase()
{
    QVERIFY2(SharedPlaceFinder().WaitUntilLoaded(), "the GeoNames cities (libgeonames0) are needed");
}

void PlaceCompletionTest::init()
{
    driven_ = std::make_unique<DrivenProgram>();
    QVERIFY(QTest::qWaitForWindowExposed(&input()));
    input().setFormValues(NoonForm());
    // The finder was loaded before the window opened; its completer comes with the first event loop turn.
    QTRY_VERIFY(input().findChild<QCompleter*>() != nullptr);
}

void PlaceCompletionTest::cleanup()
{
    driven_.reset();
}

bool PlaceCompletionTest::pick(const QString& typed, const QString& label)
{
    TypeInto(*city(), typed);
    QCompleter* completer = input().findChild<QCompleter*>();
    QAbstractItemView* popup = completer->popup();
    if (!QTest::qWaitFor([popup] { return popup->isVisible(); }))
        return false;
    const int rows = popup->model()->rowCount();
    for (int step = 0; step <= rows && popup->currentIndex().data().toString() != label; ++step)
        QTest::keyClick(popup, Qt::Key_Down);
    if (popup->currentIndex().data().toString() != label) {
        qWarning("%s not among: %s", qPrintable(label), qPrintable(PopupTexts(*completer).join(QLatin1String("; "))));
        return false;
    }
    QTest::keyClick(popup, Qt::Key_Return);
    return !popup->isVisible();
}

void PlaceCompletionTest::pickedPlaceFillsThePlaceAndItsZone()
{
    TypeInto(*city(), QStringLiteral("Mumb"));
    QCompleter* completer = input().findChild<QCompleter*>();
    QTRY_VERIFY(completer->popup()->isVisible());
    QCOMPARE(PopupTexts(*completer).value(0), QStringLiteral("Mumbai, Maharashtra, India"));
    // Typing goes on into the field while the popup is up.
    QCOMPARE(city()->text(), QStringLiteral("Mumb"));
    QVERIFY(note()->text().isEmpty());

    QVERIFY(pick(QStringLiteral("Mumb"), QStringLiteral("Mumbai, Maharashtra, India")));
    QCOMPARE(PlaceFields(input().formValues()), QStringLiteral("Mumbai|Maharashtra|India|19 4 N|72 53 E|34|no DST"));
    QVERIFY(Child<QRadioButton>(input(), "optLatNorth")->isChecked());
    QVERIFY(Child<QRadioButton>(input(), "optLongEast")->isChecked());
    QCOMPARE(note()->text(), QStringLiteral("Asia/Kolkata on 1 January 2000: UTC+5:30 \u2192 Indian Time, IST, +5.3"));
    QVERIFY(note()->palette().color(QPalette::WindowText) != kErrorColour);
    // Return chose the place; it did not also run the calculation.
    QVERIFY(driven_->program().readingWindow() == nullptr);
    QVERIFY(driven_->dialogs.messages.isEmpty());
}

void PlaceCompletionTest::newDateChoosesTheZoneAgain()
{
    QVERIFY(pick(QStringLiteral("Mumb"), QStringLiteral("Mumbai, Maharashtra, India")));
    auto* dst = Child<QCheckBox>(input(), "chkDST");
    QVERIFY(!dst->isChecked());

    // India's war time, +6:30, from September 1942 to October 1945.
    list("cboYear")->setCurrentIndex(1943 - 1901);
    list("cboMonth")->setCurrentIndex(2);
    QVERIFY(dst->isChecked());
    QCOMPARE(list("cboTimeZone")->currentIndex(), 34);
    QCOMPARE(note()->text(), QStringLiteral("Asia/Kolkata on 1 March 1943: UTC+6:30, summer time \u2192 Indian Time, "
                                            "IST, +5.3 with DST"));

    list("cboYear")->setCurrentIndex(1950 - 1901);
    QVERIFY(!dst->isChecked());
    // The hour and minute lists count too: 24:00 is the midnight ending the day.
    list("cboHour")->setCurrentIndex(24);
    QCOMPARE(note()->text(), QStringLiteral("Asia/Kolkata on 1 March 1950: UTC+5:30 \u2192 Indian Time, IST, +5.3"));
    QCOMPARE(PlaceFields(input().formValues()), QStringLiteral("Mumbai|Maharashtra|India|19 4 N|72 53 E|34|no DST"));
}

void PlaceCompletionTest::handEditsLetThePlaceGo()
{
    auto* dst = Child<QCheckBox>(input(), "chkDST");
    auto* year = list("cboYear");
    auto* zone = list("cboTimeZone");
    // A war-time year, so that choosing again would tick the box.
    struct Edit {
        const char* what;
        std::function<void()> make;
    };
    const Edit edits[] = {
        {"zone row", [zone] { zone->setCurrentIndex(33); }},
        {"DST box", [dst] { dst->click(); }},
        {"typed letter in City", [this] { QTest::keyClick(city(), Qt::Key_X); }},
        {"state", [this] { Child<QLineEdit>(input(), "txtState")->setText(QStringLiteral("Goa")); }},
        {"South", [this] { Child<QRadioButton>(input(), "optLatSouth")->click(); }},
    };
    for (const Edit& edit : edits) {
        year->setCurrentIndex(2000 - 1901);
        QVERIFY(pick(QStringLiteral("Mumb"), QStringLiteral("Mumbai, Maharashtra, India")));
        QVERIFY(!note()->text().isEmpty());
        edit.make();
        QVERIFY2(note()->text().isEmpty(), edit.what);
        const FormValues before = input().formValues();
        year->setCurrentIndex(1943 - 1901);
        FormValues after = input().formValues();
        after.yearIndex = before.yearIndex;
        QVERIFY2(Describe(after) == Describe(before), edit.what);
    }

    // A saved reading's fields, as Open enters them, keep their own zone row and box.
    year->setCurrentIndex(2000 - 1901);
    QVERIFY(pick(QStringLiteral("Mumb"), QStringLiteral("Mumbai, Maharashtra, India")));
    FormValues saved = input().formValues();
    saved.yearIndex = 1943 - 1901;
    input().setFormValues(saved);
    QCOMPARE(Describe(input().formValues()), Describe(saved));
    QVERIFY(note()->text().isEmpty());
    list("cboDate")->setCurrentIndex(9);
    QVERIFY(!dst->isChecked());
}

void PlaceCompletionTest::inexactZoneWarnsInTheErrorColour()
{
    // Nepal's +5:45 has no row of its own.
    QVERIFY(pick(QStringLiteral("Kathm"), QStringLiteral("Kathmandu, Bagmati Province, Nepal")));
    QCOMPARE(PlaceFields(input().formValues()),
             QStringLiteral("Kathmandu|Bagmati Province|Nepal|27 42 N|85 19 E|34|no DST"));
    QVERIFY2(note()->text().startsWith(QStringLiteral("Asia/Kathmandu on 1 January 2000: UTC+5:45 \u2192 nearest row "
                                                      "Indian Time, IST, +5.3, 15 minutes off")),
             qPrintable(note()->text()));
    QCOMPARE(note()->palette().color(QPalette::WindowText), kErrorColour);
    QVERIFY(kErrorColour.red() > 150 && kErrorColour.green() < 60 && kErrorColour.blue() < 60);
    // The whole warning shows, below the zone list.
    QTRY_VERIFY(note()->height() >= note()->heightForWidth(note()->width()));
    QComboBox* zone = list("cboTimeZone");
    QVERIFY(note()->mapTo(&input(), QPoint()).y() > zone->mapTo(&input(), QPoint(0, zone->height())).y());

    // Before 1986 Nepal kept +5:30: exact again, in the usual colour.
    list("cboYear")->setCurrentIndex(1980 - 1901);
    QVERIFY2(note()->text().startsWith(QStringLiteral("Asia/Kathmandu on 1 January 1980: UTC+5:30 \u2192 Indian")),
             qPrintable(note()->text()));
    QCOMPARE(note()->palette().color(QPalette::WindowText),
             Child<QLabel>(input(), "lblIntro0")->palette().color(QPalette::WindowText));
}

void PlaceCompletionTest::sharedLabelsShowTheirCoordinates()
{
    Place north, south, other;
    north.city = south.city = "Springfield";
    north.state = south.state = "Here";
    north.country = south.country = "Nowhere";
    north.latitudeDegrees = 51.15;
    north.longitudeDegrees = 0.8667;
    south.latitudeDegrees = -33.8667;
    south.longitudeDegrees = -0.1333;
    other = north;
    other.state = "There";
    QCOMPARE(CompletionTexts({north, other, south}),
             QStringList({QStringLiteral("Springfield, Here, Nowhere (51\u00B009\u2032 N, 0\u00B052\u2032 E)"),
                          QStringLiteral("Springfield, There, Nowhere"),
                          QStringLiteral("Springfield, Here, Nowhere (33\u00B052\u2032 S, 0\u00B008\u2032 W)")}));

    // GeoNames has two Ashfords in England: the popup tells them apart.
    TypeInto(*city(), QStringLiteral("Ashford"));
    QCompleter* completer = input().findChild<QCompleter*>();
    QTRY_VERIFY(completer->popup()->isVisible());
    const QStringList texts = PopupTexts(*completer);
    QCOMPARE(texts.filter(QStringLiteral("Ashford, England, United Kingdom (")).size(), 2);
    QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), texts.size());
    // Wide enough that the coordinates are not cut off.
    QAbstractItemView* popup = completer->popup();
    for (const QString& text : texts)
        QVERIFY2(popup->viewport()->width() > popup->fontMetrics().horizontalAdvance(text), qPrintable(text));
}

void PlaceCompletionTest::withoutGeonamesCityIsAPlainField()
{
    PlaceFinder absent("libgeonames-not-installed.so.0");
    InputWindow window(driven_->dialogs, absent);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!absent.WaitUntilLoaded());
    QCoreApplication::processEvents();
    QVERIFY(window.findChild<QCompleter*>() == nullptr);

    auto* field = Child<QLineEdit>(window, "txtCity");
    TypeInto(*field, QStringLiteral("Mumb"));
    QCOMPARE(field->text(), QStringLiteral("Mumb"));
    QVERIFY(field->completer() == nullptr);
    QVERIFY(Child<QLabel>(window, "lblZoneNote")->text().isEmpty());
    QVERIFY(driven_->dialogs.messages.isEmpty());
}

QTEST_MAIN(PlaceCompletionTest)
#include "tst_placecompletion.moc"
