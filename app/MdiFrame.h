// The reading frame window: menus with their check marks, the toolbar, the
// heading band, the bottom button bar and one MDI area that holds the reading
// child. The file commands and Back/New/Exit are emitted as signals for the
// application object to carry out.
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QToolBar;

namespace varelio::app {

class FrmDisplay;

class MdiFrame final : public QMainWindow {
    Q_OBJECT
public:
    // Takes ownership of the reading child.
    explicit MdiFrame(FrmDisplay* child, QWidget* parent = nullptr);

    FrmDisplay& readingChild() { return *child_; }
    QMdiSubWindow* childWindow() const { return subWindow_; }
    // Closes the frame for Back or New, without ending the program.
    void closeForReturn();
    // Puts the child at the top, centred on the screen's width.
    void placeReadingChild();

signals:
    void newRequested();
    void saveRequested();
    void saveJpegRequested();
    void exportRequested();
    void printRequested();
    void backRequested();
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    QWidget* buildHeading();
    QWidget* buildButtonBar();
    void placeButtons();
    void showChart();

    FrmDisplay* child_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    QMdiSubWindow* subWindow_ = nullptr;
    QToolBar* tb_ = nullptr;
    QWidget* picTop_ = nullptr;
    QLabel* lblHeading_ = nullptr;
    QWidget* picture1_ = nullptr;
    QPushButton* cmdSaveAsJpeg_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QAction* mnuToolBar_ = nullptr;
    QAction* mnuChart_ = nullptr;
    bool returning_ = false;
};

}  // namespace varelio::app
