#include "app/InputWindow.h"

#include "app/AboutBox.h"
#include "app/CheckedField.h"
#include "app/Colours.h"
#include "app/PlaceCompletion.h"
#include "app/ScreenFit.h"
#include "app/Shortcuts.h"
#include "app/WebLinks.h"
#include "VarelioVersion.h"
#include "form/TimeZones.h"
#include "places/AsciiForm.h"
#include "places/PlaceEntry.h"
#include "words/Names.h"
#include "words/Translated.h"
#include "words/ZoneNotes.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTimer>
#include <QVBoxLayout>

namespace varelio::app {

namespace {


QComboBox* MakeList(const char* name, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    return list;
}

// A list of numbers (day, year, hour, minute) in which digits typed pick the
// number typed: "1" picks 1 even while 1 shows, "3" then "1" picks 31, and
// "1985" walks 1901, 1901, 1980 to 1985. A list's own search would start
// after the entry shown and turn a day of 1, typed "1", into 10. A digit that
// continues no entry starts a new number; so does a pause as long as the
// desktop's keyboard search allows. The same holds in the open list.
class NumberList final : public QComboBox {
public:
    explicit NumberList(QWidget* parent) : QComboBox(parent) { view()->installEventFilter(this); }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const int entry = EntryTyped(*event);
        if (entry == kNotADigit) {
            QComboBox::keyPressEvent(event);
            return;
        }
        if (entry >= 0 && entry != currentIndex()) {
            setCurrentIndex(entry);
            emit activated(entry);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == view() && event->type() == QEvent::KeyPress) {
            const int entry = EntryTyped(*static_cast<QKeyEvent*>(event));
            if (entry >= 0)
                view()->setCurrentIndex(model()->index(entry, modelColumn()));
            if (entry != kNotADigit)
                return true;
        }
        return QComboBox::eventFilter(watched, event);
    }

private:
    static constexpr int kNotADigit = -2;

    // The entry the key picks, -1 for a digit that picks none, kNotADigit
    // for any other key.
    int EntryTyped(const QKeyEvent& event)
    {
        const QString text = event.text();
        if (text.size() != 1 || !text.front().isDigit() || text.front().unicode() > 0x7F ||
            (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return kNotADigit;
        const bool continuing = sinceKey_.isValid() && sinceKey_.elapsed() < QApplication::keyboardInputInterval();
        sinceKey_.start();
        for (const QString& number : {continuing ? typed_ + text : QString(), text}) {
            if (number.isEmpty())
                continue;
            int entry = findText(number, Qt::MatchExactly);
            if (entry < 0)
                entry = findText(number, Qt::MatchStartsWith);
            if (entry >= 0) {
                typed_ = number;
                return entry;
            }
        }
        typed_.clear();
        return -1;
    }

    QString typed_;
    QElapsedTimer sinceKey_;
};

// The time-zone list, which shows a text of its own in place of the row while
// an exact offset is used instead of it: the nearest row (USSR Zone 4 for
// Bombay Time's +4:51) would otherwise read as the birth's zone. The row
// stays selected, for the reading file's line and for a look at the list.
class ZoneList final : public QComboBox {
public:
    using QComboBox::QComboBox;

    // Also the box's accessible description, so a screen reader says it too.
    void showInsteadOfRow(const QString& text)
    {
        insteadOfRow_ = text;
        setAccessibleDescription(text);
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (insteadOfRow_.isEmpty()) {
            QComboBox::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText = insteadOfRow_;
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }

private:
    QString insteadOfRow_;
};

QComboBox* MakeNumberList(const char* name, QWidget* parent)
{
    auto* list = new NumberList(parent);
    list->setObjectName(QLatin1String(name));
    return list;
}

void FillNumbers(QComboBox* list, FormList which)
{
    const ListRange range = RangeOf(which);
    QStringList items;
    items.reserve(range.entries);
    for (int n = range.firstValue; n <= range.lastValue(); ++n)
        items.append(QString::number(n));
    list->addItems(items);
}

QLineEdit* MakeField(const char* name, FieldRule rule, Dialogs& dialogs, QWidget* parent)
{
    auto* field = new CheckedField(rule, dialogs, parent);
    field->setObjectName(QLatin1String(name));
    if (rule == FieldRule::Digits) {
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
        field->setAlignment(Qt::AlignRight);
    }
    return field;
}

QRadioButton* MakeOption(const char* name, const QString& caption, QWidget* parent)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QLatin1String(name));
    return option;
}

// The band of links: entered by Tab (or Shift+Tab) it focuses its first (or
// last) link at once, so Return opens the link shown; Tab then moves from link
// to link before it leaves the band.
class LinkBand final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLabel::focusInEvent(event);
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
            QLabel::focusNextPrevChild(event->reason() == Qt::TabFocusReason);
    }
};

QString FromStd(const std::string& text) { return QString::fromStdString(text); }
std::string ToStd(const QString& text) { return text.toStdString(); }

// -1 leaves a list without a selection, as a hand-edited saved reading may.
void SelectIndex(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void SelectDirection(QButtonGroup* group, QRadioButton* first, QRadioButton* second, int direction)
{
    group->setExclusive(false);
    first->setChecked(direction == 0);
    second->setChecked(direction == 1);
    group->setExclusive(true);
}

int Direction(const QRadioButton* first, const QRadioButton* second)
{
    if (first->isChecked())
        return 0;
    return second->isChecked() ? 1 : -1;
}

}  // namespace

InputWindow::InputWindow(Dialogs& dialogs, PlaceFinder& finder, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), finder_(finder)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Varelio v%1").arg(QStringLiteral(VARELIO_VERSION)));
    buildMenus();

    auto* central = new QWidget(this);
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);

    auto* body = new QWidget(central);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(8);

    const QString intro[] = {
        tr("Varelio displays if a person suffers from  problems created by planet Mars. Manglik is also known as "
           "Mars Dosha, Mangal Dosha, Manglik Dosha, Mangalik Dosha, Bhom Dosha or Kuja Dosha."),
        tr("This can lead to a lot of delays, frustrations, obstacles and problems in life. Knowing if you are a "
           "Manglik or not helps find remedies to these problems."),
        tr("One can be Manglik by Lagna (Ascendant) chart or by Chandra (Moon) chart or by both."),
    };
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(intro[i], body);
        label->setObjectName(QStringLiteral("lblIntro%1").arg(i));
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        column->addWidget(label);
    }

    openButton_ = new QPushButton(tr("&Open Previously Saved Reading"), body);
    openButton_->setObjectName(QStringLiteral("cmdOpen"));
    auto* openRow = new QHBoxLayout;
    openRow->addWidget(openButton_);
    openRow->addStretch(1);
    column->addLayout(openRow);

    auto* groups = new QHBoxLayout;
    groups->setSpacing(12);
    groups->addWidget(buildBirthGroup(), 1);
    groups->addWidget(buildPlaceGroup(), 1);
    column->addLayout(groups);

    calculateButton_ = new QPushButton(tr("&Get My Manglik Reading"), body);
    calculateButton_->setObjectName(QStringLiteral("cmdCalculate"));
    calculateButton_->setDefault(true);
    calculateButton_->setMinimumHeight(calculateButton_->sizeHint().height() + 8);
    // What the place finder chose for the zone and why, just below the zone
    // list, in the room left of the button: wide enough that a long warning
    // takes two lines at most.
    zoneNote_ = new QLabel(body);
    zoneNote_->setObjectName(QStringLiteral("lblZoneNote"));
    zoneNote_->setTextFormat(Qt::PlainText);
    zoneNote_->setWordWrap(true);
    zoneNote_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* calculateRow = new QHBoxLayout;
    calculateRow->addWidget(zoneNote_, 1);
    calculateRow->addSpacing(12);
    calculateRow->addWidget(calculateButton_, 0, Qt::AlignTop);
    column->addLayout(calculateRow);
    column->addStretch(1);

    // On a screen smaller than the form (or at a large scale factor) the form
    // scrolls instead of pushing the window past the screen's edges.
    auto* scroller = new QScrollArea(central);
    scroller->setObjectName(QStringLiteral("formScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->setWidget(body);
    page->addWidget(scroller, 1);
    QWidget* band = buildPromoBand();
    page->addWidget(band);
    setCentralWidget(central);

    connect(calculateButton_, &QPushButton::clicked, this, &InputWindow::calculateRequested);
    connect(openButton_, &QPushButton::clicked, this, &InputWindow::openRequested);
    auto* open = new QAction(this);
    open->setObjectName(QStringLiteral("actOpen"));
    open->setShortcut(QKeySequence::Open);
    addAction(open);
    connect(open, &QAction::triggered, this, &InputWindow::openRequested);
    connect(findPlaceButton_, &QPushButton::clicked, this, &InputWindow::findPlace);

    placeCompletion_ = new PlaceCompletion(*cityField_, finder);
    connect(placeCompletion_, &PlaceCompletion::placeChosen, this, &InputWindow::enterPlace);
    for (QComboBox* list : {monthList_, dayList_, yearList_, hourList_, minuteList_})
        connect(list, &QComboBox::currentIndexChanged, this, &InputWindow::dateOrTimeChanged);
    connect(cityField_, &QLineEdit::textChanged, this, &InputWindow::cityChanged);
    for (QLineEdit* field : {stateField_, countryField_, latDegreesField_, latMinutesField_, lonDegreesField_,
                             lonMinutesField_, utcOffsetField_})
        connect(field, &QLineEdit::textChanged, this, &InputWindow::placeFieldChanged);
    for (QButtonGroup* group : {latDirectionGroup_, lonDirectionGroup_})
        connect(group, &QButtonGroup::idToggled, this, &InputWindow::placeFieldChanged);
    connect(zoneList_, &QComboBox::currentIndexChanged, this, &InputWindow::placeFieldChanged);
    connect(daylightSavingBox_, &QCheckBox::toggled, this, &InputWindow::placeFieldChanged);
    // Only a user's choice, not the window's own filling, empties the exact offset.
    connect(zoneList_, &QComboBox::activated, this, &InputWindow::zoneChosenByHand);
    connect(daylightSavingBox_, &QCheckBox::clicked, this, &InputWindow::zoneChosenByHand);

    // Down the birth column, then down the place column, as the eye reads them.
    QWidget* const tabOrder[] = {openButton_,     nameField_,       monthList_,       dayList_,        yearList_,
                                 hourList_,       minuteList_,      daylightSavingBox_, zoneList_,     utcOffsetField_,
                                 latDegreesField_, latMinutesField_, northOption_,     southOption_,   lonDegreesField_,
                                 lonMinutesField_, eastOption_,     westOption_,      cityField_,     stateField_,
                                 countryField_,   findPlaceButton_, calculateButton_, promoBand_,     matchButton_};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Wide and high enough for the whole form, a note of two lines among it,
    // so no scroll bar shows (KeepOnScreen shrinks it again on a screen too
    // small for it).
    zoneNote_->setMinimumHeight(2 * zoneNote_->fontMetrics().lineSpacing());
    const int width = std::max(900, body->minimumSizeHint().width());
    resize(width, menuBar()->sizeHint().height() + body->sizeHint().height() + band->sizeHint().height());
    // Typing starts with the name, not on the first button.
    nameField_->setFocus();
}

void InputWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* calculate = file->addAction(tr("Get My &Rasi Chart"));
    calculate->setObjectName(QStringLiteral("mnuCalculate"));
    connect(calculate, &QAction::triggered, this, &InputWindow::calculateRequested);
    file->addSeparator();
    QAction* exit = file->addAction(tr("&Exit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    // Quits the program, as the reading window's Exit and Ctrl+Q do.
    exit->setShortcuts(QuitKeys());
    connect(exit, &QAction::triggered, this, &InputWindow::exitRequested);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* online = help->addAction(tr("&Online Help"));
    online->setObjectName(QStringLiteral("mnuOnline"));
    connect(online, &QAction::triggered, this, [] { links::OpenWebPage(links::kOnlineHelp); });
    QAction* visit = help->addAction(tr("&Visit Us Online"));
    visit->setObjectName(QStringLiteral("mnuVisit"));
    connect(visit, &QAction::triggered, this, [] { links::OpenWebPage(links::kHome); });
    help->addSeparator();
    QAction* about = help->addAction(tr("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, [this] { ShowAboutBox(this, finder_.state()); });
}

QWidget* InputWindow::buildBirthGroup()
{
    auto* group = new QGroupBox(tr("Birth Details"));
    group->setObjectName(QStringLiteral("fraBirth"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(10);

    nameField_ = MakeField("txtName", FieldRule::Letters, dialogs_, group);
    grid->addWidget(new QLabel(tr("Name"), group), 0, 0);
    grid->addWidget(nameField_, 0, 1);

    monthList_ = MakeList("cboMonth", group);
    const ListRange months = RangeOf(FormList::Month);
    const words::Translated say;
    for (int month = months.firstValue; month <= months.lastValue(); ++month)
        monthList_->addItem(words::NamedFromOne(say, words::kMonthNames, month));
    dayList_ = MakeNumberList("cboDate", group);
    FillNumbers(dayList_, FormList::Day);
    yearList_ = MakeNumberList("cboYear", group);
    FillNumbers(yearList_, FormList::Year);
    auto* date = new QHBoxLayout;
    date->addWidget(monthList_, 2);
    date->addWidget(dayList_, 1);
    date->addWidget(yearList_, 1);
    grid->addWidget(new QLabel(tr("Date of Birth"), group), 1, 0);
    grid->addLayout(date, 1, 1);

    hourList_ = MakeNumberList("cboHour", group);
    FillNumbers(hourList_, FormList::Hour);
    minuteList_ = MakeNumberList("cboMinute", group);
    FillNumbers(minuteList_, FormList::Minute);
    auto* time = new QHBoxLayout;
    time->addWidget(hourList_);
    time->addWidget(minuteList_);
    time->addWidget(new QLabel(tr("HH/MM"), group));
    time->addStretch(1);
    grid->addWidget(new QLabel(tr("Time of Birth"), group), 2, 0);
    grid->addLayout(time, 2, 1);

    daylightSavingBox_ = new QCheckBox(tr("Daylight Saving Time"), group);
    daylightSavingBox_->setObjectName(QStringLiteral("chkDST"));
    grid->addWidget(daylightSavingBox_, 3, 1);

    auto* zoneList = new ZoneList(group);
    zoneList_ = zoneList;
    zoneList_->setObjectName(QStringLiteral("cboTimeZone"));
    zoneList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    zoneList_->setMinimumContentsLength(30);
    QStringList zones;
    zones.reserve(kTimeZoneCount);
    for (const TimeZoneRow& row : kTimeZoneTable)
        zones.append(QString::fromUtf8(row.timeZoneNames.data(), static_cast<qsizetype>(row.timeZoneNames.size())));
    zoneList_->addItems(zones);
    // The clock's exact offset, beside the rows that approximate it.
    utcOffsetField_ = new QLineEdit(group);
    utcOffsetField_->setObjectName(QStringLiteral("txtUtcOffset"));
    utcOffsetField_->setPlaceholderText(tr("±HH:MM"));
    utcOffsetField_->setToolTip(
        tr("The clock's exact offset from universal time at the birth, summer time included, used instead of the "
           "zone row and the DST box. Empty: the zone row's offset."));
    utcOffsetField_->setMaxLength(9);
    utcOffsetField_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[+\\-\u2212]?[0-9]{0,2}(:[0-9]{0,2}(:[0-9]{0,2})?)?")), utcOffsetField_));
    utcOffsetField_->setFixedWidth(utcOffsetField_->fontMetrics().horizontalAdvance(QStringLiteral("+00:00:00")) + 16);
    connect(utcOffsetField_, &QLineEdit::textChanged, zoneList, [zoneList](const QString& text) {
        const bool used = ParseUtcOffset(text.toStdString()).has_value();
        zoneList->showInsteadOfRow(used ? tr("Not used: the exact UTC offset applies") : QString());
        zoneList->setToolTip(used ? tr("The exact UTC offset beside it is used instead of this row and the DST box; "
                                       "choosing a row empties it.")
                                  : QString());
    });
    auto* zone = new QHBoxLayout;
    zone->setSpacing(6);
    zone->addWidget(zoneList_, 1);
    auto* utcLabel = new QLabel(tr("UTC"), group);
    utcLabel->setBuddy(utcOffsetField_);
    zone->addWidget(utcLabel);
    zone->addWidget(utcOffsetField_);
    grid->addWidget(new QLabel(tr("Time Zone"), group), 4, 0);
    grid->addLayout(zone, 4, 1);
    grid->setRowStretch(5, 1);

    for (QComboBox* list : {monthList_, dayList_, yearList_, hourList_, minuteList_, zoneList_})
        list->setCurrentIndex(0);
    return group;
}

QWidget* InputWindow::buildPlaceGroup()
{
    auto* group = new QGroupBox(tr("Place of Birth"));
    group->setObjectName(QStringLiteral("fraPlace"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(10);

    struct Coordinate {
        QString caption;
        const char* degreesName;
        const char* minutesName;
        const char* groupName;
        const char* firstName;
        QString firstCaption;
        const char* secondName;
        QString secondCaption;
        QLineEdit*& degrees;
        QLineEdit*& minutes;
        QButtonGroup*& options;
        QRadioButton*& first;
        QRadioButton*& second;
    };
    const Coordinate coordinates[] = {
        {tr("Latitude"), "txtLatDeg", "txtLatMin", "optLat", "optLatNorth", tr("North"), "optLatSouth", tr("South"),
         latDegreesField_, latMinutesField_, latDirectionGroup_, northOption_, southOption_},
        {tr("Longitude"), "txtLonDeg", "txtLonMin", "optLong", "optLongEast", tr("East"), "optLongWest", tr("West"),
         lonDegreesField_, lonMinutesField_, lonDirectionGroup_, eastOption_, westOption_},
    };
    int row = 0;
    for (const Coordinate& c : coordinates) {
        c.degrees = MakeField(c.degreesName, FieldRule::Digits, dialogs_, group);
        c.minutes = MakeField(c.minutesName, FieldRule::Digits, dialogs_, group);
        c.first = MakeOption(c.firstName, c.firstCaption, group);
        c.second = MakeOption(c.secondName, c.secondCaption, group);
        c.options = new QButtonGroup(group);
        c.options->setObjectName(QLatin1String(c.groupName));
        c.options->addButton(c.first, 0);
        c.options->addButton(c.second, 1);
        c.first->setChecked(true);

        auto* line = new QHBoxLayout;
        line->addWidget(c.degrees);
        line->addWidget(c.minutes);
        line->addWidget(new QLabel(tr("DEG/MIN"), group));
        line->addSpacing(12);
        line->addWidget(c.first);
        line->addWidget(c.second);
        line->addStretch(1);
        grid->addWidget(new QLabel(c.caption, group), row, 0);
        grid->addLayout(line, row, 1);
        ++row;
    }

    cityField_ = MakeField("txtCity", FieldRule::Letters, dialogs_, group);
    stateField_ = MakeField("txtState", FieldRule::Letters, dialogs_, group);
    countryField_ = MakeField("txtCountry", FieldRule::Letters, dialogs_, group);
    grid->addWidget(new QLabel(tr("City"), group), 2, 0);
    grid->addWidget(cityField_, 2, 1);
    grid->addWidget(new QLabel(tr("State"), group), 3, 0);
    grid->addWidget(stateField_, 3, 1);
    grid->addWidget(new QLabel(tr("Country"), group), 4, 0);
    grid->addWidget(countryField_, 4, 1);

    findPlaceButton_ = new QPushButton(tr("Click here to find Latitude && Longitude"), group);
    findPlaceButton_->setObjectName(QStringLiteral("Command1"));
    auto* lookUp = new QHBoxLayout;
    lookUp->addStretch(1);
    lookUp->addWidget(findPlaceButton_);
    grid->addLayout(lookUp, 5, 1);
    grid->setRowStretch(6, 1);
    return group;
}

QWidget* InputWindow::buildPromoBand()
{
    auto* band = new LinkBand;
    promoBand_ = band;
    band->setObjectName(QStringLiteral("lblPromo"));
    // Tab reaches each link and Return opens it, as a click does.
    band->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    band->setAutoFillBackground(true);
    QPalette colours = band->palette();
    colours.setColor(QPalette::Window, kPurple);
    colours.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(colours);
    band->setAlignment(Qt::AlignCenter);
    band->setContentsMargins(8, 10, 8, 10);
    band->setTextFormat(Qt::RichText);
    const QString link = QStringLiteral("<a style=\"color:#ffffff\" href=\"%1\">%2</a>");
    band->setText(link.arg(links::kMoreSoftware, tr("More free astrology software").toHtmlEscaped()) +
                  QStringLiteral("&nbsp;&nbsp;&nbsp;&#8226;&nbsp;&nbsp;&nbsp;") +
                  link.arg(links::kHome, tr("Visit Us Online").toHtmlEscaped()) +
                  QStringLiteral("&nbsp;&nbsp;&nbsp;&#8226;&nbsp;&nbsp;&nbsp;") +
                  link.arg(links::kMakeMoney, tr("Make Money Online").toHtmlEscaped()));
    connect(band, &QLabel::linkActivated, band, [](const QString& url) { links::OpenWebPage(url); });

    // Matching two readings starts at the band's right end.
    auto* bottom = new QWidget;
    bottom->setObjectName(QStringLiteral("bottomBand"));
    bottom->setAutoFillBackground(true);
    bottom->setPalette(colours);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 8, 0);
    row->addWidget(band, 1);
    matchButton_ = new QPushButton(tr("&Match Two Readings..."), bottom);
    matchButton_->setObjectName(QStringLiteral("cmdMatch"));
    row->addWidget(matchButton_, 0, Qt::AlignVCenter);
    connect(matchButton_, &QPushButton::clicked, this, &InputWindow::matchRequested);
    return bottom;
}

FormValues InputWindow::formValues() const
{
    FormValues form;
    form.name = ToStd(nameField_->text());
    form.dayIndex = dayList_->currentIndex();
    form.monthIndex = monthList_->currentIndex();
    form.yearIndex = yearList_->currentIndex();
    form.hourIndex = hourList_->currentIndex();
    form.minuteIndex = minuteList_->currentIndex();
    form.zoneIndex = zoneList_->currentIndex();
    form.latDeg = ToStd(latDegreesField_->text());
    form.latMin = ToStd(latMinutesField_->text());
    form.lonDeg = ToStd(lonDegreesField_->text());
    form.lonMin = ToStd(lonMinutesField_->text());
    form.latDirection = Direction(northOption_, southOption_);
    form.lonDirection = Direction(eastOption_, westOption_);
    form.dst = daylightSavingBox_->isChecked();
    form.city = ToStd(cityField_->text());
    form.state = ToStd(stateField_->text());
    form.country = ToStd(countryField_->text());
    form.utcOffset = ToStd(utcOffsetField_->text());
    return form;
}

void InputWindow::clearForm()
{
    setFormValues(InitialFormValues());
    nameField_->setFocus();
}

void InputWindow::setFormValues(const FormValues& form)
{
    // A saved reading keeps its own zone row and box whatever its date.
    letGoOfPlace();
    const QScopedValueRollback filling(filling_, true);
    nameField_->setText(FromStd(form.name));
    SelectIndex(dayList_, form.dayIndex);
    SelectIndex(monthList_, form.monthIndex);
    SelectIndex(yearList_, form.yearIndex);
    SelectIndex(hourList_, form.hourIndex);
    SelectIndex(minuteList_, form.minuteIndex);
    fillPlaceFields(form);
}

InputWindow::Contents InputWindow::contents() const
{
    return {formValues(), enteredPlace_, enteredFields_, enteredNote_};
}

void InputWindow::restoreContents(const Contents& contents)
{
    setFormValues(contents.form);
    enteredPlace_ = contents.place;
    enteredFields_ = contents.placeFields;
    enteredNote_ = contents.placeNote;
    updatePlaceNote();
}

void InputWindow::fillPlaceFields(const FormValues& form)
{
    SelectIndex(zoneList_, form.zoneIndex);
    latDegreesField_->setText(FromStd(form.latDeg));
    latMinutesField_->setText(FromStd(form.latMin));
    lonDegreesField_->setText(FromStd(form.lonDeg));
    lonMinutesField_->setText(FromStd(form.lonMin));
    SelectDirection(latDirectionGroup_, northOption_, southOption_, form.latDirection);
    SelectDirection(lonDirectionGroup_, eastOption_, westOption_, form.lonDirection);
    daylightSavingBox_->setChecked(form.dst);
    cityField_->setText(FromStd(form.city));
    stateField_->setText(FromStd(form.state));
    countryField_->setText(FromStd(form.country));
    utcOffsetField_->setText(FromStd(form.utcOffset));
}

void InputWindow::showProblem(const Problem& problem, const QString& openedFile)
{
    ShowProblem(dialogs_, this, problem, openedFile);
    focusField(problem.focus);
}

void InputWindow::focusField(FormField field)
{
    QLineEdit* target = nullptr;
    switch (field) {
    case FormField::None: return;
    case FormField::Name: target = nameField_; break;
    case FormField::LatDeg: target = latDegreesField_; break;
    case FormField::LatMin: target = latMinutesField_; break;
    case FormField::LonDeg: target = lonDegreesField_; break;
    case FormField::LonMin: target = lonMinutesField_; break;
    case FormField::City: target = cityField_; break;
    case FormField::State: target = stateField_; break;
    case FormField::Country: target = countryField_; break;
    case FormField::UtcOffset: target = utcOffsetField_; break;
    case FormField::North: northOption_->setChecked(true); return;
    case FormField::East: eastOption_->setChecked(true); return;
    }
    target->setFocus();
}

int InputWindow::timeZoneIndex() const
{
    return zoneList_->currentIndex();
}

void InputWindow::findPlace()
{
    const std::pair<QLineEdit*, QString> required[] = {{cityField_, tr("Please Enter City")},
                                                       {stateField_, tr("Please Enter State")},
                                                       {countryField_, tr("Please Enter Country")}};
    for (const auto& [field, message] : required) {
        if (field->text().isEmpty()) {
            dialogs_.message(this, message, MessageIcon::Error);
            field->setFocus();
            return;
        }
    }
    links::OpenWebPage(links::PlaceSearchUrl(cityField_->text(), stateField_->text(), countryField_->text()));
}

void InputWindow::enterPlace(const Place& place)
{
    FormValues form = formValues();
    const ZoneEntry entry = EnterPlace(place, form);
    {
        const QScopedValueRollback filling(filling_, true);
        fillPlaceFields(form);
    }
    enteredPlace_ = place;
    enteredFields_ = form;
    enteredNote_ = entry.note;
    updatePlaceNote();
}

void InputWindow::dateOrTimeChanged()
{
    if (!enteredPlace_ || filling_ || !fieldsHoldEnteredPlace())
        return;
    FormValues form = formValues();
    const ZoneEntry entry = EnterZone(*enteredPlace_, form);
    {
        const QScopedValueRollback filling(filling_, true);
        SelectIndex(zoneList_, form.zoneIndex);
        daylightSavingBox_->setChecked(form.dst);
        utcOffsetField_->setText(FromStd(form.utcOffset));
    }
    enteredFields_.zoneIndex = form.zoneIndex;
    enteredFields_.dst = form.dst;
    enteredFields_.utcOffset = form.utcOffset;
    enteredNote_ = entry.note;
    updatePlaceNote();
}

void InputWindow::cityChanged()
{
    if (!enteredPlace_ || filling_)
        return;
    // A city typed over the place picked takes the place's other fields with
    // it, so no reading can pair the new city with the old place; typed back
    // (a slip mended) before anything else was entered, they come back.
    const bool names = cityNamesEnteredPlace();
    if (names == placeFieldsCleared()) {
        // The city itself is left alone: the cursor stays where it is typed.
        const QScopedValueRollback filling(filling_, true);
        const FormValues none;
        const FormValues& place = names ? enteredFields_ : none;
        const std::pair<QLineEdit*, const std::string&> fields[] = {
            {stateField_, place.state},       {countryField_, place.country},  {latDegreesField_, place.latDeg},
            {latMinutesField_, place.latMin}, {lonDegreesField_, place.lonDeg}, {lonMinutesField_, place.lonMin},
            {utcOffsetField_, place.utcOffset}};
        for (const auto& [field, text] : fields)
            field->setText(FromStd(text));
        if (names) {
            SelectIndex(zoneList_, place.zoneIndex);
            daylightSavingBox_->setChecked(place.dst);
            SelectDirection(latDirectionGroup_, northOption_, southOption_, place.latDirection);
            SelectDirection(lonDirectionGroup_, eastOption_, westOption_, place.lonDirection);
        }
    }
    updatePlaceNote();
}

void InputWindow::placeFieldChanged()
{
    if (!enteredPlace_ || filling_)
        return;
    // Entered by hand after the city left the place: the place is given up.
    if (!cityNamesEnteredPlace())
        letGoOfPlace();
    else
        updatePlaceNote();
}

bool InputWindow::placeFieldsCleared() const
{
    const FormValues now = formValues();
    return now.state.empty() && now.country.empty() && now.latDeg.empty() && now.latMin.empty() &&
           now.lonDeg.empty() && now.lonMin.empty() && now.utcOffset.empty();
}

void InputWindow::zoneChosenByHand()
{
    if (!filling_)
        utcOffsetField_->clear();
}

bool InputWindow::fieldsHoldEnteredPlace() const
{
    const FormValues now = formValues();
    const FormValues& was = enteredFields_;
    return now.city == was.city && now.state == was.state && now.country == was.country &&
           now.latDeg == was.latDeg && now.latMin == was.latMin && now.latDirection == was.latDirection &&
           now.lonDeg == was.lonDeg && now.lonMin == was.lonMin && now.lonDirection == was.lonDirection &&
           now.zoneIndex == was.zoneIndex && now.dst == was.dst && now.utcOffset == was.utcOffset;
}

bool InputWindow::cityNamesEnteredPlace() const
{
    const std::string typed = FoldForMatching(ToStd(cityField_->text()));
    return typed == FoldForMatching(enteredFields_.city) || typed == FoldForMatching(enteredPlace_->city) ||
           (!enteredPlace_->otherName.empty() && typed == FoldForMatching(enteredPlace_->otherName));
}

void InputWindow::updatePlaceNote()
{
    if (!enteredPlace_) {
        showNote({}, false);
        return;
    }
    if (fieldsHoldEnteredPlace()) {
        showNote(words::ZoneNoteText(words::Translated(), enteredNote_), enteredNote_.warning());
        return;
    }
    if (!cityNamesEnteredPlace()) {
        showNote(words::PlaceClearedText(words::Translated(), enteredPlace_->Label()), true);
        return;
    }
    const ZoneNote note = placeNote();
    showNote(words::ZoneNoteByHandText(words::Translated(), note.kind == ZoneNote::Kind::None ? enteredNote_ : note),
             note.kind != ZoneNote::Kind::None && note.warning());
}

ZoneNote InputWindow::placeNote() const
{
    const FormValues now = formValues();
    if (!enteredPlace_ || now.zoneIndex != enteredFields_.zoneIndex || now.dst != enteredFields_.dst)
        return {};
    ZoneNote note = enteredNote_;
    const std::optional<int> offset = ParseUtcOffset(now.utcOffset);
    if (note.kind == ZoneNote::Kind::Chosen && offset && *offset != note.offsetSeconds)
        return {};
    note.exactOffsetEntered = note.exactOffsetEntered && offset.has_value();
    return note;
}

void InputWindow::letGoOfPlace()
{
    enteredPlace_.reset();
    showNote({}, false);
}

void InputWindow::showNote(const QString& text, bool warning)
{
    zoneNote_->setText(text);
    if (warning) {
        QPalette colours = zoneNote_->palette();
        colours.setColor(QPalette::WindowText, kErrorColour);
        zoneNote_->setPalette(colours);
    } else {
        zoneNote_->setPalette(QPalette());
    }
}

void InputWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    KeepOnScreen(*this);
}

bool InputWindow::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    // The cities load in the background once the window has been painted
    // (an update request is its painting), so neither opening it nor its
    // first paint shares the processor with them.
    if (event->type() == QEvent::UpdateRequest && !loadingStarted_) {
        loadingStarted_ = true;
        QTimer::singleShot(0, placeCompletion_, &PlaceCompletion::startLoading);
    }
    return handled;
}

void InputWindow::keyPressEvent(QKeyEvent* event)
{
    // The fields leave Return and Enter to their window; here they press the
    // default button, as its look promises. Another button with the focus
    // keeps the key to itself.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    // The band's focused link takes Return for itself.
    if (enter && plain && !qobject_cast<QPushButton*>(focusWidget()) && focusWidget() != promoBand_) {
        calculateButton_->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void InputWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

}  // namespace varelio::app
