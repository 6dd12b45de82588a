#include "app/ReadingWindow.h"

#include "app/ChartChoice.h"
#include "app/Colours.h"
#include "app/HelpWindow.h"
#include "app/ReadingView.h"
#include "app/ScreenFit.h"
#include "app/Shortcuts.h"
#include "app/Twips.h"
#include "drawing/ChartDrawing.h"
#include "VarelioVersion.h"

#include <algorithm>

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace varelio::app {

namespace {

QAction* AddEntry(QMenu* menu, const char* name, const QString& caption, bool checkable = false, bool checked = false)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    action->setChecked(checked);
    return action;
}

// The width a button's caption needs: the text and the style's margins round
// it, without the least width the style gives every captioned button.
int CaptionWidth(const QPushButton& button)
{
    QStyleOptionButton uncaptioned;
    uncaptioned.initFrom(&button);
    const QSize caption = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    return button.style()->sizeFromContents(QStyle::CT_PushButton, &uncaptioned, caption, &button).width();
}

QWidget* MakeBand(const char* name, int heightTwips, QWidget* parent)
{
    auto* band = new QWidget(parent);
    band->setObjectName(QLatin1String(name));
    band->setFixedHeight(Px(heightTwips));
    band->setAutoFillBackground(true);
    QPalette colours = band->palette();
    colours.setColor(QPalette::Window, kPurple);
    band->setPalette(colours);
    return band;
}

// The styles offer no printer picture; this one stands in when the desktop
// theme has none either.
QIcon PrinterGlyph()
{
    QPixmap glyph(20, 20);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(5.5, 1.5, 9, 7));    // paper in
    painter.setBrush(QColor(120, 120, 130));
    painter.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);  // body
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(5.5, 12.5, 9, 6));   // paper out
    painter.setPen(QColor(90, 200, 90));
    painter.drawPoint(QPointF(16, 9.5));
    return QIcon(glyph);
}

}  // namespace

ReadingWindow::ReadingWindow(ReadingView* view, QWidget* parent) : QMainWindow(parent), view_(view)
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(tr("Varelio v%1").arg(QStringLiteral(VARELIO_VERSION)));
    setContextMenuPolicy(Qt::NoContextMenu);  // the toolbar is shown and hidden only by "&Toolbar"

    buildToolBar();
    fillToolBar(buildMenus());

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildHeadingBand());
    mdiArea_ = new QMdiArea(central);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    // A frame smaller than the reading scrolls to all of it; without scroll
    // bars the area would also insist on the reading's whole size.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    column->addWidget(mdiArea_, 1);
    column->addWidget(buildButtonBand());
    setCentralWidget(central);

    // The view keeps its fixed layout; it can be minimised and restored with
    // "&Chart" but not closed on its own.
    viewWindow_ = mdiArea_->addSubWindow(view_, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowMinimizeButtonHint);
    viewWindow_->setObjectName(QStringLiteral("frmDisplayWindow"));
    viewWindow_->setWindowTitle(view_->windowTitle());
    viewWindow_->adjustSize();

    // Opens maximised; this is the size it comes back to.
    const QSize viewSize = viewWindow_->size();
    resize(viewSize.width() + 80, viewSize.height() + Px(420 + 900 + 645) + menuBar()->sizeHint().height() + 60);
    if (const QScreen* shown = QGuiApplication::primaryScreen())
        setGeometry(shown->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

void ReadingWindow::buildToolBar()
{
    toolBar_ = new QToolBar(tr("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("TB"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setMinimumHeight(Px(420));
    toolBar_->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

ReadingWindow::SharedCommands ReadingWindow::buildMenus()
{
    SharedCommands shared{};

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    shared.newReading = AddEntry(file, "mnuNew", tr("&New"));
    shared.newReading->setShortcut(QKeySequence::New);
    connect(shared.newReading, &QAction::triggered, this, &ReadingWindow::newRequested);
    file->addSeparator();
    shared.save = AddEntry(file, "mnuSaveAsText", tr("Save &As"));
    shared.save->setShortcut(QKeySequence::Save);
    connect(shared.save, &QAction::triggered, this, &ReadingWindow::saveRequested);
    connect(AddEntry(file, "mnuSaveAsJpeg", tr("Save As &JPEG")), &QAction::triggered, this,
            &ReadingWindow::saveJpegRequested);
    connect(AddEntry(file, "mnuSaveAsPdf", tr("Save As P&DF")), &QAction::triggered, this,
            &ReadingWindow::savePdfRequested);
    file->addSeparator();
    connect(AddEntry(file, "mnuExport", tr("&Export Chart As Text")), &QAction::triggered, this,
            &ReadingWindow::exportRequested);
    file->addSeparator();
    connect(AddEntry(file, "mnuMatch", tr("&Match Two Readings...")), &QAction::triggered, this,
            &ReadingWindow::matchRequested);
    file->addSeparator();
    shared.print = AddEntry(file, "mnuPrint", tr("&Print"));
    shared.print->setShortcut(QKeySequence::Print);
    connect(shared.print, &QAction::triggered, this, &ReadingWindow::printRequested);
    file->addSeparator();
    QAction* back = AddEntry(file, "mnuBack", tr("&Back"));
    back->setShortcut(Qt::Key_Escape);
    connect(back, &QAction::triggered, this, &ReadingWindow::backRequested);
    file->addSeparator();
    QAction* exit = AddEntry(file, "mnuExit", tr("E&xit"));
    exit->setShortcuts(QuitKeys());
    connect(exit, &QAction::triggered, this, &ReadingWindow::exitRequested);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    // The toolbar's own action: its check mark follows the toolbar.
    QAction* showToolBar = toolBar_->toggleViewAction();
    showToolBar->setObjectName(QStringLiteral("mnuToolBar"));
    showToolBar->setText(tr("&Toolbar"));
    showToolBar->setChecked(true);
    view->addAction(showToolBar);
    QStatusBar* status = statusBar();
    status->setObjectName(QStringLiteral("statusBar"));
    // A label of its own rather than a passing message: a menu entry's empty
    // tip, shown while the mouse crosses it, would wipe the message out.
    savedLabel_ = new QLabel(status);
    savedLabel_->setObjectName(QStringLiteral("lblSaved"));
    savedLabel_->setTextFormat(Qt::PlainText);
    status->addWidget(savedLabel_, 1);
    connect(AddEntry(view, "mnuStatusBar", tr("&Status Bar"), true, true), &QAction::toggled, status,
            &QWidget::setVisible);
    view->addSeparator();

    QMenu* style = view->addMenu(tr("&Chart Style"));
    style->setObjectName(QStringLiteral("mnuChartStyle"));
    auto* styles = new QActionGroup(this);
    styles->setObjectName(QStringLiteral("chartStyleGroup"));
    const std::pair<const char*, QString> styleEntries[] = {
        {"mnuNorth", tr("&North Indian")}, {"mnuSouth", tr("&South Indian")}, {"mnuNatal", tr("&East Indian")}};
    for (const auto& [name, caption] : styleEntries)
        styles->addAction(AddEntry(style, name, caption, true));

    QMenu* colour = view->addMenu(tr("Colo&r Style"));
    colour->setObjectName(QStringLiteral("mnuColor"));
    auto* colours = new QActionGroup(this);
    colours->setObjectName(QStringLiteral("colourGroup"));
    colours->addAction(AddEntry(colour, "mnuColorOn", tr("O&n"), true));
    colours->addAction(AddEntry(colour, "mnuColorOff", tr("O&ff"), true));
    view->addSeparator();

    auto* charts = new QActionGroup(this);
    charts->setObjectName(QStringLiteral("chartGroup"));
    chartAction_ = AddEntry(view, "mnuChart", tr("&Chart"), true);
    charts->addAction(chartAction_);
    connect(chartAction_, &QAction::triggered, this, &ReadingWindow::showChart);
    QMenu* divisional = view->addMenu(tr("&Divisional Charts"));
    divisional->setObjectName(QStringLiteral("mnuDivisionalCharts"));
    const std::pair<const char*, QString> entries[] = {
        {"mnuSub_Hora", tr("&Hora")},         {"mnuSub_Drekkana", tr("&Drekkana")},
        {"mnuSub_Sapthamsa", tr("&Sapthamsa")}, {"mnuSub_Navamsa", tr("&Navamsa")},
        {"mnuSub_Dasamsa", tr("&D&asamsa")},  {"mnuSub_Dwadasamsa", tr("D&wadasamsa")},
    };
    for (const auto& [name, caption] : entries)
        charts->addAction(AddEntry(divisional, name, caption, true));
    wireChartEntries(*styles, *colours, *charts);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    // Help is the guide installed with the program, at the entry's section:
    // it needs no network.
    auto guideEntry = [this, help](const char* name, const QString& caption, const QString& section) {
        QAction* entry = AddEntry(help, name, caption);
        connect(entry, &QAction::triggered, this, [section] { HelpWindow::showSection(section); });
        return entry;
    };
    shared.onlineHelp = guideEntry("mnuOnline", tr("&Online Help"), guide::kContents);
    guideEntry("mnuVisit", tr("&Visit Us Online"), guide::kAbout);
    help->addSeparator();
    guideEntry("mnuUpdate", tr("Check for Software &Update"), guide::kUpdates);
    help->addSeparator();
    connect(AddEntry(help, "mnuAbout", tr("&About Software")), &QAction::triggered, this,
            &ReadingWindow::aboutRequested);
    guideEntry("mnuDonate", tr("&Donate"), guide::kAbout);
    guideEntry("mnuMakeMoney", tr("Make Money &Online"), guide::kAbout);
    return shared;
}

void ReadingWindow::fillToolBar(const SharedCommands& commands)
{
    // The buttons are the menu entries themselves; each button keeps its old
    // key as its object name and, in words, as its tooltip; its picture stays
    // out of the menu.
    struct Button {
        QAction* action;
        const char* key;
        QString tip;
        const char* theme;
        QStyle::StandardPixmap fallback;
    };
    const Button buttons[] = {
        {commands.newReading, "New", tr("New"), "document-new", QStyle::SP_FileIcon},
        {commands.save, "Save", tr("Save"), "document-save", QStyle::SP_DialogSaveButton},
        {commands.print, "Print", tr("Print"), "document-print", QStyle::SP_CustomBase},
        {commands.onlineHelp, "Help", tr("Help"), "help-contents", QStyle::SP_MessageBoxQuestion},
    };
    for (const Button& button : buttons) {
        const QIcon fallback =
            button.fallback == QStyle::SP_CustomBase ? PrinterGlyph() : style()->standardIcon(button.fallback);
        button.action->setIcon(QIcon::fromTheme(QLatin1String(button.theme), fallback));
        button.action->setIconVisibleInMenu(false);
        button.action->setToolTip(button.tip);
        toolBar_->addAction(button.action);
        toolBar_->widgetForAction(button.action)->setObjectName(QLatin1String(button.key));
    }
}

QWidget* ReadingWindow::buildHeadingBand()
{
    QWidget* band = MakeBand("picTop", 900, this);
    auto* heading = new QLabel(tr("Varelio"), band);
    heading->setObjectName(QStringLiteral("lblHeading"));
    heading->setAttribute(Qt::WA_TranslucentBackground);
    QFont font = drawing::ReadingFont();
    font.setBold(true);
    font.setPixelSize(Px(435) - 5);
    heading->setFont(font);
    QPalette colours = heading->palette();
    colours.setColor(QPalette::WindowText, kOrange);
    heading->setPalette(colours);
    heading->setMinimumHeight(Px(435));

    auto* centred = new QHBoxLayout(band);
    centred->setContentsMargins(0, 0, 0, 0);
    centred->addWidget(heading, 0, Qt::AlignCenter);
    return band;
}

QWidget* ReadingWindow::buildButtonBand()
{
    QWidget* band = MakeBand("Picture1", 645, this);
    // Right-aligned: 300 twips to the right edge, 100 between the buttons,
    // 120 from the band's top.
    constexpr int kTop = 120, kHeight = 400;
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(0, Px(kTop), Px(300), Px(645) - Px(kTop) - Px(kHeight));
    row->setSpacing(Px(100));
    row->addStretch(1);
    auto add = [band, row](const char* name, const QString& caption, int widthTwips) {
        auto* button = new QPushButton(caption, band);
        button->setObjectName(QLatin1String(name));
        // The layout's size, wider for a longer caption (a translation).
        button->setFixedSize(std::max(Px(widthTwips), CaptionWidth(*button)), Px(kHeight));
        row->addWidget(button);
        return button;
    };
    connect(add("cmdSaveAsJPEG", tr("Save As &JPEG"), 1575), &QPushButton::clicked, this,
            &ReadingWindow::saveJpegRequested);
    connect(add("cmdSaveAsPDF", tr("Save As P&DF"), 1575), &QPushButton::clicked, this,
            &ReadingWindow::savePdfRequested);
    connect(add("cmdBack", tr("&Back"), 1095), &QPushButton::clicked, this,
            &ReadingWindow::backRequested);
    connect(add("cmdExit", tr("E&xit"), 1095), &QPushButton::clicked, this,
            &ReadingWindow::exitRequested);
    return band;
}

void ReadingWindow::wireChartEntries(QActionGroup& styles, QActionGroup& colours, QActionGroup& charts)
{
    // The entries in each group's order: the styles as the menu lists them,
    // Off after On, the Rasi ("&Chart") before the divisional charts.
    static constexpr drawing::ChartStyle kStyles[] = {drawing::ChartStyle::North, drawing::ChartStyle::South,
                                                      drawing::ChartStyle::East};
    const ChartChoice shown = view_->chartChoice();
    const auto choose = [this](auto change) {
        return [this, change] {
            ChartChoice choice = view_->chartChoice();
            change(choice);
            view_->setChartChoice(choice);
            StoreChartChoice(choice);
        };
    };
    for (int i = 0; i < 3; ++i) {
        QAction* entry = styles.actions().at(i);
        entry->setChecked(kStyles[i] == shown.style);
        connect(entry, &QAction::triggered, this, choose([i](ChartChoice& c) { c.style = kStyles[i]; }));
    }
    for (int i = 0; i < 2; ++i) {
        const bool on = i == 0;
        QAction* entry = colours.actions().at(i);
        entry->setChecked(on == shown.colour);
        connect(entry, &QAction::triggered, this, choose([on](ChartChoice& c) { c.colour = on; }));
    }
    for (std::size_t i = 0; i < kDivisions.size(); ++i) {
        const DivisionalChart chart = kDivisions[i].chart;
        QAction* entry = charts.actions().at(static_cast<qsizetype>(i));
        entry->setChecked(chart == shown.chart);
        connect(entry, &QAction::triggered, this, choose([chart](ChartChoice& c) { c.chart = chart; }));
    }
}

void ReadingWindow::placeReadingView()
{
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const int areaWidth = mdiArea_->viewport()->width();
    const int screenWidth = shown ? shown->geometry().width() : areaWidth;
    // Centred on the screen's width, which is the area's width while the
    // window is maximised; a narrower window centres it in what it has, and
    // one narrower than the view shows its top left corner.
    const int left = std::max(0, (std::min(screenWidth, areaWidth) - viewWindow_->width()) / 2);
    viewWindow_->move(left, 0);
}

void ReadingWindow::showSaved(const QString& path)
{
    if (path.isEmpty())
        return;
    savedLabel_->setText(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
    savedLabel_->setToolTip(savedLabel_->text());
}

void ReadingWindow::showChart()
{
    viewWindow_->showNormal();
    mdiArea_->setActiveSubWindow(viewWindow_);
}

void ReadingWindow::closeForReturn()
{
    returning_ = true;
    close();
}

void ReadingWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!returning_)
        emit exitRequested();
}

void ReadingWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // A view larger than the area stays where the user has scrolled it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        mdiArea_->viewport()->rect().contains(QRect(QPoint(), viewWindow_->size())))
        placeReadingView();
    // Restored from maximised, the window is the screen's size with a frame
    // round it: it shrinks to fit.
    if (event->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState)
        KeepOnScreen(*this);
}

void ReadingWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The view is placed against the area's width, which the layout sets.
    centralWidget()->layout()->activate();
    placeReadingView();
}

}  // namespace varelio::app
