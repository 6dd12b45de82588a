// The input window: birth details, place and time zone, the look-up button,
// and the commands that start a reading. It lives for the whole run and is
// only hidden while a reading is shown. It opens with the focus in the name;
// its text fields take only letters or only digits (app/CheckedField.h).
#pragma once

#include "app/Dialogs.h"
#include "form/Form.h"

#include <QMainWindow>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace varelio::app {

class InputWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit InputWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    FormValues formValues() const;
    void setFormValues(const FormValues& form);
    // After a refused check: focus to a field, or select North or East.
    void focusField(FormField field);
    int timeZoneIndex() const;

signals:
    void calculateRequested();
    void openRequested();
    void closed();

protected:
    // Return or Enter in any field runs the calculation.
    void keyPressEvent(QKeyEvent* event) override;
    // Kept within the screen; the form scrolls when the screen is smaller.
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildBirthGroup();
    QWidget* buildPlaceGroup();
    QWidget* buildPromoBand();
    void findPlace();

    Dialogs& dialogs_;
    QLineEdit* nameField_ = nullptr;
    QComboBox* monthList_ = nullptr;
    QComboBox* dayList_ = nullptr;
    QComboBox* yearList_ = nullptr;
    QComboBox* hourList_ = nullptr;
    QComboBox* minuteList_ = nullptr;
    QComboBox* zoneList_ = nullptr;
    QCheckBox* daylightSavingBox_ = nullptr;
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
};

}  // namespace varelio::app
