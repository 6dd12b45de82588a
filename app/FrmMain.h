// The input window: birth details, place and time zone, the look-up button,
// and the commands that start a reading. It lives for the whole run and is
// only hidden while a reading is shown.
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

class FrmMain final : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(Dialogs& dialogs, QWidget* parent = nullptr);

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
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildBirthGroup();
    QWidget* buildPlaceGroup();
    QWidget* buildPromoBand();
    void findPlace();

    Dialogs& dialogs_;
    QLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHour_ = nullptr;
    QComboBox* cboMinute_ = nullptr;
    QComboBox* cboTimeZone_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    QLineEdit* txtLatDeg_ = nullptr;
    QLineEdit* txtLatMin_ = nullptr;
    QLineEdit* txtLonDeg_ = nullptr;
    QLineEdit* txtLonMin_ = nullptr;
    QRadioButton* optLatNorth_ = nullptr;
    QRadioButton* optLatSouth_ = nullptr;
    QRadioButton* optLongEast_ = nullptr;
    QRadioButton* optLongWest_ = nullptr;
    QButtonGroup* optLat_ = nullptr;
    QButtonGroup* optLong_ = nullptr;
    QLineEdit* txtCity_ = nullptr;
    QLineEdit* txtState_ = nullptr;
    QLineEdit* txtCountry_ = nullptr;
    QPushButton* cmdCalculate_ = nullptr;
    QPushButton* cmdOpen_ = nullptr;
    QPushButton* command1_ = nullptr;
};

}  // namespace varelio::app
