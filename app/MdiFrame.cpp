#include "app/MdiFrame.h"

#include "app/AboutBox.h"
#include "app/FrmDisplay.h"
#include "app/Twips.h"
#include "app/WebLinks.h"
#include "VarelioVersion.h"

#include <algorithm>

#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace varelio::app {

namespace {

const QColor kBand(154, 54, 171);

QAction* AddEntry(QMenu* menu, const char* name, const QString& caption, bool checkable = false, bool checked = false)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    action->setChecked(checked);
    return action;
}

QWidget* MakeBand(const char* name, int heightTwips, QWidget* parent)
{
    auto* band = new QWidget(parent);
    band->setObjectName(QLatin1String(name));
    band->setFixedHeight(Px(heightTwips));
    band->setAutoFillBackground(true);
    QPalette colours = band->palette();
    colours.setColor(QPalette::Window, kBand);
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

MdiFrame::MdiFrame(FrmDisplay* child, QWidget* parent) : QMainWindow(parent), child_(child)
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Varelio v" VARELIO_VERSION));
    setContextMenuPolicy(Qt::NoContextMenu);  // the toolbar is shown and hidden only by "&Toolbar"

    buildMenus();
    buildToolBar();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildHeading());
    mdiArea_ = new QMdiArea(central);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    column->addWidget(mdiArea_, 1);
    column->addWidget(buildButtonBar());
    setCentralWidget(central);

    // The child keeps its fixed layout; it can be minimised and restored with
    // "&Chart" but not closed on its own.
    subWindow_ = mdiArea_->addSubWindow(child_, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowMinimizeButtonHint);
    subWindow_->setObjectName(QStringLiteral("frmDisplayWindow"));
    subWindow_->setWindowTitle(child_->windowTitle());
    subWindow_->adjustSize();

    // Opens maximised; this is the size it comes back to.
    const QSize childSize = subWindow_->size();
    resize(childSize.width() + 80, childSize.height() + Px(420 + 900 + 645) + menuBar()->sizeHint().height() + 60);
    if (const QScreen* shown = QGuiApplication::primaryScreen())
        setGeometry(shown->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

void MdiFrame::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddEntry(file, "mnuNew", QStringLiteral("&New")), &QAction::triggered, this, &MdiFrame::newRequested);
    file->addSeparator();
    connect(AddEntry(file, "mnuSaveAsText", QStringLiteral("Save &As")), &QAction::triggered, this,
            &MdiFrame::saveRequested);
    connect(AddEntry(file, "mnuSaveAsJpeg", QStringLiteral("Save As &JPEG")), &QAction::triggered, this,
            &MdiFrame::saveJpegRequested);
    file->addSeparator();
    connect(AddEntry(file, "mnuExport", QStringLiteral("&Export Chart As Text")), &QAction::triggered, this,
            &MdiFrame::exportRequested);
    file->addSeparator();
    connect(AddEntry(file, "mnuPrint", QStringLiteral("&Print")), &QAction::triggered, this, &MdiFrame::printRequested);
    file->addSeparator();
    connect(AddEntry(file, "mnuBack", QStringLiteral("&Back")), &QAction::triggered, this, &MdiFrame::backRequested);
    file->addSeparator();
    connect(AddEntry(file, "mnuExit", QStringLiteral("E&xit")), &QAction::triggered, this, &MdiFrame::exitRequested);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    mnuToolBar_ = AddEntry(view, "mnuToolBar", QStringLiteral("&Toolbar"), true, true);
    connect(mnuToolBar_, &QAction::toggled, this, [this](bool on) { tb_->setVisible(on); });
    // The window has no status bar: this entry only moves its own check mark.
    AddEntry(view, "mnuStatusBar", QStringLiteral("&Status Bar"), true, true);
    view->addSeparator();

    QMenu* style = view->addMenu(QStringLiteral("&Chart Style"));
    style->setObjectName(QStringLiteral("mnuChartStyle"));
    auto* styles = new QActionGroup(this);
    styles->setObjectName(QStringLiteral("chartStyleGroup"));
    styles->addAction(AddEntry(style, "mnuNorth", QStringLiteral("&North Indian"), true));
    styles->addAction(AddEntry(style, "mnuSouth", QStringLiteral("&South Indian"), true, true));
    styles->addAction(AddEntry(style, "mnuNatal", QStringLiteral("&Natal Indian"), true));

    // The colour entries carry no action: "O&ff" stays checked whatever is chosen.
    QMenu* colour = view->addMenu(QStringLiteral("Colo&r Style"));
    colour->setObjectName(QStringLiteral("mnuColor"));
    QAction* colourOn = AddEntry(colour, "mnuColorOn", QStringLiteral("O&n"), true, false);
    QAction* colourOff = AddEntry(colour, "mnuColorOff", QStringLiteral("O&ff"), true, true);
    for (QAction* entry : {colourOn, colourOff}) {
        connect(entry, &QAction::triggered, this, [colourOn, colourOff] {
            colourOn->setChecked(false);
            colourOff->setChecked(true);
        });
    }
    view->addSeparator();

    auto* charts = new QActionGroup(this);
    charts->setObjectName(QStringLiteral("chartGroup"));
    mnuChart_ = AddEntry(view, "mnuChart", QStringLiteral("&Chart"), true, true);
    charts->addAction(mnuChart_);
    connect(mnuChart_, &QAction::triggered, this, &MdiFrame::showChart);
    QMenu* divisional = view->addMenu(QStringLiteral("&Divisional Charts"));
    divisional->setObjectName(QStringLiteral("mnuDivisionalCharts"));
    const std::pair<const char*, const char*> entries[] = {
        {"mnuSub_Hora", "&Hora"},         {"mnuSub_Drekkana", "&Drekkana"}, {"mnuSub_Sapthamsa", "&Sapthamsa"},
        {"mnuSub_Navamsa", "&Navamsa"},   {"mnuSub_Dasamsa", "&D&asamsa"},  {"mnuSub_Dwadasamsa", "D&wadasamsa"},
    };
    for (const auto& [name, caption] : entries)
        charts->addAction(AddEntry(divisional, name, QLatin1String(caption), true));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(AddEntry(help, "mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered, this,
            [] { links::OpenWebPage(links::kOnlineHelp); });
    connect(AddEntry(help, "mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered, this,
            [] { links::OpenWebPage(links::kHome); });
    help->addSeparator();
    connect(AddEntry(help, "mnuUpdate", QStringLiteral("Check for Software &Update")), &QAction::triggered, this,
            [] { links::OpenWebPage(links::kUpdate); });
    help->addSeparator();
    connect(AddEntry(help, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered, this,
            [this] { ShowAboutBox(this); });
    connect(AddEntry(help, "mnuDonate", QStringLiteral("&Donate")), &QAction::triggered, this,
            [] { links::OpenWebPage(links::kDonate); });
    connect(AddEntry(help, "mnuMakeMoney", QStringLiteral("Make Money &Online")), &QAction::triggered, this,
            [] { links::OpenWebPage(links::kMakeMoney); });
}

void MdiFrame::buildToolBar()
{
    tb_ = new QToolBar(QStringLiteral("TB"), this);
    tb_->setObjectName(QStringLiteral("TB"));
    tb_->setMovable(false);
    tb_->setFloatable(false);
    tb_->setMinimumHeight(Px(420));
    tb_->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, tb_);

    struct Button {
        const char* key;
        const char* theme;
        QStyle::StandardPixmap fallback;
    };
    const Button buttons[] = {
        {"New", "document-new", QStyle::SP_FileIcon},
        {"Save", "document-save", QStyle::SP_DialogSaveButton},
        {"Print", "document-print", QStyle::SP_CustomBase},
        {"Help", "help-contents", QStyle::SP_MessageBoxQuestion},
    };
    for (const Button& button : buttons) {
        const QString key = QLatin1String(button.key);
        const QIcon fallback = button.fallback == QStyle::SP_CustomBase ? PrinterGlyph() : style()->standardIcon(button.fallback);
        QAction* action = tb_->addAction(QIcon::fromTheme(QLatin1String(button.theme), fallback), key);
        action->setObjectName(key);
        action->setToolTip(key);
    }
    connect(tb_->actions().at(0), &QAction::triggered, this, &MdiFrame::newRequested);
    connect(tb_->actions().at(1), &QAction::triggered, this, &MdiFrame::saveRequested);
    connect(tb_->actions().at(2), &QAction::triggered, this, &MdiFrame::printRequested);
    connect(tb_->actions().at(3), &QAction::triggered, this, [] { links::OpenWebPage(links::kOnlineHelp); });
}

QWidget* MdiFrame::buildHeading()
{
    picTop_ = MakeBand("picTop", 900, this);
    lblHeading_ = new QLabel(QStringLiteral("Varelio"), picTop_);
    lblHeading_->setObjectName(QStringLiteral("lblHeading"));
    lblHeading_->setAttribute(Qt::WA_TranslucentBackground);
    QFont heading(QStringLiteral("Verdana"));
    heading.setStyleHint(QFont::SansSerif);
    heading.setBold(true);
    heading.setPixelSize(Px(435) - 5);
    lblHeading_->setFont(heading);
    QPalette colours = lblHeading_->palette();
    colours.setColor(QPalette::WindowText, QColor(255, 128, 0));
    lblHeading_->setPalette(colours);
    lblHeading_->adjustSize();
    lblHeading_->setFixedHeight(Px(435));
    lblHeading_->move(0, (Px(900) - Px(435)) / 2);
    return picTop_;
}

QWidget* MdiFrame::buildButtonBar()
{
    picture1_ = MakeBand("Picture1", 645, this);
    auto make = [this](const char* name, const QString& caption, int widthTwips) {
        auto* button = new QPushButton(caption, picture1_);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(0, Px(120), Px(widthTwips), Px(400));
        return button;
    };
    cmdSaveAsJpeg_ = make("cmdSaveAsJPEG", QStringLiteral("Save As &JPEG"), 1575);
    cmdBack_ = make("cmdBack", QStringLiteral("&Back"), 1095);
    cmdExit_ = make("cmdExit", QStringLiteral("E&xit"), 1095);
    connect(cmdSaveAsJpeg_, &QPushButton::clicked, this, &MdiFrame::saveJpegRequested);
    connect(cmdBack_, &QPushButton::clicked, this, &MdiFrame::backRequested);
    connect(cmdExit_, &QPushButton::clicked, this, &MdiFrame::exitRequested);
    return picture1_;
}

void MdiFrame::placeButtons()
{
    // Right-aligned: 300 twips to the right edge, 100 between the buttons.
    const int width = picture1_->width();
    cmdExit_->move(width - cmdExit_->width() - Px(300), cmdExit_->y());
    cmdBack_->move(cmdExit_->x() - cmdBack_->width() - Px(100), cmdBack_->y());
    cmdSaveAsJpeg_->move(cmdBack_->x() - cmdSaveAsJpeg_->width() - Px(100), cmdSaveAsJpeg_->y());
    lblHeading_->move((picTop_->width() - lblHeading_->width()) / 2, lblHeading_->y());
}

void MdiFrame::placeReadingChild()
{
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const int areaWidth = mdiArea_->viewport()->width();
    const int screenWidth = shown ? shown->geometry().width() : areaWidth;
    // Centred on the screen's width, which is the area's width while the
    // frame is maximised; a narrower frame centres it in what it has.
    const int left = std::max(0, (std::min(screenWidth, areaWidth) - subWindow_->width()) / 2);
    subWindow_->move(left, 0);
}

void MdiFrame::showChart()
{
    subWindow_->showNormal();
    mdiArea_->setActiveSubWindow(subWindow_);
    mnuChart_->setChecked(true);
}

void MdiFrame::closeForReturn()
{
    returning_ = true;
    close();
}

void MdiFrame::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!returning_)
        emit exitRequested();
}

void MdiFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The bands take their width from the layout; place after it has run.
    centralWidget()->layout()->activate();
    placeButtons();
}

void MdiFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        placeReadingChild();
}

void MdiFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    centralWidget()->layout()->activate();
    placeButtons();
    placeReadingChild();
}

}  // namespace varelio::app
