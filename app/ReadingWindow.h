// The reading window: menus with their check marks, the toolbar, the heading
// band, the bottom button band, one MDI area that holds the reading view and
// the status bar. The file commands and Back/New/Exit are emitted as signals
// for the application object to carry out; the Help entries open the guide.
#pragma once

#include <QMainWindow>

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QToolBar;

namespace varelio::app {

class ReadingView;

class ReadingWindow final : public QMainWindow {
    Q_OBJECT
public:
    // Takes ownership of the reading view.
    explicit ReadingWindow(ReadingView* view, QWidget* parent = nullptr);

    ReadingView& readingView() { return *view_; }
    // The MDI subwindow around the reading view.
    QMdiSubWindow* viewWindow() const { return viewWindow_; }
    // Closes the window for Back or New, without ending the program.
    void closeForReturn();
    // Puts the reading view at the top, centred on the screen's width; when
    // the area is narrower than the view, at its top left corner, scrolled to
    // the start.
    void placeReadingView();
    // "Saved <path>" in the status bar; an empty path (nothing saved) changes nothing.
    void showSaved(const QString& path);

signals:
    void newRequested();
    void saveRequested();
    void saveJpegRequested();
    void savePdfRequested();
    void exportRequested();
    void printRequested();
    void backRequested();
    void exitRequested();
    // Help's "About Software".
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The commands that both a menu and the toolbar offer.
    struct SharedCommands {
        QAction* newReading;
        QAction* save;
        QAction* print;
        QAction* onlineHelp;
    };

    void buildToolBar();
    SharedCommands buildMenus();
    void fillToolBar(const SharedCommands& commands);
    QWidget* buildHeadingBand();
    QWidget* buildButtonBand();
    void showChart();
    // Checks the View menu's entries of the view's chart choice and makes
    // each entry change the choice, drawn at once and stored for the next reading.
    void wireChartEntries(QActionGroup& styles, QActionGroup& colours, QActionGroup& charts);

    ReadingView* view_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    QMdiSubWindow* viewWindow_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* chartAction_ = nullptr;
    QLabel* savedLabel_ = nullptr;
    bool returning_ = false;
};

}  // namespace varelio::app
