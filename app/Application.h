// The application object: owns the one Reading (birth data, chart state and
// summary), the place finder, the input window, the current reading window
// and the match window, runs the calculation and carries out the windows'
// lifetime rules.
#pragma once

#include "app/Dialogs.h"
#include "app/InputWindow.h"
#include "matching/ManglikMatch.h"
#include "places/PlaceFinder.h"
#include "reading/Reading.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace varelio::app {

class MatchWindow;
class ReadingWindow;

class Application final : public QObject {
    Q_OBJECT
public:
    explicit Application(Dialogs& dialogs, QObject* parent = nullptr);
    // With a place finder of the caller's, which must outlive the object.
    Application(Dialogs& dialogs, PlaceFinder& finder, QObject* parent = nullptr);
    ~Application() override;

    // Shows the input window; given a reading file, fills the window from it
    // and shows its reading as "Open Previously Saved Reading" does (a file
    // that cannot be opened gets that command's message and the input window
    // stays).
    void start(const QString& readingFile = {});

    // A reading file handed over by a later start ("varelio FILE.vrl" while
    // this copy runs): opened as "Open Previously Saved Reading" opens it, and
    // the window that then shows comes to the front.
    void openHandedFile(const QString& path);
    // A later start without a file: the reading window, or else the input
    // window, comes to the front.
    void bringToFront();

    // Computes the reading from the input window's form (ComputeReadingFromForm),
    // shows it in a fresh reading window and hides the input window. A refused
    // form gets its message, naming openedFile when a reading file filled the
    // form, and changes nothing but the focus or option the check names.
    // Returns whether a reading window was shown.
    bool calculateReading(const QString& openedFile = {});

    // "&Match Two Readings...": shows the one match window (made on first
    // use, and again after it closed, with the pair chosen last), whose
    // "Current Reading" takes the reading computed last.
    void showMatchWindow();
    MatchWindow* matchWindow() const;
    // The bride's and the groom's readings chosen last in the match window,
    // kept while the program runs.
    const std::optional<Reading>& matchReading(MatchSide side) const { return matchPair_[SideIndex(side)]; }

    // Back: the reading window closes, then the input window shows.
    void back();
    // New: the input window shows with an empty form, then the reading
    // window closes.
    void newReading();
    // Exit: both windows close and finished() is emitted, once.
    void exit();

    InputWindow& inputWindow() { return *inputWindow_; }
    ReadingWindow* readingWindow() const;
    const Reading& reading() const { return reading_; }
    const QString& lastSavedFileName() const { return lastSavedFileName_; }

signals:
    // The program should end (Exit, the reading window's close box, or the
    // input window closed while no reading is shown).
    void finished();

private:
    Application(Dialogs& dialogs, std::unique_ptr<PlaceFinder> ownFinder, PlaceFinder* finder, QObject* parent);
    // The input window's "Get My Manglik Reading" (and its Open, once the
    // file has filled the form): a reading of its own, or while a side of the
    // match waits for a birth, that side's reading.
    void calculateRequested(const QString& openedFile = {});
    // A side of the match takes the birth entered next in the input window,
    // shown for it; afterwards the input window is as it was (its form, its
    // title, hidden or shown).
    void enterBirthForMatch(MatchSide side);
    void deliverBirthForMatch(const QString& openedFile);
    void endMatchEntry();
    void openSavedReading();
    void openReadingAt(const QString& path);
    void inputWindowClosed();
    void wireReadingWindow(ReadingWindow& window);
    void closeReadingWindow();

    Dialogs& dialogs_;
    std::unique_ptr<PlaceFinder> ownFinder_;  // null when the caller's is used
    PlaceFinder& finder_;
    Reading reading_;
    // Shared by the reading file, the text export, the picture and the PDF for the whole run.
    QString lastSavedFileName_;
    std::unique_ptr<InputWindow> inputWindow_;
    QPointer<ReadingWindow> readingWindow_;
    QPointer<MatchWindow> matchWindow_;
    // The pair the match window showed last, bride first: a closed window forgets nothing.
    std::array<std::optional<Reading>, 2> matchPair_;
    bool readingComputed_ = false;
    // The input window as it was when a side of the match asked for a birth.
    struct MatchEntry {
        MatchSide side = MatchSide::Bride;
        bool inputWasVisible = false;
        InputWindow::Contents contents;
        QString title;
    };
    std::optional<MatchEntry> matchEntry_;
    bool exiting_ = false;
};

}  // namespace varelio::app
