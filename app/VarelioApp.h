// The application object: owns the one Reading (birth data, chart state and
// summary), the input window and the current reading frame, runs the
// calculation driver and carries out the window lifetime rules.
#pragma once

#include "app/Dialogs.h"
#include "reading/Reading.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

namespace varelio::app {

class FrmMain;
class MdiFrame;

class VarelioApp final : public QObject {
    Q_OBJECT
public:
    explicit VarelioApp(Dialogs& dialogs, QObject* parent = nullptr);
    ~VarelioApp() override;

    // Shows the input window.
    void start();

    // Validate, copy, compute, fill a fresh reading window, show it and hide
    // the input window. A refused form changes nothing but the focus or
    // option the check names. Returns whether a reading window was shown.
    bool CalculateReading();

    void Back();
    void New();
    void Exit();

    FrmMain& inputWindow() { return *frmMain_; }
    MdiFrame* readingFrame() const;
    const Reading& reading() const { return reading_; }
    const QString& lastSavedFileName() const { return lastSavedFileName_; }

signals:
    // The program should end (Exit, the frame's close box, or the input
    // window closed while no reading is shown).
    void finished();

private:
    void openSavedReading();
    void inputWindowClosed();
    void wireFrame(MdiFrame& frame);
    void closeFrameForReturn();

    Dialogs& dialogs_;
    Reading reading_;
    QString lastSavedFileName_;
    QString lastJpegName_;
    std::unique_ptr<FrmMain> frmMain_;
    QPointer<MdiFrame> frame_;
    bool exiting_ = false;
};

}  // namespace varelio::app
