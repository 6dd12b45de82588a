// The input window driven through the application object: what its fields
// take from the keyboard and the clipboard, each refused check's message and
// focus, what a refused form leaves alone, the place look-up and the window's
// lists.
#include "AppTestSupport.h"

#include "VarelioVersion.h"
#include "words/Problems.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QInputMethodEvent>
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
    void typedCharacters_data();
    void typedCharacters();
    void editingKeysAndShortcutsPass();
    void fourthDigitIsNotAccepted();
    void pastedTextOutsideTheRuleIsRefused();
    void typedDigitsPickTheNumberTyped();
    void eachProblemShowsItsWordsIconAndFocus();
    void missingJpegWriterRefusesTheReading();
    void refusedFormChangesNothing();
    void formValuesRoundTrip();
    void placeLookUpChecksThenSearches();
    void closingTheInputWindowEndsTheProgram();
    void controlQQuits();
    void opensWithTheFocusInTheName();
    void returnInAFieldRunsTheCalculation_data();
    void returnInAFieldRunsTheCalculation();
    void tabRunsDownEachColumnToTheBandsLinks();
    void controlOOpensASavedReading();

private:
    Application& program() { return driven_->program(); }
    InputWindow& input() { return driven_->input(); }
    QList<ShownMessage>& messages() { return driven_->dialogs.messages; }
    QLineEdit* field(const char* name) { return Child<QLineEdit>(input(), QLatin1String(name)); }

    std::unique_ptr<DrivenProgram> driven_;
};

void InputWindowTest::init()
{
    driven_ = std::make_unique<DrivenProgram>();
    QVERIFY(QTest::qWaitForWindowExposed(&input()));
}

void InputWindowTest::cleanup()
{
    driven_.reset();
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
    QCOMPARE(input().windowTitle(), QStringLiteral("Varelio v" VARELIO_VERSION));
    QCOMPARE(Child<QPushButton>(input(), "Command1")->text(), QStringLiteral("Click here to find Latitude && Longitude"));
}

void InputWindowTest::typedCharacters_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("message");

    const QString letters = QStringLiteral("Please enter only letters");
    const QString numbers = QStringLiteral("Please enter only numbers");
    QTest::newRow("digit in city") << "txtCity" << "7" << "" << letters;
    // Names hold apostrophes, hyphens and dots; other signs are no letters.
    QTest::newRow("apostrophes and hyphen in name") << "txtName" << QStringLiteral("Jean-Luc O'Neill D’Souza")
                                                    << QStringLiteral("Jean-Luc O'Neill D’Souza") << "";
    QTest::newRow("dot in city") << "txtCity" << "St. John" << "St. John" << "";
    QTest::newRow("at sign in name") << "txtName" << "@" << "" << letters;
    QTest::newRow("comma in state") << "txtState" << "," << "" << letters;
    // Letters a reading file can store are letters; the others get the same message.
    QTest::newRow("accented letters in city") << "txtCity" << QStringLiteral("S\u00E3o Jos\u00E9") << QStringLiteral("S\u00E3o Jos\u00E9") << "";
    QTest::newRow("ligature in name") << "txtName" << QStringLiteral("\u0152dipe") << QStringLiteral("\u0152dipe") << "";
    QTest::newRow("u umlaut in name") << "txtName" << QStringLiteral("\u00FC") << "" << letters;
    QTest::newRow("Greek letter in country") << "txtCountry" << QStringLiteral("\u03B1") << "" << letters;
    QTest::newRow("superscript two in state") << "txtState" << QStringLiteral("\u00B2") << "" << letters;
    QTest::newRow("hyphen in latitude degrees") << "txtLatDeg" << "-" << "" << numbers;
    QTest::newRow("letter in longitude minutes") << "txtLonMin" << "a" << "" << numbers;
    QTest::newRow("blank in latitude minutes") << "txtLatMin" << " " << "" << numbers;
    QTest::newRow("digits in longitude degrees") << "txtLonDeg" << "77" << "77" << "";
}

void InputWindowTest::typedCharacters()
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
        QCOMPARE(messages().size(), 0);
        return;
    }
    QCOMPARE(messages().size(), typed.size());
    QCOMPARE(messages().first().text, message);
    QCOMPARE(messages().first().icon, MessageIcon::Error);
    QCOMPARE(messages().first().title, QStringLiteral("Varelio"));
    if (message.endsWith(QLatin1String("letters")))
        QCOMPARE(input().focusWidget(), target);
}

void InputWindowTest::editingKeysAndShortcutsPass()
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
    QCOMPARE(messages().size(), 0);
}

void InputWindowTest::fourthDigitIsNotAccepted()
{
    for (const char* name : {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"}) {
        QLineEdit* target = field(name);
        QTest::keyClicks(target, QStringLiteral("1234"));
        QVERIFY2(target->text() == QLatin1String("123"), qPrintable(QStringLiteral("%1 holds %2").arg(QLatin1String(name), target->text())));
    }
    QCOMPARE(messages().size(), 0);
}

void InputWindowTest::pastedTextOutsideTheRuleIsRefused()
{
    struct Paste {
        const char* field;
        const char* pasted;
        const char* kept;
    };
    const Paste pastes[] = {
        {"txtLatDeg", "O5", ""},          {"txtLatMin", "5O", ""},      {"txtLonDeg", "-77", ""},
        {"txtLonMin", " 13", ""},         {"txtLatDeg", "28", "28"},    {"txtLonDeg", "1234", "123"},
        {"txtCity", "Delhi-6", ""},       {"txtName", "Ravi Kumar", "Ravi Kumar"},
        {"txtCity", "S\xC3\xA3o Paulo", "S\xC3\xA3o Paulo"}, {"txtName", "M\xC3\xBCller", ""},
        {"txtCity", "Delhi, India", ""},
    };
    for (const Paste& p : pastes) {
        QLineEdit* target = field(p.field);
        const bool refused = *p.kept == '\0';
        const bool letters = target->maxLength() > 3;
        const auto check = [&](bool told) {
            QCOMPARE(target->text(), QString::fromUtf8(p.kept));
            QCOMPARE(messages().size(), told ? 1 : 0);
            messages().clear();
            target->clear();
        };
        target->clear();
        target->setFocus();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(p.pasted));
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        // A letter field's refusal gets its message; a number field's stays
        // silent, as a fourth digit does.
        check(refused && letters);
        target->insert(QString::fromUtf8(p.pasted));  // a drop or the context menu's paste
        check(refused && letters);
        // An input method's commit is typing: refused, it gets the message.
        QInputMethodEvent committed;
        committed.setCommitString(QString::fromUtf8(p.pasted));
        QCoreApplication::sendEvent(target, &committed);
        check(refused);
    }
}

// Digits typed on a closed or open list pick the number typed, not the next
// entry that starts with them; a pause starts a new number.
void InputWindowTest::typedDigitsPickTheNumberTyped()
{
    struct Typing {
        const char* list;
        int shown;
        const char* keys;
        const char* picked;
    };
    const Typing typings[] = {
        {"cboDate", 0, "1", "1"},      {"cboDate", 0, "31", "31"},  {"cboDate", 4, "35", "5"},
        {"cboMinute", 15, "5", "5"},   {"cboMinute", 15, "05", "5"}, {"cboHour", 0, "23", "23"},
        {"cboYear", 0, "1985", "1985"}, {"cboYear", 0, "2", "2000"}, {"cboDate", 0, "3 1", "1"},
    };
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(100);  // a short pause, to keep the test short
    for (const Typing& t : typings) {
        auto* list = Child<QComboBox>(input(), QLatin1String(t.list));
        list->setCurrentIndex(t.shown);
        for (const char* key = t.keys; *key; ++key) {
            if (*key == ' ')
                QTest::qWait(150);
            else
                QTest::keyClick(list, *key);
        }
        QCOMPARE(list->currentText(), QLatin1String(t.picked));
        QTest::qWait(150);
    }
    auto* day = Child<QComboBox>(input(), QStringLiteral("cboDate"));
    day->setCurrentIndex(0);
    day->showPopup();
    QTest::keyClicks(day->view(), QStringLiteral("1"));
    QTest::keyClick(day->view(), Qt::Key_Return);
    QApplication::setKeyboardInputInterval(interval);
    QCOMPARE(day->currentText(), QStringLiteral("1"));
    QVERIFY(messages().isEmpty());
}

void InputWindowTest::eachProblemShowsItsWordsIconAndFocus()
{
    struct Shown {
        ProblemCode code;
        Severity severity;
        FormField focus;
        const char* target;  // the field focused or the option selected; null: nothing moves
    };
    const Shown problems[] = {
        {ProblemCode::NameMissing, Severity::Error, FormField::Name, "txtName"},
        {ProblemCode::LatitudeDegreesMissing, Severity::Error, FormField::LatDeg, "txtLatDeg"},
        {ProblemCode::LatitudeMinutesMissing, Severity::Error, FormField::LatMin, "txtLatMin"},
        {ProblemCode::LongitudeDegreesMissing, Severity::Error, FormField::LonDeg, "txtLonDeg"},
        {ProblemCode::LongitudeMinutesMissing, Severity::Error, FormField::LonMin, "txtLonMin"},
        {ProblemCode::CityMissing, Severity::Error, FormField::City, "txtCity"},
        {ProblemCode::StateMissing, Severity::Error, FormField::State, "txtState"},
        {ProblemCode::CountryMissing, Severity::Error, FormField::Country, "txtCountry"},
        {ProblemCode::LatitudeDirectionMissing, Severity::Error, FormField::North, "optLatNorth"},
        {ProblemCode::LongitudeDirectionMissing, Severity::Error, FormField::East, "optLongEast"},
        {ProblemCode::ImpossibleDate, Severity::Information, FormField::None, nullptr},
        {ProblemCode::ImpossibleDateInThirtyDayMonth, Severity::Information, FormField::None, nullptr},
        {ProblemCode::ConverterMissing, Severity::Error, FormField::None, nullptr},
        {ProblemCode::LatitudeDegreesOutOfRange, Severity::Error, FormField::LatDeg, "txtLatDeg"},
        {ProblemCode::LatitudeMinutesOutOfRange, Severity::Error, FormField::LatMin, "txtLatMin"},
        {ProblemCode::LatitudePastPole, Severity::Error, FormField::LatMin, "txtLatMin"},
        {ProblemCode::LongitudeDegreesOutOfRange, Severity::Error, FormField::LonDeg, "txtLonDeg"},
        {ProblemCode::LongitudeMinutesOutOfRange, Severity::Error, FormField::LonMin, "txtLonMin"},
        {ProblemCode::LongitudePastLimit, Severity::Error, FormField::LonMin, "txtLonMin"},
        {ProblemCode::UtcOffsetInvalid, Severity::Error, FormField::UtcOffset, "txtUtcOffset"},
    };
    auto* month = Child<QComboBox>(input(), "cboMonth");
    for (const Shown& shown : problems) {
        messages().clear();
        FormValues form = WorkedExampleForm();
        form.latDirection = form.lonDirection = -1;
        input().setFormValues(form);
        month->setFocus();
        const Problem problem{shown.code, shown.severity, shown.focus, 0, {}};

        input().showProblem(problem);
        // The companion's words for the same problem.
        const QString text = QString::fromStdString(words::ProblemReason(words::English(), problem));
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].text, text);
        QCOMPARE(messages()[0].icon,
                 shown.severity == Severity::Information ? MessageIcon::Information : MessageIcon::Error);
        QCOMPARE(messages()[0].title, QStringLiteral("Varelio"));
        if (!shown.target)
            QVERIFY2(input().focusWidget() == month, qPrintable(text));
        else if (auto* option = input().findChild<QRadioButton*>(QLatin1String(shown.target)))
            QVERIFY2(option->isChecked(), qPrintable(text));
        else
            QVERIFY2(input().focusWidget() == field(shown.target), qPrintable(text));
    }
}

void InputWindowTest::missingJpegWriterRefusesTheReading()
{
    SetJpegWriterAvailableForTesting(false);
    input().setFormValues(WorkedExampleForm());
    QVERIFY(!program().calculateReading());
    QCOMPARE(messages().value(0).text, QStringLiteral("Required File Is Missing. Please Reinstall The Software."));
    QVERIFY(program().readingWindow() == nullptr);
}

void InputWindowTest::refusedFormChangesNothing()
{
    input().setFormValues(WorkedExampleForm());
    QVERIFY(program().calculateReading());
    program().back();
    const BirthData before = program().reading().birthData;
    const double sunBefore = program().reading().chartState.bodies[kSun].longitudeDeg;

    FormValues refused = WorkedExampleForm();
    refused.name.clear();
    refused.yearIndex = 1985 - 1901;
    refused.city = "Pune";
    input().setFormValues(refused);
    const QString formBefore = Describe(input().formValues());

    field("txtCity")->setFocus();
    QVERIFY(!program().calculateReading());
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages()[0].text, QStringLiteral("Please Enter Your Name"));
    QCOMPARE(input().focusWidget(), field("txtName"));
    QVERIFY(program().readingWindow() == nullptr);
    QVERIFY(input().isVisible());
    QCOMPARE(Describe(input().formValues()), formBefore);
    const BirthData& after = program().reading().birthData;
    QCOMPARE(QString::fromStdString(after.name), QString::fromStdString(before.name));
    QCOMPARE(after.year, before.year);
    QCOMPARE(QString::fromStdString(after.city), QString::fromStdString(before.city));
    QCOMPARE(program().reading().chartState.bodies[kSun].longitudeDeg, sunBefore);
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
    form.utcOffset = "+05:53:20";
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
        messages().clear();
        field("txtCity")->setText(QLatin1String(s.city));
        field("txtState")->setText(QLatin1String(s.state));
        field("txtCountry")->setText(QLatin1String(s.country));
        field("txtName")->setFocus();
        lookUp->click();
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].text, QLatin1String(s.message));
        QCOMPARE(messages()[0].icon, MessageIcon::Error);
        QCOMPARE(input().focusWidget(), field(s.focus));
    }
    QVERIFY(catcher.urls.isEmpty());

    messages().clear();
    field("txtCity")->setText(QStringLiteral("New Delhi"));
    field("txtState")->setText(QStringLiteral("Delhi"));
    field("txtCountry")->setText(QStringLiteral("India & Co"));
    lookUp->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(messages().size(), 0);
    QCOMPARE(catcher.urls.size(), 1);
    const QUrl url = catcher.urls[0];
    QCOMPARE(url.host(), QStringLiteral("www.openstreetmap.org"));
    QCOMPARE(url.query(QUrl::FullyEncoded), QStringLiteral("query=New%20Delhi%20Delhi%20India%20%26%20Co"));
}

void InputWindowTest::closingTheInputWindowEndsTheProgram()
{
    QSignalSpy finished(&program(), &Application::finished);
    input().close();
    QCOMPARE(finished.size(), 1);
}

void InputWindowTest::controlQQuits()
{
    QSignalSpy finished(&program(), &Application::finished);
    QTest::keyClick(field("txtCity"), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(finished.size(), 1);
    QVERIFY(!input().isVisible());
}

void InputWindowTest::opensWithTheFocusInTheName()
{
    QVERIFY(QTest::qWaitForWindowActive(&input()));
    QCOMPARE(QApplication::focusWidget(), field("txtName"));
    // Typing goes straight into the name; a blank is a blank, not a click.
    QTest::keyClicks(nullptr, QStringLiteral("Asha Rao"));
    QCOMPARE(field("txtName")->text(), QStringLiteral("Asha Rao"));
    QVERIFY(driven_->dialogs.fileRequests.isEmpty());
    QVERIFY(messages().isEmpty());
}

void InputWindowTest::returnInAFieldRunsTheCalculation_data()
{
    QTest::addColumn<QString>("widgetName");
    QTest::addColumn<int>("key");
    QTest::newRow("Return in the name") << "txtName" << int(Qt::Key_Return);
    QTest::newRow("Enter in latitude minutes") << "txtLatMin" << int(Qt::Key_Enter);
    QTest::newRow("Return in the country") << "txtCountry" << int(Qt::Key_Return);
    QTest::newRow("Return on the month list") << "cboMonth" << int(Qt::Key_Return);
    QTest::newRow("Return on the time-zone list") << "cboTimeZone" << int(Qt::Key_Return);
    QTest::newRow("Return on daylight saving") << "chkDST" << int(Qt::Key_Return);
    QTest::newRow("Return on North") << "optLatNorth" << int(Qt::Key_Return);
    QTest::newRow("Return on the default button") << "cmdCalculate" << int(Qt::Key_Return);
}

void InputWindowTest::returnInAFieldRunsTheCalculation()
{
    QFETCH(QString, widgetName);
    QFETCH(int, key);
    input().setFormValues(WorkedExampleForm());
    auto* target = Child<QWidget>(input(), widgetName);
    QVERIFY(target);
    target->setFocus();
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QVERIFY2(messages().isEmpty(), qPrintable(messages().value(0).text));
    QVERIFY(program().readingWindow() != nullptr);
    QVERIFY(!input().isVisible());
}

// Down the birth column, then down the place column, then the buttons, each
// of the band's links and the match's button beside them.
void InputWindowTest::tabRunsDownEachColumnToTheBandsLinks()
{
    QVERIFY(QTest::qWaitForWindowActive(&input()));
    Child<QPushButton>(input(), "cmdOpen")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 21; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"cmdOpen", "txtName", "cboMonth", "cboDate", "cboYear", "cboHour", "cboMinute",
                                   "chkDST", "cboTimeZone", "txtUtcOffset", "txtLatDeg", "txtLatMin", "optLatNorth",
                                   "txtLonDeg", "txtLonMin", "optLongEast", "txtCity", "txtState", "txtCountry",
                                   "Command1", "cmdCalculate", "lblPromo"}));
    auto* band = Child<QLabel>(input(), "lblPromo");
    QSignalSpy opened(band, &QLabel::linkActivated);
    for (int link = 0; link < 3; ++link) {
        QCOMPARE(QApplication::focusWidget(), band);
        QTest::keyClick(band, Qt::Key_Return);
        QTest::keyClick(band, Qt::Key_Tab);
    }
    QCOMPARE(opened.size(), 3);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdMatch"));
}

void InputWindowTest::controlOOpensASavedReading()
{
    QTest::keyClick(field("txtName"), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(driven_->dialogs.fileRequests.size(), 1);
    QCOMPARE(driven_->dialogs.fileRequests[0].filter, QStringLiteral("Varelio (*.vrl)"));
}

QTEST_MAIN(InputWindowTest)
#include "tst_inputwindow.moc"
