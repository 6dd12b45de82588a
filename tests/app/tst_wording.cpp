// With a translator that brackets every text it is given, no text a person
// reads in the input, reading, match and help windows (or the About box) is
// left unbracketed: every one goes through tr() or the catalogue (words/).
#include "AppTestSupport.h"

#include "app/AboutBox.h"
#include "app/HelpWindow.h"
#include "app/MatchWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTranslator>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using namespace varelio;
using namespace varelio::app;
using namespace varelio::app::testing;

Q_DECLARE_METATYPE(std::shared_ptr<QTranslator>)

namespace {

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

// A source text with each word that pattern finds replaced, placeholders
// kept; the locale a translation names stays English's, so dates are in
// English words.
template <typename Replace>
QString Rewritten(const char* context, const char* sourceText, const QRegularExpression& pattern, Replace replace)
{
    if (!sourceText || !*sourceText || (qstrcmp(context, "Words") == 0 && qstrcmp(sourceText, "en_US") == 0))
        return {};
    const QString text = QString::fromUtf8(sourceText);
    QString out;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator all = pattern.globalMatch(text); all.hasNext();) {
        const QRegularExpressionMatch word = all.next();
        out += text.mid(from, word.capturedStart() - from) + replace(word.captured());
        from = word.capturedEnd();
    }
    return out + text.mid(from);
}

// Each word longer by 40%: its letters and their first 40% again
// ("Position" "Positionpos").
class Longer final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        static const QRegularExpression word(QStringLiteral("(?<![%\\\\])\\b\\p{L}+"));
        return Rewritten(context, sourceText, word,
                         [](const QString& letters) { return letters + letters.left((letters.size() * 2 + 4) / 5); });
    }
    bool isEmpty() const override { return false; }
};

// Every word of four letters or more a long Tamil word.
class Tamil final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        static const QRegularExpression word(QStringLiteral("(?<![%\\\\])\\b\\p{L}{4,}"));
        static const QStringList kLong = {QStringLiteral("லக்னத்திலிருந்து"), QStringLiteral("பொருத்தங்களுக்கான"),
                                          QStringLiteral("செவ்வாய்தோஷம்"), QStringLiteral("நட்சத்திரத்தின்")};
        int next = 0;
        return Rewritten(context, sourceText, word, [&next](const QString&) { return kLong[next++ % kLong.size()]; });
    }
    bool isEmpty() const override { return false; }
};

// The texts of window that do not fit their boxes or lie over another text,
// "" when every one fits; a box's children must lie within it.
QString Crowded(QWidget& window)
{
    QStringList found;
    const QString place = QStringLiteral("%1 (%2,%3 %4x%5)");
    const auto describe = [&](const QWidget& w) {
        const QPoint at = w.mapTo(&window, QPoint());
        return place.arg(w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className()) : w.objectName())
            .arg(at.x()).arg(at.y()).arg(w.width()).arg(w.height());
    };
    std::vector<QWidget*> texts;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->inherits("QMdiSubWindow"))
            continue;
        QSize needed;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QRect room = label->contentsRect();
            needed = label->wordWrap() ? QSize(room.width(), label->heightForWidth(label->width()))
                                       : label->minimumSizeHint();
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            // Its caption and the style's margins, not the least width the style gives any captioned button.
            QStyleOptionButton uncaptioned;
            uncaptioned.initFrom(push);
            needed = push->style()->sizeFromContents(QStyle::CT_PushButton, &uncaptioned,
                                                     push->fontMetrics().size(Qt::TextShowMnemonic, push->text()), push);
        } else if (qobject_cast<QAbstractButton*>(widget)) {
            needed = widget->sizeHint();
        } else if (qobject_cast<QGroupBox*>(widget)) {
            needed = QSize(widget->minimumSizeHint().width(), 0);  // its rows are checked for themselves
        } else {
            continue;
        }
        if (widget->width() < needed.width() || widget->height() < needed.height())
            found << QStringLiteral("clipped: %1 needs %2x%3").arg(describe(*widget)).arg(needed.width()).arg(needed.height());
        // Within the box it stands in, unless that box scrolls.
        QWidget* parent = widget->parentWidget();
        if (parent && !parent->rect().contains(widget->geometry()) && !parent->parentWidget()->inherits("QAbstractScrollArea"))
            found << QStringLiteral("outside %1: %2").arg(describe(*parent), describe(*widget));
        if (!qobject_cast<QGroupBox*>(widget))
            texts.push_back(widget);
    }
    // What shows of a widget, a scroll area's hiding the rest.
    const auto shown = [&window](const QWidget* widget) {
        QRect rect(widget->mapTo(&window, QPoint()), widget->size());
        for (const QWidget* box = widget->parentWidget(); box && box != &window; box = box->parentWidget())
            rect &= QRect(box->mapTo(&window, QPoint()), box->size());
        return rect;
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QRect first = shown(texts[i]);
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const QRect second = shown(texts[j]);
            if (first.intersects(second) && !texts[i]->isAncestorOf(texts[j]) && !texts[j]->isAncestorOf(texts[i]))
                found << QStringLiteral("overlap: %1 and %2").arg(describe(*texts[i]), describe(*texts[j]));
        }
    }
    return found.join(QStringLiteral("\n"));
}

}  // namespace

class WordingTest : public QObject {
    Q_OBJECT
private slots:
    void everyTextAPersonReadsGoesThroughTr();
    void longerWordsFitEveryWindow_data();
    void longerWordsFitEveryWindow();

private:
    // The input window, the reading window of a birth that shows a time
    // warning, the About box and the match of that reading with itself, each
    // handed to check with the children whose texts are the birth's own.
    void forEveryWindow(const std::function<void(QWidget&, const QStringList&)>& check);
};

void WordingTest::forEveryWindow(const std::function<void(QWidget&, const QStringList&)>& check)
{
    // A birth six minutes before the ascendant's sign change: the reading
    // shows a time warning too.
    FormValues form = WorkedExampleForm();
    const int minutesOn = *samples::ReadingOf(form).of(ManglikReference::Lagna).window->to.minutesToChange - 6;
    form.hourIndex += (form.minuteIndex + minutesOn) / 60;
    form.minuteIndex = (form.minuteIndex + minutesOn) % 60;

    DrivenProgram driven;
    driven.input().setFormValues(form);
    driven.input().show();
    QVERIFY(QTest::qWaitForWindowExposed(&driven.input()));
    check(driven.input(), {QStringLiteral("cboTimeZone")});
    ReadingWindow* reading = driven.calculate(form);
    QVERIFY(reading);
    QVERIFY(reading->findChild<QLabel*>(QStringLiteral("lblWarning0")));
    check(*reading, {});
    const std::unique_ptr<QDialog> about = MakeAboutBox(nullptr, true);
    about->show();
    check(*about, {});

    // The match of the reading with itself; the names are the births' own.
    Child<QAction>(*reading, QStringLiteral("mnuMatch"))->trigger();
    MatchWindow* match = driven.program().matchWindow();
    QVERIFY(match);
    Child<QPushButton>(*match, QStringLiteral("cmdBrideCurrent"))->click();
    Child<QPushButton>(*match, QStringLiteral("cmdGroomCurrent"))->click();
    QVERIFY(match->match());
    check(*match, {QStringLiteral("lblBrideName"), QStringLiteral("lblGroomName")});
    check(HelpWindow::showSection(guide::kFiles), {});
}

void WordingTest::everyTextAPersonReadsGoesThroughTr()
{
    Brackets brackets;
    QVERIFY(QCoreApplication::installTranslator(&brackets));
    forEveryWindow([](QWidget& window, const QStringList& data) {
        QCOMPARE(Unbracketed(window, data), QString());
    });
}

void WordingTest::longerWordsFitEveryWindow_data()
{
    QTest::addColumn<std::shared_ptr<QTranslator>>("translator");
    QTest::newRow("40% longer") << std::shared_ptr<QTranslator>(std::make_shared<Longer>());
    QTest::newRow("long Tamil words") << std::shared_ptr<QTranslator>(std::make_shared<Tamil>());
}

// A translation's longer words widen and lengthen the windows: none is cut
// off or laid over another.
void WordingTest::longerWordsFitEveryWindow()
{
    QFETCH(std::shared_ptr<QTranslator>, translator);
    QVERIFY(QCoreApplication::installTranslator(translator.get()));
    forEveryWindow([](QWidget& window, const QStringList&) {
        QTest::qWait(20);
        const QString crowded = Crowded(window);
        QVERIFY2(crowded.isEmpty(), qPrintable(window.objectName() + QStringLiteral(":\n") + crowded));
    });
    QCoreApplication::removeTranslator(translator.get());
}

QTEST_MAIN(WordingTest)
#include "tst_wording.moc"
