#include "app/Application.h"

#include "app/AboutBox.h"
#include "app/ChartChoice.h"
#include "app/FileCommands.h"
#include "app/HelpWindow.h"
#include "app/InputWindow.h"
#include "app/MatchWindow.h"
#include "app/PictureExport.h"
#include "app/Printing.h"
#include "app/ReadingView.h"
#include "app/ReadingWindow.h"
#include "app/WebLinks.h"
#include "form/Form.h"

#include <utility>

namespace varelio::app {

Application::Application(Dialogs& dialogs, QObject* parent)
    : Application(dialogs, std::make_unique<PlaceFinder>(), nullptr, parent)
{
}

Application::Application(Dialogs& dialogs, PlaceFinder& finder, QObject* parent)
    : Application(dialogs, nullptr, &finder, parent)
{
}

Application::Application(Dialogs& dialogs, std::unique_ptr<PlaceFinder> ownFinder, PlaceFinder* finder,
                         QObject* parent)
    : QObject(parent),
      dialogs_(dialogs),
      ownFinder_(std::move(ownFinder)),
      finder_(finder ? *finder : *ownFinder_),
      inputWindow_(std::make_unique<InputWindow>(dialogs, finder_))
{
    connect(inputWindow_.get(), &InputWindow::calculateRequested, this, [this] { calculateRequested(); });
    connect(inputWindow_.get(), &InputWindow::openRequested, this, &Application::openSavedReading);
    connect(inputWindow_.get(), &InputWindow::matchRequested, this, &Application::showMatchWindow);
    connect(inputWindow_.get(), &InputWindow::closed, this, &Application::inputWindowClosed);
    connect(inputWindow_.get(), &InputWindow::exitRequested, this, &Application::exit);
    // A web page that cannot be opened is reported through these dialogs.
    links::SetMessageDialogs(&dialogs_);
}

Application::~Application()
{
    exiting_ = true;
    delete matchWindow_.data();
    delete readingWindow_.data();
    HelpWindow::destroy();
    if (links::MessageDialogs() == &dialogs_)
        links::SetMessageDialogs(nullptr);
}

ReadingWindow* Application::readingWindow() const
{
    return readingWindow_.data();
}

void Application::start(const QString& readingFile)
{
    inputWindow_->show();
    if (!readingFile.isEmpty())
        openReadingAt(readingFile);
}

void Application::openHandedFile(const QString& path)
{
    // A file handed over is a reading of its own: a birth the match asked for
    // is given up, and the input window is as it was before.
    endMatchEntry();
    openReadingAt(path);
    bringToFront();
}

void Application::bringToFront()
{
    QWidget* shown = readingWindow_ ? static_cast<QWidget*>(readingWindow_.data()) : inputWindow_.get();
    shown->show();
    shown->raise();
    shown->activateWindow();
}

bool Application::calculateReading(const QString& openedFile)
{
    const Result<void> computed = ComputeReadingFromForm(inputWindow_->formValues(), JpegWriterAvailable(), reading_);
    if (!computed) {
        inputWindow_->showProblem(computed.problem(), openedFile);
        return false;
    }

    // Each calculation gets a fresh window, so personal details and check
    // marks always start from this reading.
    ReadingWindow* previous = readingWindow_;
    readingWindow_ = new ReadingWindow(new ReadingView(reading_, inputWindow_->placeNote(), StoredChartChoice()));
    readingWindow_->setAttribute(Qt::WA_DeleteOnClose);
    wireReadingWindow(*readingWindow_);
    if (previous)
        previous->closeForReturn();
    readingWindow_->show();
    inputWindow_->hide();
    readingComputed_ = true;
    if (matchWindow_)
        matchWindow_->setCurrentReadingAvailable(true);
    return true;
}

void Application::calculateRequested(const QString& openedFile)
{
    if (matchEntry_ && matchWindow_)
        deliverBirthForMatch(openedFile);
    else
        calculateReading(openedFile);
}

MatchWindow* Application::matchWindow() const
{
    return matchWindow_.data();
}

void Application::showMatchWindow()
{
    if (!matchWindow_) {
        matchWindow_ = new MatchWindow(dialogs_);
        matchWindow_->setAttribute(Qt::WA_DeleteOnClose);
        matchWindow_->setCurrentReadingAvailable(readingComputed_);
        connect(matchWindow_, &MatchWindow::currentReadingRequested, this,
                [this](MatchSide side) { matchWindow_->setReading(side, reading_); });
        connect(matchWindow_, &MatchWindow::birthEntryRequested, this, &Application::enterBirthForMatch);
        // The pair chosen last comes back when the window opens again.
        for (const MatchSide side : kMatchSides) {
            if (const std::optional<Reading>& kept = matchPair_[SideIndex(side)])
                matchWindow_->setReading(side, *kept);
        }
        connect(matchWindow_, &MatchWindow::readingChosen, this, [this](MatchSide side) {
            matchPair_[SideIndex(side)] = matchWindow_->reading(side);
        });
        // A birth asked for a closed match has nowhere to go.
        connect(matchWindow_, &QObject::destroyed, this, [this] {
            if (!exiting_)
                endMatchEntry();
        });
    }
    matchWindow_->show();
    matchWindow_->raise();
    matchWindow_->activateWindow();
}

void Application::enterBirthForMatch(MatchSide side)
{
    if (!matchEntry_) {
        matchEntry_ = MatchEntry{side, inputWindow_->isVisible(), inputWindow_->contents(),
                                 inputWindow_->windowTitle()};
    }
    matchEntry_->side = side;
    inputWindow_->setWindowTitle(side == MatchSide::Bride
                                     ? tr("%1: the bride's birth, for the match").arg(matchEntry_->title)
                                     : tr("%1: the groom's birth, for the match").arg(matchEntry_->title));
    inputWindow_->show();
    inputWindow_->raise();
    inputWindow_->activateWindow();
}

void Application::deliverBirthForMatch(const QString& openedFile)
{
    // The match writes no picture, so the JPEG writer does not matter.
    Reading entered;
    const Result<void> computed = ComputeReadingFromForm(inputWindow_->formValues(), true, entered);
    if (!computed) {
        inputWindow_->showProblem(computed.problem(), openedFile);
        return;
    }
    const MatchSide side = matchEntry_->side;
    endMatchEntry();
    matchWindow_->setReading(side, entered);
    matchWindow_->raise();
    matchWindow_->activateWindow();
}

void Application::endMatchEntry()
{
    if (!matchEntry_)
        return;
    const MatchEntry entry = *std::exchange(matchEntry_, std::nullopt);
    inputWindow_->restoreContents(entry.contents);
    inputWindow_->setWindowTitle(entry.title);
    if (!entry.inputWasVisible)
        inputWindow_->hide();
}

void Application::wireReadingWindow(ReadingWindow& window)
{
    connect(&window, &ReadingWindow::newRequested, this, &Application::newReading);
    connect(&window, &ReadingWindow::backRequested, this, &Application::back);
    connect(&window, &ReadingWindow::exitRequested, this, &Application::exit);
    connect(&window, &ReadingWindow::matchRequested, this, &Application::showMatchWindow);
    connect(&window, &ReadingWindow::aboutRequested, this, [this, &window] { ShowAboutBox(&window, finder_.state()); });
    // Each save says in the window's status bar where the file went.
    connect(&window, &ReadingWindow::saveRequested, this, [this, &window] {
        if (SaveReading(&window, dialogs_, reading_, inputWindow_->timeZoneIndex(), lastSavedFileName_))
            window.showSaved(lastSavedFileName_);
    });
    connect(&window, &ReadingWindow::exportRequested, this, [this, &window] {
        if (ExportChartAsText(&window, dialogs_, reading_, lastSavedFileName_))
            window.showSaved(lastSavedFileName_);
    });
    connect(&window, &ReadingWindow::saveJpegRequested, this, [this, &window] {
        window.showSaved(SaveAsJpeg(&window, dialogs_, window.readingView(), lastSavedFileName_));
    });
    connect(&window, &ReadingWindow::savePdfRequested, this, [this, &window] {
        window.showSaved(SaveAsPdf(&window, dialogs_, window.readingView(), lastSavedFileName_));
    });
    connect(&window, &ReadingWindow::printRequested, this,
            [this, &window] { PrintReading(&window, dialogs_, window.readingView()); });
}

void Application::closeReadingWindow()
{
    if (ReadingWindow* window = readingWindow_) {
        readingWindow_ = nullptr;
        window->closeForReturn();
    }
}

void Application::back()
{
    closeReadingWindow();
    inputWindow_->show();
}

void Application::newReading()
{
    // A new reading of its own: a birth the match asked for is given up, and
    // the form starts empty.
    endMatchEntry();
    inputWindow_->clearForm();
    inputWindow_->show();
    closeReadingWindow();
}

void Application::exit()
{
    if (exiting_)
        return;
    exiting_ = true;
    if (matchWindow_)
        matchWindow_->close();
    closeReadingWindow();
    inputWindow_->close();
    if (HelpWindow* help = HelpWindow::current())
        help->close();
    emit finished();
}

void Application::inputWindowClosed()
{
    // Closing the input window gives up a birth asked for by the match.
    if (!exiting_ && matchEntry_) {
        const bool wasVisible = matchEntry_->inputWasVisible;
        endMatchEntry();
        if (!wasVisible)
            return;
    }
    if (!exiting_ && !readingWindow_)
        exit();
}

void Application::openSavedReading()
{
    FormValues form = inputWindow_->formValues();
    QString path;
    if (!OpenSavedReading(inputWindow_.get(), dialogs_, form, &path))
        return;
    inputWindow_->setFormValues(form);
    // While the input window is lent to the match, the file is that side's birth.
    calculateRequested(path);
}

void Application::openReadingAt(const QString& path)
{
    FormValues form = inputWindow_->formValues();
    if (!OpenReadingAt(inputWindow_.get(), dialogs_, path, form))
        return;
    inputWindow_->setFormValues(form);
    calculateReading(path);
}

}  // namespace varelio::app
