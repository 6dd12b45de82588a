// The input window's text fields that take only certain characters. Letter
// fields take the blank, the apostrophe (' and ’), the hyphen, the dot and
// every letter a reading file can store (A-Z, a-z, "ã", "é", but not "ü"); number fields the digits 0-9, at most
// kNumberFieldLength of them. A validator refuses anything else however it
// arrives (typed, pasted, dropped, from an input method), so a field never
// holds a non-number by the user's hand; a refused typed character (a comma in
// City among them) also brings up the field's message, and so does, in a
// letter field, a refused paste, drop or input method's text.
#pragma once

#include "app/Dialogs.h"

#include <QLineEdit>
#include <QValidator>

namespace varelio::app {

enum class FieldRule { Letters, Digits };

// Acceptable when every character is one the rule takes and, for digits, the
// text is no longer than kNumberFieldLength; otherwise Invalid, so the field
// keeps its previous text.
class FieldValidator final : public QValidator {
    Q_OBJECT
public:
    FieldValidator(FieldRule rule, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    FieldRule rule_;
};

class CheckedField final : public QLineEdit {
    Q_OBJECT
public:
    CheckedField(FieldRule rule, Dialogs& dialogs, QWidget* parent);

protected:
    // A typed character the rule refuses gets "Please enter only letters"
    // (focus back to the field) or "Please enter only numbers".
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // The rule's message for a refused character.
    void refuse();

    FieldRule rule_;
    Dialogs& dialogs_;
};

}  // namespace varelio::app
