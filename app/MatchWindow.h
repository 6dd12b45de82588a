// The match window: two readings, the bride's and the groom's, set side by
// side. Each side takes the current reading, a saved reading (*.vrl) or a
// birth entered in the input window (the application answers those two
// requests); the window computes the match (matching/) and shows it on a
// page, MatchSheet, which is also what Save As PDF and Print put on paper
// and which Export As Text writes as words/MatchText. A match is no
// reading: nothing of the reading file changes. Escape closes the window.
#pragma once

#include "app/Dialogs.h"
#include "matching/Match.h"
#include "reading/Reading.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QScrollArea;

namespace varelio::app {

// The match as one page: its conclusion, both sides, the Manglik comparison,
// the kootas with their reasons, the total and its band, the doshas; the
// terms a family cannot know are explained in tooltips. Laid out at a fixed
// width on white, as tall as its lines; drawn on screen, into a PDF and on a
// printer by the same widgets (app/Printing.h).
class MatchSheet final : public QWidget {
    Q_OBJECT
public:
    explicit MatchSheet(QWidget* parent = nullptr);
    // Lays the page out anew for the sides chosen so far; match is given when both are.
    void fill(const std::optional<Reading>& bride, const std::optional<Reading>& groom,
              const std::optional<Match>& match);

private:
    QWidget* content_ = nullptr;
};

class MatchWindow final : public QDialog {
    Q_OBJECT
public:
    explicit MatchWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    // A side's computed reading; the match is made once both sides have one.
    void setReading(MatchSide side, const Reading& reading);
    const std::optional<Reading>& reading(MatchSide side) const { return readings_[SideIndex(side)]; }
    const std::optional<Match>& match() const { return match_; }
    // Whether "Current Reading" has a reading to take.
    void setCurrentReadingAvailable(bool available);
    MatchSheet& sheet() { return *sheet_; }

signals:
    void currentReadingRequested(MatchSide side);
    void birthEntryRequested(MatchSide side);
    // A side took a reading (setReading); the application keeps the pair.
    void readingChosen(MatchSide side);

protected:
    // Kept within the screen with room for the window's frame, its buttons
    // reachable on a 1024 x 768 screen; the page scrolls when the screen is
    // smaller.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildSide(MatchSide side);
    void openSavedReading(MatchSide side);
    void exportText();
    void savePdf();
    void print();
    void showSaved(const QString& path);
    void fitToScreen();

    Dialogs& dialogs_;
    std::array<std::optional<Reading>, 2> readings_;
    std::optional<Match> match_;
    std::array<QPushButton*, 2> currentButtons_{};
    MatchSheet* sheet_ = nullptr;
    QScrollArea* sheetArea_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* pdfButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QLabel* savedLabel_ = nullptr;
    // Shared by the match's text file and PDF, apart from the reading's.
    QString lastSavedFileName_;
    bool framedFit_ = false;  // fitted again once the frame was known
};

}  // namespace varelio::app
