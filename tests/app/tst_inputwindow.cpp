// The input window driven through the application object: key filters,
// the order of the checks, what a refused form leaves alone, the place
// look-up and the window's lists.
#include "AppTestSupport.h"
#include "ScriptedDialogs.h"

#include "app/FrmMain.h"
#include "app/MdiFrame.h"
#include "app/SaveForm.h"
#include "app/VarelioApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class InputWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listsStartAtTheirFirstEntries();
    void labelsAndMenusCarryTheirTexts();
    void keyFilters_data();
    void keyFilters();
    void navigationAndShortcutsPassTheFilter();
    void fourthDigitIsNotAccepted();
    void firstFailingCheckIsReported_data();
    void firstFailingCheckIsReported();
    void missingDirectionSelectsTheFirstOption();
    void datesOfTheCalendar_data();
    void datesOfTheCalendar();
    void missingConverterIsReportedLast();
    void refusedFormChangesNothing();
    void formValuesRoundTrip();
    void placeLookUpChecksThenSearches();
    void closingTheInputWindowEndsTheProgram();

private:
    FrmMain& input() { return program_->inputWindow(); }
    QLineEdit* field(const char* name) { return Child<QLineEdit>(input(), QLatin1String(name)); }

    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<VarelioApp> program_;
};

void InputWindowTest::init()
{
    SetJpegWriterAvailableForTesting(true);
    dialogs_ = std::make_unique<ScriptedDialogs>();
    program_ = std::make_unique<VarelioApp>(*dialogs_);
    program_->start();
    QVERIFY(QTest::qWaitForWindowExposed(&input()));
}

void InputWindowTest::cleanup()
{
    program_.reset();
    dialogs_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetJpegWriterAvailableForTesting(std::nullopt);
}

void InputWindowTest::labelsAndMenusCarryTheirTexts()
{
    QStringList intro;
    for (int i = 0; i < 3; ++i)
        intro << Child<QLabel>(input(), QStringLiteral("lblIntro%1").arg(i))->text();
    QCOMPARE(intro.value(0), QStringLiteral("Varelio displays if a person suffers from  problems created by planet Mars. "
                                            "Manglik is also known as Mars Dosha, Mangal Dosha, Manglik Dosha, Mangalik "
                                            "Dosha, Bhom Dosha or Kuja Dosha."));
    QCOMPARE(intro.value(1), QStringLiteral("This can lead to a lot of delays, frustrations, obstacles and problems in "
                                            "life. Knowing if you are a Manglik or not helps find remedies to these "
                                            "problems."));
    QCOMPARE(intro.value(2), QStringLiteral("One can be Manglik by Lagna (Ascendant) chart or by Chandra (Moon) chart "
                                            "or by both."));
    QCOMPARE(Child<QPushButton>(input(), "cmdCalculate")->text(), QStringLiteral("&Get My Manglik Reading"));
    QCOMPARE(Child<QPushButton>(input(), "cmdOpen")->text(), QStringLiteral("&Open Previously Saved Reading"));
    QCOMPARE(Child<QCheckBox>(input(), "chkDST")->text(), QStringLiteral("Daylight Saving Time"));

    // The File menu exactly; Help may hold web links besides "&About Software".
    QStringList file;
    for (const QAction* entry : Child<QMenu>(input(), "mnuFile")->actions())
        file << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(file.join(QLatin1Char('|')), QStringLiteral("Get My &Rasi Chart|-|&Exit"));
    QStringList help;
    for (const QAction* entry : Child<QMenu>(input(), "mnuHelp")->actions())
        help << entry->text();
    QVERIFY2(help.contains(QStringLiteral("&About Software")), qPrintable(help.join(QLatin1Char('|'))));
    QCOMPARE(Child<QMenu>(input(), "mnuHelp")->title(), QStringLiteral("&Help"));
    QCOMPARE(Child<QMenu>(input(), "mnuFile")->title(), QStringLiteral("&File"));
}

void InputWindowTest::listsStartAtTheirFirstEntries()
{
    struct ListCase {
        const char* name;
        int count;
        const char* first;
        const char* last;
    };
    const ListCase lists[] = {
        {"cboDate", 31, "1", "31"},           {"cboMonth", 12, "January", "December"},
        {"cboYear", 150, "1901", "2050"},     {"cboHour", 25, "0", "24"},
        {"cboMinute", 60, "0", "59"},
        {"cboTimeZone", 71, "Alaska/Hawaii Daylight Time,AHDT,-9.0", "Yukon War Time,YWT,-8.0"},
    };
    for (const ListCase& c : lists) {
        auto* list = Child<QComboBox>(input(), QLatin1String(c.name));
        QVERIFY(list);
        QVERIFY2(!list->isEditable(), c.name);
        QCOMPARE(list->count(), c.count);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->itemText(0), QLatin1String(c.first));
        QCOMPARE(list->itemText(c.count - 1), QLatin1String(c.last));
    }
    QCOMPARE(Child<QComboBox>(input(), "cboTimeZone")->itemText(34), QStringLiteral("Indian Time, IST, +5.3"));
    QVERIFY(Child<QRadioButton>(input(), "optLatNorth")->isChecked());
    QVERIFY(Child<QRadioButton>(input(), "optLongEast")->isChecked());
    QCOMPARE(input().windowTitle(), QStringLiteral("Varelio v1.15"));
    QCOMPARE(Child<QPushButton>(input(), "Command1")->text(), QStringLiteral("Click here to find Latitude && Longitude"));
}

void InputWindowTest::keyFilters_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("message");

    const QString letters = QStringLiteral("Please enter only letters");
    const QString numbers = QStringLiteral("Please enter only numbers");
    QTest::newRow("digit in city") << "txtCity" << "7" << "" << letters;
    QTest::newRow("hyphen in name") << "txtName" << "-" << "" << letters;
    QTest::newRow("apostrophe in state") << "txtState" << "'" << "" << letters;
    QTest::newRow("accented letter in country") << "txtCountry" << QStringLiteral("\u00E9") << "" << letters;
    QTest::newRow("letters and blank in name") << "txtName" << "Ravi Kumar" << "Ravi Kumar" << "";
    QTest::newRow("hyphen in latitude degrees") << "txtLatDeg" << "-" << "" << numbers;
    QTest::newRow("letter in longitude minutes") << "txtLonMin" << "a" << "" << numbers;
    QTest::newRow("blank in latitude minutes") << "txtLatMin" << " " << "" << numbers;
    QTest::newRow("digits in longitude degrees") << "txtLonDeg" << "77" << "77" << "";
}

void InputWindowTest::keyFilters()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, expectedText);
    QFETCH(QString, message);

    QLineEdit* target = field(qPrintable(fieldName));
    QVERIFY(target);
    field("txtName")->setFocus();
    // Each character as one key press with its text, as a keyboard sends it.
    for (const QChar c : typed) {
        const int key = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
        QTest::sendKeyEvent(QTest::Click, target, static_cast<Qt::Key>(c.unicode() < 128 ? key : Qt::Key_unknown),
                            QString(c), Qt::NoModifier);
    }

    QCOMPARE(target->text(), expectedText);
    if (message.isEmpty()) {
        QCOMPARE(dialogs_->messages.size(), 0);
        return;
    }
    QCOMPARE(dialogs_->messages.size(), typed.size());
    QCOMPARE(dialogs_->messages.first().text, message);
    QCOMPARE(dialogs_->messages.first().icon, MessageIcon::Error);
    QCOMPARE(dialogs_->messages.first().title, QStringLiteral("Varelio"));
    if (message.endsWith(QLatin1String("letters")))
        QCOMPARE(input().focusWidget(), target);
}

void InputWindowTest::navigationAndShortcutsPassTheFilter()
{
    QLineEdit* city = field("txtCity");
    city->setText(QStringLiteral("Pune"));
    QTest::keyClick(city, Qt::Key_Home);
    QTest::keyClick(city, Qt::Key_Delete);
    QTest::keyClick(city, Qt::Key_End);
    QTest::keyClick(city, Qt::Key_Backspace);
    QTest::keyClick(city, Qt::Key_Left);
    QTest::keyClick(city, Qt::Key_A, Qt::ControlModifier);  // select all
    QCOMPARE(city->text(), QStringLiteral("un"));
    QCOMPARE(city->selectedText(), QStringLiteral("un"));
    QCOMPARE(dialogs_->messages.size(), 0);

    // Pasted or programmatic text is not filtered.
    field("txtLatDeg")->insert(QStringLiteral("2x"));
    QCOMPARE(field("txtLatDeg")->text(), QStringLiteral("2x"));
    QCOMPARE(dialogs_->messages.size(), 0);
}

void InputWindowTest::fourthDigitIsNotAccepted()
{
    for (const char* name : {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"}) {
        QLineEdit* target = field(name);
        QTest::keyClicks(target, QStringLiteral("1234"));
        QVERIFY2(target->text() == QLatin1String("123"), qPrintable(QStringLiteral("%1 holds %2").arg(QLatin1String(name), target->text())));
    }
    QCOMPARE(dialogs_->messages.size(), 0);
}

void InputWindowTest::firstFailingCheckIsReported_data()
{
    QTest::addColumn<QString>("emptied");    // fields emptied, comma separated
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focusName");

    QTest::newRow("name") << "name,city" << "Please Enter Your Name" << "txtName";
    QTest::newRow("latitude degrees") << "latDeg,lonMin" << "Please Enter Degree of Latitude" << "txtLatDeg";
    QTest::newRow("latitude minutes") << "latMin,country" << "Please Enter Minutes of Latitude" << "txtLatMin";
    QTest::newRow("longitude degrees") << "lonDeg" << "Please Enter Degree of Longitude" << "txtLonDeg";
    QTest::newRow("longitude minutes") << "lonMin,state" << "Please Enter Minute of Longitude" << "txtLonMin";
    QTest::newRow("only the city") << "city" << "Please Enter Your City name" << "txtCity";
    QTest::newRow("state") << "state,country" << "Please Enter Your State name" << "txtState";
    QTest::newRow("country") << "country" << "Please Enter Your Country name" << "txtCountry";
}

void InputWindowTest::firstFailingCheckIsReported()
{
    QFETCH(QString, emptied);
    QFETCH(QString, message);
    QFETCH(QString, focusName);

    FormValues form = WorkedExampleForm();
    for (const QString& which : emptied.split(QLatin1Char(','))) {
        if (which == QLatin1String("name")) form.name.clear();
        if (which == QLatin1String("latDeg")) form.latDeg.clear();
        if (which == QLatin1String("latMin")) form.latMin.clear();
        if (which == QLatin1String("lonDeg")) form.lonDeg.clear();
        if (which == QLatin1String("lonMin")) form.lonMin.clear();
        if (which == QLatin1String("city")) form.city.clear();
        if (which == QLatin1String("state")) form.state.clear();
        if (which == QLatin1String("country")) form.country.clear();
    }
    input().setFormValues(form);
    field("txtName")->setFocus();
    if (focusName == QLatin1String("txtName"))
        field("txtCountry")->setFocus();

    Child<QPushButton>(input(), "cmdCalculate")->click();

    QCOMPARE(dialogs_->messages.size(), 1);
    QCOMPARE(dialogs_->messages[0].text, message);
    QCOMPARE(dialogs_->messages[0].icon, MessageIcon::Error);
    QCOMPARE(dialogs_->messages[0].title, QStringLiteral("Varelio"));
    QCOMPARE(input().focusWidget(), field(qPrintable(focusName)));
    QVERIFY(program_->readingFrame() == nullptr);
    QVERIFY(input().isVisible());
}

void InputWindowTest::missingDirectionSelectsTheFirstOption()
{
    struct DirectionCase {
        int lat, lon;
        const char* message;
        const char* selected;
    };
    const DirectionCase cases[] = {
        {-1, -1, "Please Select Direction For The Latitude", "optLatNorth"},
        {1, -1, "Please Select Direction For The Longitude", "optLongEast"},
    };
    for (const DirectionCase& c : cases) {
        dialogs_->messages.clear();
        FormValues form = WorkedExampleForm();
        form.latDirection = c.lat;
        form.lonDirection = c.lon;
        input().setFormValues(form);
        QCOMPARE(input().formValues().latDirection, c.lat);
        QVERIFY(program_->CalculateReading() == false);
        QCOMPARE(dialogs_->messages.size(), 1);
        QCOMPARE(dialogs_->messages[0].text, QLatin1String(c.message));
        QVERIFY2(Child<QRadioButton>(input(), QLatin1String(c.selected))->isChecked(), c.selected);
    }
}

void InputWindowTest::datesOfTheCalendar_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");  // empty: the reading opens

    QTest::newRow("29 February 2004") << 29 << 2 << 2004 << "";
    QTest::newRow("29 February 2003") << 29 << 2 << 2003 << "Please Enter Correct Date Or Month!";
    QTest::newRow("30 February 2004") << 30 << 2 << 2004 << "Please Enter Correct Date Or Month!";
    QTest::newRow("31 April 1990") << 31 << 4 << 1990 << "Please Enter Correct Date Or Month !";
    QTest::newRow("31 November 2050") << 31 << 11 << 2050 << "Please Enter Correct Date Or Month !";
    QTest::newRow("31 December 1901") << 31 << 12 << 1901 << "";
}

void InputWindowTest::datesOfTheCalendar()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);

    FormValues form = WorkedExampleForm();
    form.dayIndex = day - 1;
    form.monthIndex = month - 1;
    form.yearIndex = year - 1901;
    input().setFormValues(form);
    const bool shown = program_->CalculateReading();

    if (message.isEmpty()) {
        QVERIFY2(dialogs_->messages.isEmpty(), qPrintable(dialogs_->messages.value(0).text));
        QVERIFY(shown);
        QVERIFY(program_->readingFrame() != nullptr);
        QVERIFY(!input().isVisible());
    } else {
        QCOMPARE(dialogs_->messages.size(), 1);
        QCOMPARE(dialogs_->messages[0].text, message);
        QCOMPARE(dialogs_->messages[0].icon, MessageIcon::Information);
        QVERIFY(!shown);
        QVERIFY(program_->readingFrame() == nullptr);
    }
}

void InputWindowTest::missingConverterIsReportedLast()
{
    SetJpegWriterAvailableForTesting(false);
    FormValues form = WorkedExampleForm();
    form.city.clear();
    input().setFormValues(form);
    program_->CalculateReading();
    QCOMPARE(dialogs_->messages.value(0).text, QStringLiteral("Please Enter Your City name"));

    input().setFormValues(WorkedExampleForm());
    program_->CalculateReading();
    QCOMPARE(dialogs_->messages.size(), 2);
    QCOMPARE(dialogs_->messages[1].text, QStringLiteral("Required File Is Missing. Please Reinstall The Software."));
    QCOMPARE(dialogs_->messages[1].icon, MessageIcon::Error);
    QVERIFY(program_->readingFrame() == nullptr);
}

void InputWindowTest::refusedFormChangesNothing()
{
    input().setFormValues(WorkedExampleForm());
    QVERIFY(program_->CalculateReading());
    program_->Back();
    const BirthData before = program_->reading().birthData;
    const std::string planetBefore = program_->reading().chartState.bodyPositionText[0];

    FormValues refused = WorkedExampleForm();
    refused.name.clear();
    refused.yearIndex = 1985 - 1901;
    refused.city = "Pune";
    input().setFormValues(refused);
    const QString formBefore = Describe(input().formValues());

    QVERIFY(!program_->CalculateReading());
    QCOMPARE(dialogs_->messages.size(), 1);
    QVERIFY(program_->readingFrame() == nullptr);
    QVERIFY(input().isVisible());
    QCOMPARE(Describe(input().formValues()), formBefore);
    const BirthData& after = program_->reading().birthData;
    QCOMPARE(QString::fromStdString(after.name), QString::fromStdString(before.name));
    QCOMPARE(after.year, before.year);
    QCOMPARE(QString::fromStdString(after.city), QString::fromStdString(before.city));
    QCOMPARE(program_->reading().chartState.bodyPositionText[0], planetBefore);
}

void InputWindowTest::formValuesRoundTrip()
{
    FormValues form;
    form.name = "  Meera ";
    form.dayIndex = 6;
    form.monthIndex = 2;
    form.yearIndex = 84;
    form.hourIndex = 24;
    form.minuteIndex = 59;
    form.zoneIndex = 70;
    form.latDeg = "95";
    form.latMin = "0";
    form.latDirection = 1;
    form.lonDeg = "123";
    form.lonMin = "7";
    form.lonDirection = 1;
    form.dst = true;
    form.city = " Port Louis ";
    form.state = "Plaines";
    form.country = "Mauritius";
    input().setFormValues(form);
    QCOMPARE(Describe(input().formValues()), Describe(form));
    QCOMPARE(input().timeZoneIndex(), 70);
}

void InputWindowTest::placeLookUpChecksThenSearches()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    auto* lookUp = Child<QPushButton>(input(), "Command1");

    struct Step {
        const char* city;
        const char* state;
        const char* country;
        const char* message;
        const char* focus;
    };
    const Step steps[] = {
        {"", "", "", "Please Enter City", "txtCity"},
        {"Delhi", "", "India", "Please Enter State", "txtState"},
        {"Delhi", "Delhi", "", "Please Enter Country", "txtCountry"},
    };
    for (const Step& s : steps) {
        dialogs_->messages.clear();
        field("txtCity")->setText(QLatin1String(s.city));
        field("txtState")->setText(QLatin1String(s.state));
        field("txtCountry")->setText(QLatin1String(s.country));
        field("txtName")->setFocus();
        lookUp->click();
        QCOMPARE(dialogs_->messages.size(), 1);
        QCOMPARE(dialogs_->messages[0].text, QLatin1String(s.message));
        QCOMPARE(dialogs_->messages[0].icon, MessageIcon::Error);
        QCOMPARE(input().focusWidget(), field(s.focus));
    }
    QVERIFY(catcher.urls.isEmpty());

    dialogs_->messages.clear();
    field("txtCity")->setText(QStringLiteral("New Delhi"));
    field("txtState")->setText(QStringLiteral("Delhi"));
    field("txtCountry")->setText(QStringLiteral("India & Co"));
    lookUp->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(dialogs_->messages.size(), 0);
    QCOMPARE(catcher.urls.size(), 1);
    const QUrl url = catcher.urls[0];
    QCOMPARE(url.host(), QStringLiteral("www.openstreetmap.org"));
    QCOMPARE(url.query(QUrl::FullyEncoded), QStringLiteral("query=New%20Delhi%20Delhi%20India%20%26%20Co"));
}

void InputWindowTest::closingTheInputWindowEndsTheProgram()
{
    QSignalSpy finished(program_.get(), &VarelioApp::finished);
    input().close();
    QCOMPARE(finished.size(), 1);
}

QTEST_MAIN(InputWindowTest)
#include "tst_inputwindow.moc"
