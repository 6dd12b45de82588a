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
    void everyTextAPersonReadsGoesThroughTr();
};

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
    QCOMPARE(Unbracketed(*reading, {}), QString());
    QCOMPARE(Unbracketed(*MakeAboutBox(nullptr, true), {}), QString());

    // The match of the reading with itself; the names are the births' own.
    Child<QAction>(*reading, QStringLiteral("mnuMatch"))->trigger();
    MatchWindow* match = driven.program().matchWindow();
    QVERIFY(match);
    Child<QPushButton>(*match, QStringLiteral("cmdBrideCurrent"))->click();
    Child<QPushButton>(*match, QStringLiteral("cmdGroomCurrent"))->click();
    QVERIFY(match->match());
    QCOMPARE(Unbracketed(*match, {QStringLiteral("lblBrideName"), QStringLiteral("lblGroomName")}), QString());
    QCOMPARE(Unbracketed(HelpWindow::showSection(guide::kFiles), {}), QString());
}

QTEST_MAIN(WordingTest)
#include "tst_wording.moc"
