#include "app/VarelioApp.h"

#include "app/FileCommands.h"
#include "app/FrmDisplay.h"
#include "app/FrmMain.h"
#include "app/MdiFrame.h"
#include "app/RasiChart.h"
#include "app/SaveForm.h"
#include "form/Form.h"

namespace varelio::app {

VarelioApp::VarelioApp(Dialogs& dialogs, QObject* parent)
    : QObject(parent), dialogs_(dialogs), frmMain_(std::make_unique<FrmMain>(dialogs))
{
    connect(frmMain_.get(), &FrmMain::calculateRequested, this, &VarelioApp::CalculateReading);
    connect(frmMain_.get(), &FrmMain::openRequested, this, &VarelioApp::openSavedReading);
    connect(frmMain_.get(), &FrmMain::closed, this, &VarelioApp::inputWindowClosed);
}

VarelioApp::~VarelioApp()
{
    exiting_ = true;
    delete frame_.data();
}

MdiFrame* VarelioApp::readingFrame() const
{
    return frame_.data();
}

void VarelioApp::start()
{
    frmMain_->show();
}

bool VarelioApp::CalculateReading()
{
    const FormValues form = frmMain_->formValues();
    if (const auto failure = ValidateForm(form, JpegWriterAvailable())) {
        dialogs_.message(frmMain_.get(), QString::fromStdString(failure->message), IconFor(failure->severity));
        frmMain_->focusField(failure->focus);
        return false;
    }

    CopyFormToBirthData(form, reading_.birthData);
    ComputeReading(reading_);

    // Each calculation gets a fresh window, so personal details and check
    // marks always start from this reading.
    auto* display = new FrmDisplay(reading_.birthData);
    display->fillVedicDetails(reading_.summary);
    display->fillPositions(reading_.chartState);
    display->rasiChart().setCells(reading_.chartCells);
    display->fillVerdicts(reading_.manglikCaptions);

    MdiFrame* previous = frame_;
    frame_ = new MdiFrame(display);
    // The picture dialog remembers its name only while its reading window is open.
    lastJpegName_.clear();
    frame_->setAttribute(Qt::WA_DeleteOnClose);
    wireFrame(*frame_);
    if (previous)
        previous->closeForReturn();
    frame_->show();
    frmMain_->hide();
    return true;
}

void VarelioApp::wireFrame(MdiFrame& frame)
{
    connect(&frame, &MdiFrame::newRequested, this, &VarelioApp::New);
    connect(&frame, &MdiFrame::backRequested, this, &VarelioApp::Back);
    connect(&frame, &MdiFrame::exitRequested, this, &VarelioApp::Exit);
    connect(&frame, &MdiFrame::saveRequested, this, [this, &frame] {
        SaveReading(&frame, dialogs_, reading_, frmMain_->timeZoneIndex(), lastSavedFileName_);
    });
    connect(&frame, &MdiFrame::exportRequested, this,
            [this, &frame] { ExportChartAsText(&frame, dialogs_, reading_, lastSavedFileName_); });
    connect(&frame, &MdiFrame::saveJpegRequested, this,
            [this, &frame] { SaveAsJpeg(&frame, dialogs_, frame.readingChild(), lastJpegName_); });
    connect(&frame, &MdiFrame::printRequested, this,
            [this, &frame] { PrintReading(&frame, dialogs_, frame.readingChild()); });
}

void VarelioApp::closeFrameForReturn()
{
    if (MdiFrame* frame = frame_) {
        frame_ = nullptr;
        frame->closeForReturn();
    }
}

void VarelioApp::Back()
{
    closeFrameForReturn();
    frmMain_->show();
}

void VarelioApp::New()
{
    frmMain_->show();
    closeFrameForReturn();
}

void VarelioApp::Exit()
{
    if (exiting_)
        return;
    exiting_ = true;
    closeFrameForReturn();
    frmMain_->close();
    emit finished();
}

void VarelioApp::inputWindowClosed()
{
    if (!exiting_ && !frame_)
        Exit();
}

void VarelioApp::openSavedReading()
{
    FormValues form = frmMain_->formValues();
    if (!OpenSavedReading(frmMain_.get(), dialogs_, form))
        return;
    frmMain_->setFormValues(form);
    CalculateReading();
}

}  // namespace varelio::app
