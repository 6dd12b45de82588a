#include "app/FrmMain.h"

#include "app/AboutBox.h"
#include "app/KeyFilter.h"
#include "app/WebLinks.h"
#include "VarelioVersion.h"
#include "form/TimeZones.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
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

void FillNumbers(QComboBox* list, FormList which)
{
    const ListRange range = RangeOf(which);
    QStringList items;
    items.reserve(range.entries);
    for (int n = range.firstValue; n <= range.lastValue(); ++n)
        items.append(QString::number(n));
    list->addItems(items);
}

QLineEdit* MakeField(const char* name, QWidget* parent, int maxLength = 0)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    if (maxLength > 0) {
        field->setMaxLength(maxLength);
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

FrmMain::FrmMain(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Varelio v" VARELIO_VERSION));
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
        QStringLiteral("Varelio displays if a person suffers from  problems created by planet Mars. Manglik is "
                       "also known as Mars Dosha, Mangal Dosha, Manglik Dosha, Mangalik Dosha, Bhom Dosha or "
                       "Kuja Dosha."),
        QStringLiteral("This can lead to a lot of delays, frustrations, obstacles and problems in life. Knowing "
                       "if you are a Manglik or not helps find remedies to these problems."),
        QStringLiteral("One can be Manglik by Lagna (Ascendant) chart or by Chandra (Moon) chart or by both."),
    };
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(intro[i], body);
        label->setObjectName(QStringLiteral("lblIntro%1").arg(i));
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        column->addWidget(label);
    }

    cmdOpen_ = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), body);
    cmdOpen_->setObjectName(QStringLiteral("cmdOpen"));
    auto* openRow = new QHBoxLayout;
    openRow->addWidget(cmdOpen_);
    openRow->addStretch(1);
    column->addLayout(openRow);

    auto* groups = new QHBoxLayout;
    groups->setSpacing(12);
    groups->addWidget(buildBirthGroup(), 1);
    groups->addWidget(buildPlaceGroup(), 1);
    column->addLayout(groups);

    cmdCalculate_ = new QPushButton(QStringLiteral("&Get My Manglik Reading"), body);
    cmdCalculate_->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate_->setDefault(true);
    cmdCalculate_->setMinimumHeight(cmdCalculate_->sizeHint().height() + 8);
    auto* calculateRow = new QHBoxLayout;
    calculateRow->addStretch(1);
    calculateRow->addWidget(cmdCalculate_);
    column->addLayout(calculateRow);
    column->addStretch(1);

    page->addWidget(body, 1);
    page->addWidget(buildPromoBand());
    setCentralWidget(central);

    auto* filter = new KeyFilter(dialogs_, this);
    for (QLineEdit* field : {txtName_, txtCity_, txtState_, txtCountry_})
        filter->watch(field, KeyRule::Letters);
    for (QLineEdit* field : {txtLatDeg_, txtLatMin_, txtLonDeg_, txtLonMin_})
        filter->watch(field, KeyRule::Digits);

    connect(cmdCalculate_, &QPushButton::clicked, this, &FrmMain::calculateRequested);
    connect(cmdOpen_, &QPushButton::clicked, this, &FrmMain::openRequested);
    connect(command1_, &QPushButton::clicked, this, &FrmMain::findPlace);

    resize(900, 480);
}

void FrmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* calculate = file->addAction(QStringLiteral("Get My &Rasi Chart"));
    calculate->setObjectName(QStringLiteral("mnuCalculate"));
    connect(calculate, &QAction::triggered, this, &FrmMain::calculateRequested);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* online = help->addAction(QStringLiteral("&Online Help"));
    online->setObjectName(QStringLiteral("mnuOnline"));
    connect(online, &QAction::triggered, this, [] { links::OpenWebPage(links::kOnlineHelp); });
    QAction* visit = help->addAction(QStringLiteral("&Visit Us Online"));
    visit->setObjectName(QStringLiteral("mnuVisit"));
    connect(visit, &QAction::triggered, this, [] { links::OpenWebPage(links::kHome); });
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, [this] { ShowAboutBox(this); });
}

QWidget* FrmMain::buildBirthGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Birth Details"));
    group->setObjectName(QStringLiteral("fraBirth"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(10);

    txtName_ = MakeField("txtName", group);
    grid->addWidget(new QLabel(QStringLiteral("Name"), group), 0, 0);
    grid->addWidget(txtName_, 0, 1);

    cboMonth_ = MakeList("cboMonth", group);
    for (const std::string_view month : kMonthNames)
        cboMonth_->addItem(QString::fromUtf8(month.data(), static_cast<qsizetype>(month.size())));
    cboDate_ = MakeList("cboDate", group);
    FillNumbers(cboDate_, FormList::Day);
    cboYear_ = MakeList("cboYear", group);
    FillNumbers(cboYear_, FormList::Year);
    auto* date = new QHBoxLayout;
    date->addWidget(cboMonth_, 2);
    date->addWidget(cboDate_, 1);
    date->addWidget(cboYear_, 1);
    grid->addWidget(new QLabel(QStringLiteral("Date of Birth"), group), 1, 0);
    grid->addLayout(date, 1, 1);

    cboHour_ = MakeList("cboHour", group);
    FillNumbers(cboHour_, FormList::Hour);
    cboMinute_ = MakeList("cboMinute", group);
    FillNumbers(cboMinute_, FormList::Minute);
    auto* time = new QHBoxLayout;
    time->addWidget(cboHour_);
    time->addWidget(cboMinute_);
    time->addWidget(new QLabel(QStringLiteral("HH/MM"), group));
    time->addStretch(1);
    grid->addWidget(new QLabel(QStringLiteral("Time of Birth"), group), 2, 0);
    grid->addLayout(time, 2, 1);

    chkDST_ = new QCheckBox(QStringLiteral("Daylight Saving Time"), group);
    chkDST_->setObjectName(QStringLiteral("chkDST"));
    grid->addWidget(chkDST_, 3, 1);

    cboTimeZone_ = MakeList("cboTimeZone", group);
    cboTimeZone_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboTimeZone_->setMinimumContentsLength(30);
    QStringList zones;
    zones.reserve(kTimeZoneCount);
    for (const TimeZoneRow& row : kTimeZoneTable)
        zones.append(QString::fromUtf8(row.timeZoneNames.data(), static_cast<qsizetype>(row.timeZoneNames.size())));
    cboTimeZone_->addItems(zones);
    grid->addWidget(new QLabel(QStringLiteral("Time Zone"), group), 4, 0);
    grid->addWidget(cboTimeZone_, 4, 1);
    grid->setRowStretch(5, 1);

    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHour_, cboMinute_, cboTimeZone_})
        list->setCurrentIndex(0);
    return group;
}

QWidget* FrmMain::buildPlaceGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Place of Birth"));
    group->setObjectName(QStringLiteral("fraPlace"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(10);

    auto coordinateRow = [&](int row, const QString& caption, QLineEdit*& degrees, QLineEdit*& minutes,
                             const char* degName, const char* minName, QButtonGroup*& options, const char* groupName,
                             QRadioButton*& first, QRadioButton*& second, const char* firstName,
                             const QString& firstCaption, const char* secondName, const QString& secondCaption) {
        degrees = MakeField(degName, group, 3);
        minutes = MakeField(minName, group, 3);
        first = MakeOption(firstName, firstCaption, group);
        second = MakeOption(secondName, secondCaption, group);
        options = new QButtonGroup(group);
        options->setObjectName(QLatin1String(groupName));
        options->addButton(first, 0);
        options->addButton(second, 1);
        first->setChecked(true);

        auto* line = new QHBoxLayout;
        line->addWidget(degrees);
        line->addWidget(minutes);
        line->addWidget(new QLabel(QStringLiteral("DEG/MIN"), group));
        line->addSpacing(12);
        line->addWidget(first);
        line->addWidget(second);
        line->addStretch(1);
        grid->addWidget(new QLabel(caption, group), row, 0);
        grid->addLayout(line, row, 1);
    };
    coordinateRow(0, QStringLiteral("Latitude"), txtLatDeg_, txtLatMin_, "txtLatDeg", "txtLatMin", optLat_, "optLat",
                  optLatNorth_, optLatSouth_, "optLatNorth", QStringLiteral("North"), "optLatSouth",
                  QStringLiteral("South"));
    coordinateRow(1, QStringLiteral("Longitude"), txtLonDeg_, txtLonMin_, "txtLonDeg", "txtLonMin", optLong_,
                  "optLong", optLongEast_, optLongWest_, "optLongEast", QStringLiteral("East"), "optLongWest",
                  QStringLiteral("West"));

    txtCity_ = MakeField("txtCity", group);
    txtState_ = MakeField("txtState", group);
    txtCountry_ = MakeField("txtCountry", group);
    grid->addWidget(new QLabel(QStringLiteral("City"), group), 2, 0);
    grid->addWidget(txtCity_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("State"), group), 3, 0);
    grid->addWidget(txtState_, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Country"), group), 4, 0);
    grid->addWidget(txtCountry_, 4, 1);

    command1_ = new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), group);
    command1_->setObjectName(QStringLiteral("Command1"));
    auto* lookUp = new QHBoxLayout;
    lookUp->addStretch(1);
    lookUp->addWidget(command1_);
    grid->addLayout(lookUp, 5, 1);
    grid->setRowStretch(6, 1);
    return group;
}

QWidget* FrmMain::buildPromoBand()
{
    auto* band = new QLabel;
    band->setObjectName(QStringLiteral("lblPromo"));
    band->setAutoFillBackground(true);
    QPalette colours = band->palette();
    colours.setColor(QPalette::Window, QColor(154, 54, 171));
    colours.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(colours);
    band->setAlignment(Qt::AlignCenter);
    band->setContentsMargins(8, 10, 8, 10);
    band->setTextFormat(Qt::RichText);
    const QString link = QStringLiteral("<a style=\"color:#ffffff\" href=\"%1\">%2</a>");
    band->setText(link.arg(links::kMoreSoftware, QStringLiteral("More free astrology software")) +
                  QStringLiteral("&nbsp;&nbsp;&nbsp;&#8226;&nbsp;&nbsp;&nbsp;") +
                  link.arg(links::kHome, QStringLiteral("Visit Us Online")) +
                  QStringLiteral("&nbsp;&nbsp;&nbsp;&#8226;&nbsp;&nbsp;&nbsp;") +
                  link.arg(links::kMakeMoney, QStringLiteral("Make Money Online")));
    connect(band, &QLabel::linkActivated, band, [](const QString& url) { links::OpenWebPage(url); });
    return band;
}

FormValues FrmMain::formValues() const
{
    FormValues form;
    form.name = ToStd(txtName_->text());
    form.dayIndex = cboDate_->currentIndex();
    form.monthIndex = cboMonth_->currentIndex();
    form.yearIndex = cboYear_->currentIndex();
    form.hourIndex = cboHour_->currentIndex();
    form.minuteIndex = cboMinute_->currentIndex();
    form.zoneIndex = cboTimeZone_->currentIndex();
    form.latDeg = ToStd(txtLatDeg_->text());
    form.latMin = ToStd(txtLatMin_->text());
    form.lonDeg = ToStd(txtLonDeg_->text());
    form.lonMin = ToStd(txtLonMin_->text());
    form.latDirection = Direction(optLatNorth_, optLatSouth_);
    form.lonDirection = Direction(optLongEast_, optLongWest_);
    form.dst = chkDST_->isChecked();
    form.city = ToStd(txtCity_->text());
    form.state = ToStd(txtState_->text());
    form.country = ToStd(txtCountry_->text());
    return form;
}

void FrmMain::setFormValues(const FormValues& form)
{
    txtName_->setText(FromStd(form.name));
    SelectIndex(cboDate_, form.dayIndex);
    SelectIndex(cboMonth_, form.monthIndex);
    SelectIndex(cboYear_, form.yearIndex);
    SelectIndex(cboHour_, form.hourIndex);
    SelectIndex(cboMinute_, form.minuteIndex);
    SelectIndex(cboTimeZone_, form.zoneIndex);
    txtLatDeg_->setText(FromStd(form.latDeg));
    txtLatMin_->setText(FromStd(form.latMin));
    txtLonDeg_->setText(FromStd(form.lonDeg));
    txtLonMin_->setText(FromStd(form.lonMin));
    SelectDirection(optLat_, optLatNorth_, optLatSouth_, form.latDirection);
    SelectDirection(optLong_, optLongEast_, optLongWest_, form.lonDirection);
    chkDST_->setChecked(form.dst);
    txtCity_->setText(FromStd(form.city));
    txtState_->setText(FromStd(form.state));
    txtCountry_->setText(FromStd(form.country));
}

void FrmMain::focusField(FormField field)
{
    QLineEdit* target = nullptr;
    switch (field) {
    case FormField::None: return;
    case FormField::Name: target = txtName_; break;
    case FormField::LatDeg: target = txtLatDeg_; break;
    case FormField::LatMin: target = txtLatMin_; break;
    case FormField::LonDeg: target = txtLonDeg_; break;
    case FormField::LonMin: target = txtLonMin_; break;
    case FormField::City: target = txtCity_; break;
    case FormField::State: target = txtState_; break;
    case FormField::Country: target = txtCountry_; break;
    case FormField::North: optLatNorth_->setChecked(true); return;
    case FormField::East: optLongEast_->setChecked(true); return;
    }
    target->setFocus();
}

int FrmMain::timeZoneIndex() const
{
    return cboTimeZone_->currentIndex();
}

void FrmMain::findPlace()
{
    const std::pair<QLineEdit*, const char*> required[] = {
        {txtCity_, "Please Enter City"}, {txtState_, "Please Enter State"}, {txtCountry_, "Please Enter Country"}};
    for (const auto& [field, message] : required) {
        if (field->text().isEmpty()) {
            dialogs_.message(this, QLatin1String(message), MessageIcon::Error);
            field->setFocus();
            return;
        }
    }
    links::OpenWebPage(links::PlaceSearchUrl(txtCity_->text(), txtState_->text(), txtCountry_->text()));
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

}  // namespace varelio::app
