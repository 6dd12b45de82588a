// The windows' words: the sentences they make of the core's codes are the
// companion's English, and with a translator that brackets every text it is
// given, no text a person reads in the input or reading window (or the About
// box) is left unbracketed: every one goes through tr().
#include "AppTestSupport.h"

#include "app/AboutBox.h"
#include "app/MatchWindow.h"
#include "app/Wording.h"
#include "astro/Positions.h"
#include "formats/English.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTranslator>

#include <algorithm>
#include <tuple>
#include <vector>

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

namespace {

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

class Brackets final : public QTranslator {
public:
    QString translate(const char*, const char* sourceText, const char*, int) const override
    {
        return sourceText && *sourceText ? QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']')
                                         : QString();
    }
    bool isEmpty() const override { return false; }
};

// Whether no letter stands outside brackets; what is inside (typed names,
// numbers) is data the bracketed text carries.
bool Bracketed(QString text)
{
    static const QRegularExpression innermost(QStringLiteral("\\[[^\\[\\]]*\\]"));
    for (QString before; before != text;) {
        before = text;
        text.remove(innermost);
    }
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Every text of window and its children a person reads that is not bracketed,
// leaving out the children named in data; "" when there is none.
QString Unbracketed(QWidget& window, const QStringList& data)
{
    QStringList bare;
    auto check = [&bare](const QObject& where, const QString& text) {
        if (!Bracketed(text))
            bare << where.objectName() + QStringLiteral(": ") + text;
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        if (data.contains(widget->objectName()))
            continue;
        check(*widget, widget->windowTitle());
        check(*widget, widget->toolTip());
        if (auto* label = qobject_cast<QLabel*>(widget))
            check(*label, label->textFormat() == Qt::PlainText ? label->text()
                                                               : QTextDocumentFragment::fromHtml(label->text()).toPlainText());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            check(*button, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            check(*group, group->title());
        if (auto* menu = qobject_cast<QMenu*>(widget))
            check(*menu, menu->title());
        if (auto* list = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                check(*list, list->itemText(i));
    }
    for (QAction* action : window.findChildren<QAction*>()) {
        check(*action, action->text());
        check(*action, action->toolTip());
    }
    return bare.join(QStringLiteral("; "));
}

}  // namespace

class WordingTest : public QObject {
    Q_OBJECT
private slots:
    void windowsSayWhatTheCompanionSays();
    void windowsSayWhatTheCompanionSaysOfAMatch();
    void everyTextAPersonReadsGoesThroughTr();
};

void WordingTest::windowsSayWhatTheCompanionSays()
{
    using english::ReferenceName;
    for (const ManglikReference reference : kManglikReferences) {
        const std::string name(ReferenceName(reference));
        // Unknown, Manglik, not Manglik, and a dosha of many digits.
        for (const auto& [house, manglik, percent] :
             {std::tuple{0, false, 0.0}, {7, true, 25.0}, {5, false, 0.0}, {12, true, 0.0625}}) {
            const ManglikVerdict verdict{reference, house, manglik, percent, std::nullopt};
            const std::array<std::string, 3> said = english::VerdictCaptions(verdict);
            const std::array<QString, 3> shown = VerdictCaptions(verdict);
            for (std::size_t line = 0; line < 3; ++line)
                QCOMPARE(shown[line], FromStd(said[line]));
        }
        // Every cause of an end on either side, and every unit of Mars's uncertainty.
        ReferenceWindow sameDay;
        sameDay.from.minute = 1012;
        sameDay.from.setBy = WindowEndCause::Ascendant;
        sameDay.to.minute = 1121;
        sameDay.to.setBy = WindowEndCause::Moon;
        ReferenceWindow open = sameDay;
        open.from.setBy = open.to.setBy = WindowEndCause::Limit;
        ReferenceWindow acrossMidnight = sameDay;
        acrossMidnight.from.day = -1;
        acrossMidnight.to.day = 1;
        ReferenceWindow nearEdge = acrossMidnight;
        ReferenceWindow openNearEdge = open;
        nearEdge.from.approximate = nearEdge.to.approximate = true;
        openNearEdge.from.approximate = openNearEdge.to.approximate = true;
        std::vector<ReferenceWindow> windows = {sameDay, open, acrossMidnight, nearEdge, openNearEdge};
        for (const int uncertainty : {1, 45, 60, 150, 2000, 1440 * 3}) {
            ReferenceWindow byMars = acrossMidnight;
            byMars.from.setBy = byMars.to.setBy = WindowEndCause::Mars;
            byMars.from.uncertaintyMinutes = uncertainty;
            byMars.to.uncertaintyMinutes = uncertainty + 30;
            windows.push_back(byMars);
        }
        for (const ReferenceWindow& window : windows)
            QCOMPARE(WindowLine(reference, window), FromStd(name + ": " + english::WindowText(window)));
        for (const bool manglik : {false, true})
            QCOMPARE(VerdictMayDifferLine(reference, manglik), FromStd(english::VerdictMayDifferText(reference, manglik)));
        for (const TimeWarning& warning : {TimeWarning{1, true, true}, TimeWarning{1, false, false},
                                           TimeWarning{6, true, false}, TimeWarning{15, false, true}})
            QCOMPARE(TimeWarningLine(reference, warning), FromStd(english::TimeWarningText(warning, reference)));
        // Every rule's reason, under the box after "Dosha cancelled: " and in the match's lines.
        for (const Cancellation& cancellation :
             {Cancellation{CancellationRule::MarsInLeoOrAquarius, 11, 0, kMars},
              Cancellation{CancellationRule::MarsInHouseAndSign, 8, 12, kMars},
              Cancellation{CancellationRule::MoonInCancerOrLeo, 4, 0, kMoon},
              Cancellation{CancellationRule::LordInKendraOrTrikona, 0, 4, kVenus},
              Cancellation{CancellationRule::BeneficNearReference, 0, 0, kJupiter}})
            QCOMPARE(CancellationLine(cancellation, reference),
                     QStringLiteral("Dosha cancelled: ") + FromStd(english::CancellationReason(cancellation, reference)));
    }
    for (const Division& division : kDivisions)
        QCOMPARE(ChartName(division.chart), FromStd(std::string(english::ChartName(division.chart))));
    for (const auto& [near, later] : {std::pair{NearEdgeMinute{0, 600, 0}, false}, {NearEdgeMinute{95, 1050, 0}, true},
                                      {NearEdgeMinute{40, 1430, -1}, false}})
        QCOMPARE(MarsNearEdgeLine(near, later), FromStd(english::MarsNearEdgeText(near, later)));

    ZoneNote chosen;
    chosen.kind = ZoneNote::Kind::Chosen;
    chosen.zoneId = "Asia/Kolkata";
    chosen.year = 1943;
    chosen.month = 3;
    chosen.day = 1;
    chosen.facts.utcOffsetSeconds = 23400;
    chosen.choice.zoneIndex = 34;
    std::vector<ZoneNote> notes(13, chosen);
    notes[0].kind = ZoneNote::Kind::None;
    notes[1].kind = ZoneNote::Kind::DateNotInCalendar;
    notes[2].kind = ZoneNote::Kind::ZoneUnknown;
    notes[4].facts.summerTime = notes[4].choice.dst = true;
    notes[5].choice.errorSeconds = 20;          // under a minute, under a degree
    notes[6].choice.errorSeconds = -60;         // 1 minute
    notes[7].choice.errorSeconds = 900;         // 15 minutes, about 4 degrees
    notes[7].facts.clockTime = ClockTime::Skipped;
    notes[8].facts.clockTime = ClockTime::Repeated;
    notes[9].choice.errorSeconds = 900;         // in the exact offset
    notes[9].exactOffsetEntered = true;
    notes[10].clock = ClockSource::CityTime;    // Bombay Time, in the exact offset
    notes[10].cityClock = 0;
    notes[10].offsetSeconds = 17460;
    notes[10].choice.errorSeconds = 1800;
    notes[10].exactOffsetEntered = true;
    notes[11].clock = ClockSource::LocalMeanTime;  // approximated by the row
    notes[11].offsetSeconds = 18532;
    notes[11].choice.errorSeconds = -1268;
    notes[12].cityClock = 1;                    // Calcutta Time, the other choice
    for (const ZoneNote& note : notes)
        QCOMPARE(app::ZoneNoteText(note), FromStd(english::ZoneNoteText(note)));

    for (int month = 0; month <= 13; ++month)
        QCOMPARE(app::MonthName(month), FromStd(std::string(varelio::MonthName(month))));
}

// Every pair of Moon padas (each koota's reason, the total and band, the
// doshas and their exceptions) and every combination of verdicts on either
// side (the Manglik comparison per reference, per person and overall).
void WordingTest::windowsSayWhatTheCompanionSaysOfAMatch()
{
    for (const Koota koota : kKootas)
        QCOMPARE(KootaName(koota), FromStd(std::string(english::KootaName(koota))));
    const auto moonAt = [](int pada) { return PositionAt((pada + 0.5) * 10.0 / 3.0); };
    for (int b = 0; b < 108; ++b) {
        QCOMPARE(MoonLine(moonAt(b)), FromStd(english::MoonLine(moonAt(b))));
        for (int g = 0; g < 108; ++g) {
            const Ashtakoota a = ComputeAshtakoota(moonAt(b), moonAt(g)).value();
            for (const Koota koota : kKootas)
                QCOMPARE(KootaReasonText(a, koota), FromStd(english::KootaReasonText(a, koota)));
            QCOMPARE(TotalLine(a), FromStd(english::TotalLine(a)));
            for (int d = 0; d < a.doshaCount; ++d)
                QCOMPARE(DoshaLine(a.doshas[d], a), FromStd(english::DoshaLine(a.doshas[d], a)));
            // The conclusion over every Manglik outcome.
            ManglikComparison manglik;
            for (const ManglikBalance overall : {ManglikBalance::Unknown, ManglikBalance::Neither, ManglikBalance::Both,
                                                 ManglikBalance::One}) {
                manglik.overall = overall;
                manglik.overallSide = overall == ManglikBalance::One ? std::optional(g % 2 ? MatchSide::Groom : MatchSide::Bride)
                                                                     : std::nullopt;
                const MatchConclusion c = ConcludeMatch(manglik, a);
                QCOMPARE(ConclusionLine(c), FromStd(english::ConclusionLine(c)));
            }
        }
    }
    const MatchConclusion noAshtakoota = ConcludeMatch(ManglikComparison{}, std::nullopt);
    QCOMPARE(ConclusionLine(noAshtakoota), FromStd(english::ConclusionLine(noAshtakoota)));
    QCOMPARE(ManglikCountedLine(), FromStd(std::string(english::HeadingText(english::MatchHeading::ManglikCounted))));
    QCOMPARE(MoonLine(BodyPosition{}), FromStd(english::MoonLine(BodyPosition{})));

    // The cancellation's reason is the reading's own, checked with its line above.
    // Two bits a reference: unknown, not Manglik, Manglik, Manglik with a cancellation.
    const auto verdicts = [](int kind) {
        ManglikVerdicts set;
        for (std::size_t r = 0; r < set.size(); ++r) {
            const int k = kind >> (2 * r) & 3;
            set[r] = ManglikVerdict{kManglikReferences[r], k == 0 ? 0 : k == 1 ? 3 : 8, k >= 2, k >= 2 ? 100.0 : 0.0,
                                    k == 3 ? std::optional(Cancellation{CancellationRule::MarsInLeoOrAquarius, 5})
                                           : std::nullopt};
        }
        return set;
    };
    for (int bride = 0; bride < 64; ++bride) {
        for (const ManglikVerdict& v : verdicts(bride))
            QCOMPARE(VerdictLine(v), FromStd(english::VerdictLine(v)));
        for (int groom = 0; groom < 64; ++groom) {
            const ManglikComparison c = CompareManglik(verdicts(bride), verdicts(groom));
            QCOMPARE(OverallLine(c), FromStd(english::OverallLine(c)));
            QCOMPARE(StandingLine(MatchSide::Bride, c.bride), FromStd(english::StandingLine(MatchSide::Bride, c.bride)));
            QCOMPARE(StandingLine(MatchSide::Groom, c.groom), FromStd(english::StandingLine(MatchSide::Groom, c.groom)));
            for (const ReferenceComparison& r : c.references)
                QCOMPARE(ComparisonLine(r), FromStd(english::ComparisonLine(r)));
        }
    }
    for (const MatchSide side : {MatchSide::Bride, MatchSide::Groom})
        QCOMPARE(SideName(side), FromStd(std::string(english::SideName(side))));
    BirthData birth;
    CopyFormToBirthData(WorkedExampleForm(), birth);
    QCOMPARE(BirthLine(birth), FromStd(english::BirthLine(birth)));
}

void WordingTest::everyTextAPersonReadsGoesThroughTr()
{
    Brackets brackets;
    QVERIFY(QCoreApplication::installTranslator(&brackets));
    // A birth six minutes before the ascendant's sign change: the reading
    // shows a time warning too.
    FormValues form = WorkedExampleForm();
    const int minutesOn = *samples::ReadingOf(form).of(ManglikReference::Lagna).window->to.minutesToChange - 6;
    form.hourIndex += (form.minuteIndex + minutesOn) / 60;
    form.minuteIndex = (form.minuteIndex + minutesOn) % 60;

    DrivenProgram driven;
    QCOMPARE(Unbracketed(driven.input(), {QStringLiteral("cboTimeZone")}), QString());
    ReadingWindow* reading = driven.calculate(form);
    QVERIFY(reading);
    QVERIFY(reading->findChild<QLabel*>(QStringLiteral("lblWarning0")));
    // The positions and the Vedic details are the core's texts and names.
    QStringList data = {QStringLiteral("lblAyanamsha"), QStringLiteral("lblLagna"),    QStringLiteral("lblRashi"),
                        QStringLiteral("lblNakshatra"), QStringLiteral("lblPada"),     QStringLiteral("lblLord")};
    for (int body = 0; body < kBodyCount; ++body)
        data << QStringLiteral("Planet%1").arg(body);
    QCOMPARE(Unbracketed(*reading, data), QString());
    QCOMPARE(Unbracketed(*MakeAboutBox(nullptr, true), {}), QString());

    // The match of the reading with itself; the names are the births' own.
    Child<QAction>(*reading, QStringLiteral("mnuMatch"))->trigger();
    MatchWindow* match = driven.program().matchWindow();
    QVERIFY(match);
    Child<QPushButton>(*match, QStringLiteral("cmdBrideCurrent"))->click();
    Child<QPushButton>(*match, QStringLiteral("cmdGroomCurrent"))->click();
    QVERIFY(match->match());
    QCOMPARE(Unbracketed(*match, {QStringLiteral("lblBrideName"), QStringLiteral("lblGroomName")}), QString());
}

QTEST_MAIN(WordingTest)
#include "tst_wording.moc"
