// Typed-character filters of the input window's text fields. Only keys that
// produce printable text are judged; navigation keys, editing keys and
// shortcuts with Ctrl, Alt or Meta pass untouched, and pasted text is not
// filtered at all.
#pragma once

#include "app/Dialogs.h"

#include <QObject>

class QLineEdit;

namespace varelio::app {

enum class KeyRule { Letters, Digits };

// Letters: A-Z, a-z, blank, backspace (8) and 127. Digits: 0-9, 8 and 127.
bool KeyAccepted(KeyRule rule, char32_t code);

class KeyFilter final : public QObject {
    Q_OBJECT
public:
    KeyFilter(Dialogs& dialogs, QObject* parent);
    void watch(QLineEdit* field, KeyRule rule);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Dialogs& dialogs_;
};

}  // namespace varelio::app
