#include "app/MatchWindow.h"

#include "app/FileCommands.h"
#include "app/HelpWindow.h"
#include "app/Printing.h"
#include "app/ScreenFit.h"
#include "app/Wording.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace varelio::app {

namespace {

// The page's width on screen; on paper it is scaled to the page.
constexpr int kSheetWidth = 760;

QLabel* Line(QWidget* parent, const QString& text, const QString& name = {}, bool bold = false, int growPoints = 0)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    if (bold || growPoints != 0) {
        QFont font = label->font();
        font.setBold(bold);
        if (growPoints != 0)
            font.setPointSizeF(font.pointSizeF() + growPoints);
        label->setFont(font);
    }
    return label;
}

QLabel* Heading(QWidget* parent, const QString& text)
{
    QLabel* heading = Line(parent, text, {}, true, 2);
    heading->setContentsMargins(0, 10, 0, 2);
    return heading;
}

// "Bride" and "Groom" as object names start.
QString Key(MatchSide side)
{
    return side == MatchSide::Bride ? QStringLiteral("Bride") : QStringLiteral("Groom");
}

void AddSide(QGridLayout& grid, int column, MatchSide side, const std::optional<Reading>& reading, QWidget* parent)
{
    const QString key = Key(side);
    int row = 0;
    grid.addWidget(Line(parent, SideName(side), QStringLiteral("lbl%1").arg(key), true, 1), row++, column);
    if (!reading) {
        grid.addWidget(Line(parent, MatchWindow::tr("Not chosen yet"), QStringLiteral("lbl%1Name").arg(key)), row++,
                       column);
        return;
    }
    grid.addWidget(Line(parent, QString::fromStdString(reading->birthData.name), QStringLiteral("lbl%1Name").arg(key), true),
                   row++, column);
    grid.addWidget(Line(parent, BirthLine(reading->birthData), QStringLiteral("lbl%1Birth").arg(key)), row++, column);
    grid.addWidget(Line(parent, MoonLine(reading->chartState.bodies[kMoon]), QStringLiteral("lbl%1Moon").arg(key)),
                   row++, column);
    for (std::size_t r = 0; r < reading->evaluations.size(); ++r) {
        grid.addWidget(Line(parent, VerdictLine(reading->evaluations[r].verdict),
                            QStringLiteral("lbl%1Verdict%2").arg(key).arg(r)),
                       row++, column);
    }
}

void AddAshtakoota(QVBoxLayout& column, const Ashtakoota& a, QWidget* parent)
{
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(16);
    table->setVerticalSpacing(4);
    table->setColumnStretch(2, 1);
    table->addWidget(Line(parent, MatchWindow::tr("Koota"), {}, true), 0, 0);
    table->addWidget(Line(parent, MatchWindow::tr("Points"), {}, true), 0, 1);
    table->addWidget(Line(parent, MatchWindow::tr("Reason"), {}, true), 0, 2);
    for (std::size_t k = 0; k < a.kootas.size(); ++k) {
        const KootaScore& score = a.kootas[k];
        const int row = static_cast<int>(k) + 1;
        table->addWidget(Line(parent, KootaName(score.koota), QStringLiteral("lblKoota%1").arg(k)), row, 0);
        table->addWidget(Line(parent, PointsText(score.points, score.maximum), QStringLiteral("lblPoints%1").arg(k)), row,
                         1);
        table->addWidget(Line(parent, KootaReasonText(a, score.koota), QStringLiteral("lblReason%1").arg(k)), row, 2);
    }
    column.addLayout(table);
    column.addWidget(Line(parent, TotalLine(a), QStringLiteral("lblTotal"), true, 1));
    column.addWidget(Heading(parent, MatchWindow::tr("Doshas")));
    if (a.doshaCount == 0)
        column.addWidget(Line(parent, MatchWindow::tr("No dosha found"), QStringLiteral("lblDosha0")));
    for (int d = 0; d < a.doshaCount; ++d) {
        column.addWidget(
            Line(parent, DoshaLine(a.doshas[static_cast<std::size_t>(d)], a), QStringLiteral("lblDosha%1").arg(d)));
    }
}

}  // namespace

MatchSheet::MatchSheet(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("matchSheet"));
    // White paper whatever the scroll area behind it shows.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    auto* margin = new QVBoxLayout(this);
    margin->setContentsMargins(28, 24, 28, 28);
}

void MatchSheet::fill(const std::optional<Reading>& bride, const std::optional<Reading>& groom,
                      const std::optional<Match>& match)
{
    delete content_;
    content_ = new QWidget(this);
    layout()->addWidget(content_);
    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(Line(content_, MatchWindow::tr("Match of Two Readings"), QStringLiteral("lblTitle"), true, 5));

    auto* sides = new QGridLayout;
    sides->setHorizontalSpacing(24);
    sides->setColumnStretch(0, 1);
    sides->setColumnStretch(1, 1);
    AddSide(*sides, 0, MatchSide::Bride, bride, content_);
    AddSide(*sides, 1, MatchSide::Groom, groom, content_);
    column->addLayout(sides);

    if (!match) {
        column->addWidget(Heading(content_, MatchWindow::tr("Choose the bride's and the groom's readings to match them.")));
    } else {
        const ManglikComparison& manglik = match->manglik;
        column->addWidget(Heading(content_, MatchWindow::tr("Manglik against Manglik")));
        column->addWidget(Line(content_, OverallLine(manglik), QStringLiteral("lblOverall"), true));
        column->addWidget(Line(content_, StandingLine(MatchSide::Bride, manglik.bride), QStringLiteral("lblBrideStanding")));
        column->addWidget(Line(content_, StandingLine(MatchSide::Groom, manglik.groom), QStringLiteral("lblGroomStanding")));
        for (std::size_t r = 0; r < manglik.references.size(); ++r) {
            column->addWidget(
                Line(content_, ComparisonLine(manglik.references[r]), QStringLiteral("lblComparison%1").arg(r)));
        }
        column->addWidget(Heading(content_, MatchWindow::tr("Ashtakoota (Guna Milan)")));
        if (match->ashtakoota) {
            AddAshtakoota(*column, *match->ashtakoota, content_);
        } else {
            column->addWidget(Line(content_, MatchWindow::tr("The Ashtakoota needs both Moons' signs and nakshatras."),
                                   QStringLiteral("lblTotal")));
        }
    }
    // Made while the sheet may be on screen, where a new child stays hidden
    // until shown and a hidden one takes no room.
    content_->show();
    // As tall as its lines at the page's width, so the whole page scales onto paper.
    setFixedWidth(kSheetWidth);
    layout()->activate();
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(kSheetWidth)
                                                     : layout()->totalSizeHint().height();
    setFixedHeight(height);
}

MatchWindow::MatchWindow(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmMatch"));
    setWindowTitle(tr("Varelio: Match Two Readings"));

    auto* column = new QVBoxLayout(this);
    auto* sides = new QHBoxLayout;
    sides->addWidget(buildSide(MatchSide::Bride), 1);
    sides->addWidget(buildSide(MatchSide::Groom), 1);
    column->addLayout(sides);

    sheet_ = new MatchSheet;
    sheetArea_ = new QScrollArea(this);
    sheetArea_->setObjectName(QStringLiteral("sheetArea"));
    sheetArea_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    sheetArea_->setBackgroundRole(QPalette::Dark);
    sheetArea_->setWidget(sheet_);
    column->addWidget(sheetArea_, 1);

    auto* commands = new QHBoxLayout;
    savedLabel_ = new QLabel(this);
    savedLabel_->setObjectName(QStringLiteral("lblSaved"));
    savedLabel_->setTextFormat(Qt::PlainText);
    commands->addWidget(savedLabel_, 1);
    auto add = [this, commands](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        commands->addWidget(button);
        return button;
    };
    exportButton_ = add("cmdExport", tr("Export As &Text..."));
    pdfButton_ = add("cmdSaveAsPDF", tr("Save As P&DF..."));
    printButton_ = add("cmdPrint", tr("&Print..."));
    QPushButton* help = add("cmdHelp", tr("&Help"));
    QPushButton* close = add("cmdClose", tr("Cl&ose"));
    connect(help, &QPushButton::clicked, this, [] { HelpWindow::showSection(guide::kMatching); });
    column->addLayout(commands);
    connect(exportButton_, &QPushButton::clicked, this, &MatchWindow::exportText);
    connect(pdfButton_, &QPushButton::clicked, this, &MatchWindow::savePdf);
    connect(printButton_, &QPushButton::clicked, this, &MatchWindow::print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    sheet_->fill({}, {}, {});
    for (QPushButton* needsMatch : {exportButton_, pdfButton_, printButton_})
        needsMatch->setEnabled(false);
    resize(kSheetWidth + 80, 850);
}

void MatchWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    KeepOnScreen(*this);
}

QWidget* MatchWindow::buildSide(MatchSide side)
{
    const bool bride = side == MatchSide::Bride;
    const QString key = Key(side);
    auto* group = new QGroupBox(SideName(side), this);
    group->setObjectName(QStringLiteral("grp%1").arg(key));
    auto* row = new QHBoxLayout(group);
    // Each side's own keys: the bride's buttons underline the first letter, the groom's a later one.
    auto* current = new QPushButton(bride ? tr("&Current Reading") : tr("C&urrent Reading"), group);
    auto* saved = new QPushButton(bride ? tr("&Saved Reading...") : tr("Sa&ved Reading..."), group);
    auto* enter = new QPushButton(bride ? tr("&Enter a Birth...") : tr("E&nter a Birth..."), group);
    current->setObjectName(QStringLiteral("cmd%1Current").arg(key));
    saved->setObjectName(QStringLiteral("cmd%1Saved").arg(key));
    enter->setObjectName(QStringLiteral("cmd%1Enter").arg(key));
    for (QPushButton* button : {current, saved, enter}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    row->addStretch(1);
    currentButtons_[Index(side)] = current;
    current->setEnabled(false);
    connect(current, &QPushButton::clicked, this, [this, side] { emit currentReadingRequested(side); });
    connect(saved, &QPushButton::clicked, this, [this, side] { openSavedReading(side); });
    connect(enter, &QPushButton::clicked, this, [this, side] { emit birthEntryRequested(side); });
    return group;
}

void MatchWindow::setCurrentReadingAvailable(bool available)
{
    for (QPushButton* button : currentButtons_)
        button->setEnabled(available);
}

void MatchWindow::setReading(MatchSide side, const Reading& reading)
{
    readings_[Index(side)] = reading;
    const auto& [bride, groom] = readings_;
    if (bride && groom)
        match_ = MatchReadings(*bride, *groom);
    else
        match_.reset();
    sheet_->fill(bride, groom, match_);
    for (QPushButton* needsMatch : {exportButton_, pdfButton_, printButton_})
        needsMatch->setEnabled(match_.has_value());
}

void MatchWindow::openSavedReading(MatchSide side)
{
    // The file's values on an empty form, then the one road from a form to a
    // reading; the match writes no picture, so the JPEG writer does not matter.
    FormValues form = InitialFormValues();
    QString path;
    if (!OpenSavedReading(this, dialogs_, form, &path))
        return;
    Reading computed;
    const Result<void> result = ComputeReadingFromForm(form, true, computed);
    if (!result) {
        const QString reason = ProblemText(result.problem(), path);
        dialogs_.message(this,
                         side == MatchSide::Bride ? tr("The bride's reading cannot be computed: %1").arg(reason)
                                                  : tr("The groom's reading cannot be computed: %1").arg(reason),
                         IconFor(result.problem().severity));
        return;
    }
    setReading(side, computed);
}

void MatchWindow::exportText()
{
    if (match_)
        showSaved(ExportMatchAsText(this, dialogs_, *readings_[0], *readings_[1], *match_, lastSavedFileName_));
}

void MatchWindow::savePdf()
{
    if (match_)
        showSaved(SaveAsPdf(this, dialogs_, *sheet_, lastSavedFileName_));
}

void MatchWindow::print()
{
    if (match_)
        PrintReading(this, dialogs_, *sheet_);
}

void MatchWindow::showSaved(const QString& path)
{
    if (!path.isEmpty())
        savedLabel_->setText(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
}

}  // namespace varelio::app
