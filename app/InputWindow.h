// The input window: birth details, place and time zone, the look-up button,
// and the commands that start a reading. It lives for the whole run and is
// only hidden while a reading is shown. It opens with the focus in the name;
// its text fields take only letters or only digits (app/CheckedField.h).
// Typing in City offers the places of the place finder; a place picked fills
// the place fields and chooses the time-zone row, DST box and exact offset for
// the date and time, and chooses them again when those change, for as long as
// the place, zone, DST and offset fields still hold what was entered. Once one
// is changed by hand the note stays and says that the zone no longer follows
// the date. Once the city typed no longer names the place picked, the place's
// other fields (state, country, coordinates, exact offset) are emptied and the
// note says so in red; the city typed back before anything else is entered
// brings them back, anything else entered gives the place up.
// Choosing a zone row or ticking the DST box by hand empties the exact offset,
// which would otherwise be used instead of them.
#pragma once

#include "app/Dialogs.h"
#include "form/Form.h"
#include "form/ZoneChoice.h"
#include "places/PlaceFinder.h"

#include <QMainWindow>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace varelio::app {

class PlaceCompletion;

class InputWindow final : public QMainWindow {
    Q_OBJECT
public:
    InputWindow(Dialogs& dialogs, PlaceFinder& finder, QWidget* parent = nullptr);

    FormValues formValues() const;
    // Lets go of a place picked from the completions.
    void setFormValues(const FormValues& form);
    // New: the form as the window first opened, the focus in the name.
    void clearForm();
    // A refused check's message (naming openedFile, the reading file that
    // filled the form, if one did), then the focus to the field it names, or
    // North or East selected.
    void showProblem(const Problem& problem, const QString& openedFile = {});
    int timeZoneIndex() const;
    // The place finder's note on the offset the form now holds, while the
    // zone row and DST box are still the ones it chose (the exact offset may
    // have been emptied since, when the row approximates it); else no note.
    ZoneNote placeNote() const;

    // What the window holds, the place picked and its note among it, so that
    // it can be lent (a birth entered for the match) and then put back as it
    // was, the note still following the place.
    struct Contents {
        FormValues form;
        std::optional<Place> place;
        FormValues placeFields;
        ZoneNote placeNote;
    };
    Contents contents() const;
    void restoreContents(const Contents& contents);

signals:
    void calculateRequested();
    void openRequested();
    void matchRequested();
    // "&Exit" (Ctrl+Q): the program should end.
    void exitRequested();
    void closed();

protected:
    // Return or Enter in any field runs the calculation.
    void keyPressEvent(QKeyEvent* event) override;
    // Kept within the screen; the form scrolls when the screen is smaller.
    void showEvent(QShowEvent* event) override;
    // The place finder starts loading after the first paint.
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildBirthGroup();
    QWidget* buildPlaceGroup();
    QWidget* buildPromoBand();
    void findPlace();
    // The place finder's part: enter a picked place, enter its zone again for
    // a new date or time, let go once a place field is changed by other hands.
    void enterPlace(const Place& place);
    void dateOrTimeChanged();
    void cityChanged();
    void placeFieldChanged();
    // State, country, coordinates and exact offset all empty, as a city typed
    // over the place leaves them.
    bool placeFieldsCleared() const;
    bool fieldsHoldEnteredPlace() const;
    // Whether the city field still names the place picked, in English or by
    // the other name it was found by.
    bool cityNamesEnteredPlace() const;
    void letGoOfPlace();
    // The note for the fields as they now are.
    void updatePlaceNote();
    // A zone row chosen or the DST box clicked by hand.
    void zoneChosenByHand();
    // City to DST: the fields a place fills.
    void fillPlaceFields(const FormValues& form);
    void showNote(const QString& text, bool warning);
    void focusField(FormField field);

    Dialogs& dialogs_;
    QLineEdit* nameField_ = nullptr;
    QComboBox* monthList_ = nullptr;
    QComboBox* dayList_ = nullptr;
    QComboBox* yearList_ = nullptr;
    QComboBox* hourList_ = nullptr;
    QComboBox* minuteList_ = nullptr;
    QComboBox* zoneList_ = nullptr;
    QCheckBox* daylightSavingBox_ = nullptr;
    QLineEdit* utcOffsetField_ = nullptr;
    QLineEdit* latDegreesField_ = nullptr;
    QLineEdit* latMinutesField_ = nullptr;
    QLineEdit* lonDegreesField_ = nullptr;
    QLineEdit* lonMinutesField_ = nullptr;
    QRadioButton* northOption_ = nullptr;
    QRadioButton* southOption_ = nullptr;
    QRadioButton* eastOption_ = nullptr;
    QRadioButton* westOption_ = nullptr;
    QButtonGroup* latDirectionGroup_ = nullptr;
    QButtonGroup* lonDirectionGroup_ = nullptr;
    QLineEdit* cityField_ = nullptr;
    QLineEdit* stateField_ = nullptr;
    QLineEdit* countryField_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* findPlaceButton_ = nullptr;
    QLabel* zoneNote_ = nullptr;
    QLabel* promoBand_ = nullptr;
    QPushButton* matchButton_ = nullptr;
    PlaceFinder& finder_;
    PlaceCompletion* placeCompletion_ = nullptr;
    std::optional<Place> enteredPlace_;
    FormValues enteredFields_;  // the form as the place's entry left it
    ZoneNote enteredNote_;      // what the entry chose and why
    bool filling_ = false;      // the window itself is setting fields
    bool loadingStarted_ = false;
};

}  // namespace varelio::app
