#include "app/MatchWindow.h"

#include "app/FileCommands.h"
#include "app/HelpWindow.h"
#include "app/Printing.h"
#include "app/ScreenFit.h"
#include "words/Match.h"
#include "words/Problems.h"
#include "words/Translated.h"

#include <QDir>
#include <QGuiApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace varelio::app {

using namespace words;

namespace {

// The page's width on screen; on paper it is scaled to the page.
constexpr int kSheetWidth = 760;
// The height a window manager's title bar and borders may add round the
// window, kept free until the real frame is known.
constexpr int kFrameAllowance = 48;

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

// What a family cannot know, as a tooltip: each koota, Varna to Nadi, its names and its points.
QString KootaTerm(Koota koota)
{
    static const char* const kTerms[kKootaCount] = {
        QT_TRANSLATE_NOOP("varelio::app::MatchWindow",
                          "Varna, the class of the Moon sign: Brahmin (Cancer, Scorpio, Pisces), Kshatriya (Aries, "
                          "Leo, Sagittarius), Vaishya (Taurus, Virgo, Capricorn), Shudra (Gemini, Libra, Aquarius). 1 "
                          "point when the groom's is not lower than the bride's."),
        QT_TRANSLATE_NOOP("varelio::app::MatchWindow",
                          "Vashya, the kind of the Moon sign: Chatushpada (four-footed), Manava (human), Jalachara (of "
                          "the water), Vanachara (of the wild, Leo), Keeta (insect, Scorpio). 2 points for the same "
                          "kind, less when one is the other's prey or out of its control."),
        QT_TRANSLATE_NOOP("varelio::app::MatchWindow",
                          "Tara, the birth stars counted from each other in nines: the 3rd, 5th and 7th are "
                          "unfavourable. 1.5 points for each favourable direction."),
        QT_TRANSLATE_NOOP("varelio::app::MatchWindow",
                          "Yoni, the animal of each Moon nakshatra: 4 points for the same animal, down to 0 for sworn "
                          "enemies."),
        QT_TRANSLATE_NOOP("varelio::app::MatchWindow",
                          "Graha Maitri, the friendship of the lords of the two Moon signs: 5 points for one lord or "
                          "two friends, down to 0 for two enemies."),
        QT_TRANSLATE_NOOP("varelio::app::MatchWindow",
                          "Gana, the temperament of each Moon nakshatra: Deva (divine), Manushya (human), Rakshasa "
                          "(demonic). 6 points for the same; a Rakshasa with either other gives 0 or 1, the Gana "
                          "dosha."),
        QT_TRANSLATE_NOOP("varelio::app::MatchWindow",
                          "Bhakoot, how far apart the two Moon signs are: 2/12, 5/9 and 6/8 give 0, the Bhakoot dosha, "
                          "which no total outweighs unless an exception lifts it."),
        QT_TRANSLATE_NOOP("varelio::app::MatchWindow",
                          "Nadi, the pulse of each Moon nakshatra: Adi (first), Madhya (middle) or Antya (last). The "
                          "same nadi gives 0, the Nadi dosha, which no total outweighs unless an exception lifts it."),
    };
    return MatchWindow::tr(kTerms[static_cast<std::size_t>(koota)]);
}

// The dosha's percentage beside a verdict.
QString PercentTerm()
{
    return MatchWindow::tr("The percentage is the weight of the dosha in the house of Mars, as this tradition counts it: "
                           "100% in house 8, 50% in house 1, 25% in house 7, 0.125% in house 4, 0.0625% in houses 2 "
                           "and 12. A cancelled dosha does not count.");
}

// "Bride" and "Groom" as object names start.
QString Key(MatchSide side)
{
    return side == MatchSide::Bride ? QStringLiteral("Bride") : QStringLiteral("Groom");
}

void AddSide(QGridLayout& grid, int column, MatchSide side, const std::optional<Reading>& reading, QWidget* parent)
{
    const Translated say;
    const QString key = Key(side);
    int row = 0;
    grid.addWidget(Line(parent, SideName(say, side), QStringLiteral("lbl%1").arg(key), true, 1), row++, column);
    if (!reading) {
        grid.addWidget(Line(parent, MatchWindow::tr("Not chosen yet"), QStringLiteral("lbl%1Name").arg(key)), row++,
                       column);
        return;
    }
    grid.addWidget(Line(parent, QString::fromStdString(reading->birthData.name), QStringLiteral("lbl%1Name").arg(key), true),
                   row++, column);
    grid.addWidget(Line(parent, BirthLine(say, reading->birthData), QStringLiteral("lbl%1Birth").arg(key)), row++,
                   column);
    grid.addWidget(Line(parent, MoonLine(say, reading->chartState.bodies[kMoon]), QStringLiteral("lbl%1Moon").arg(key)),
                   row++, column);
    for (std::size_t r = 0; r < reading->evaluations.size(); ++r) {
        QLabel* verdict =
            Line(parent, VerdictLine(say, reading->evaluations[r].verdict),
                 QStringLiteral("lbl%1Verdict%2").arg(key).arg(r));
        verdict->setToolTip(PercentTerm());
        grid.addWidget(verdict, row++, column);
    }
}

void AddAshtakoota(QVBoxLayout& column, const Ashtakoota& a, QWidget* parent)
{
    const Translated say;
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
        QLabel* name = Line(parent, Named(say, kKootaNames, score.koota), QStringLiteral("lblKoota%1").arg(k));
        QLabel* points =
            Line(parent, PointsText(say, score.points, score.maximum), QStringLiteral("lblPoints%1").arg(k));
        QLabel* reason = Line(parent, KootaReasonText(say, a, score.koota), QStringLiteral("lblReason%1").arg(k));
        for (QLabel* cell : {name, points, reason})
            cell->setToolTip(KootaTerm(score.koota));
        table->addWidget(name, row, 0);
        table->addWidget(points, row, 1);
        table->addWidget(reason, row, 2);
    }
    column.addLayout(table);
    column.addWidget(Line(parent, TotalLine(say, a), QStringLiteral("lblTotal"), true, 1));
    column.addWidget(Heading(parent, HeadingText(say, MatchHeading::Doshas)));
    if (a.doshaCount == 0)
        column.addWidget(Line(parent, HeadingText(say, MatchHeading::NoDosha), QStringLiteral("lblDosha0")));
    for (int d = 0; d < a.doshaCount; ++d) {
        column.addWidget(
            Line(parent, DoshaLine(say, a.doshas[static_cast<std::size_t>(d)], a),
                 QStringLiteral("lblDosha%1").arg(d)));
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
    const Translated say;
    delete content_;
    content_ = new QWidget(this);
    layout()->addWidget(content_);
    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(Line(content_, HeadingText(say, MatchHeading::Title), QStringLiteral("lblTitle"), true, 5));
    if (match) {
        // The conclusion first, as a family reads it.
        QLabel* conclusion =
            Line(content_, ConclusionLine(say, match->conclusion), QStringLiteral("lblConclusion"), true, 1);
        conclusion->setContentsMargins(0, 4, 0, 8);
        conclusion->setToolTip(MatchWindow::tr("Below 18 of 36 a match is not recommended, and a Nadi or a Bhakoot "
                                               "dosha that no exception lifts makes it not recommended whatever the "
                                               "total. A Manglik should marry a Manglik: both balance, one alone "
                                               "leaves the dosha standing."));
        column->addWidget(conclusion);
    }

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
        column->addWidget(Heading(content_, HeadingText(say, MatchHeading::Manglik)));
        column->addWidget(Line(content_, OverallLine(say, manglik), QStringLiteral("lblOverall"), true));
        column->addWidget(
            Line(content_, HeadingText(say, MatchHeading::ManglikCounted), QStringLiteral("lblManglikCounted")));
        column->addWidget(
            Line(content_, StandingLine(say, MatchSide::Bride, manglik.bride), QStringLiteral("lblBrideStanding")));
        column->addWidget(
            Line(content_, StandingLine(say, MatchSide::Groom, manglik.groom), QStringLiteral("lblGroomStanding")));
        for (std::size_t r = 0; r < manglik.references.size(); ++r) {
            column->addWidget(
                Line(content_, ComparisonLine(say, manglik.references[r]),
                     QStringLiteral("lblComparison%1").arg(r)));
        }
        column->addWidget(Heading(content_, HeadingText(say, MatchHeading::Ashtakoota)));
        if (match->ashtakoota) {
            AddAshtakoota(*column, *match->ashtakoota, content_);
        } else {
            column->addWidget(Line(content_, HeadingText(say, MatchHeading::NoAshtakoota),
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
    QPushButton* terms = add("cmdTerms", tr("What the Terms &Mean"));
    QPushButton* help = add("cmdHelp", tr("&Help"));
    QPushButton* close = add("cmdClose", tr("Cl&ose"));
    terms->setToolTip(tr("Varna, nadi, gana, the dosha's percentage and the other words of the match, explained"));
    connect(terms, &QPushButton::clicked, this, [] { HelpWindow::showSection(guide::kMatchingTerms); });
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
    fitToScreen();
}

void MatchWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // Once the window manager has framed the window, its frame is known: fit
    // again with it, should it be taller than the room left for it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !framedFit_ &&
        frameGeometry().height() > height()) {
        framedFit_ = true;
        fitToScreen();
    }
}

void MatchWindow::fitToScreen()
{
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shown || isMaximized() || isFullScreen())
        return;
    // Before the window manager has put its frame round the window, a title
    // bar and borders are still to come: leave room for them, so the buttons
    // at the bottom stay on a 768-pixel screen.
    const int frame = std::max(frameGeometry().height() - height(), kFrameAllowance);
    const int room = shown->availableGeometry().height() - frame;
    if (height() > room)
        resize(width(), std::max(room, minimumSizeHint().height()));
    KeepOnScreen(*this);
}

QWidget* MatchWindow::buildSide(MatchSide side)
{
    const bool bride = side == MatchSide::Bride;
    const QString key = Key(side);
    auto* group = new QGroupBox(SideName(Translated(), side), this);
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
    currentButtons_[SideIndex(side)] = current;
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
    readings_[SideIndex(side)] = reading;
    const auto& [bride, groom] = readings_;
    if (bride && groom)
        match_ = MatchReadings(*bride, *groom);
    else
        match_.reset();
    sheet_->fill(bride, groom, match_);
    for (QPushButton* needsMatch : {exportButton_, pdfButton_, printButton_})
        needsMatch->setEnabled(match_.has_value());
    emit readingChosen(side);
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
        const QString reason = ProblemMessage(Translated(), result.problem(), path.toStdString());
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
