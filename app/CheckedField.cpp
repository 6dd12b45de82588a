#include "app/CheckedField.h"

#include "form/Form.h"
#include "formats/ReadingFile.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>

namespace varelio::app {

namespace {

bool Takes(FieldRule rule, QChar c)
{
    const char16_t code = c.unicode();
    if (rule == FieldRule::Digits)
        return code >= u'0' && code <= u'9';
    // Any letter a reading file can store ("ã", "é", "Œ"), so a name typed
    // here survives a save; "ü" cannot be stored and is refused like a digit.
    // Names also hold apostrophes, hyphens and dots: "Mary O'Neill",
    // "Jean-Luc", "St. John".
    return code == u' ' || code == u'\'' || code == u'\u2019' || code == u'-' || code == u'.' ||
           (c.isLetter() && CanStoreCharacter(code));
}

bool RuleTakes(FieldRule rule, const QString& text)
{
    return std::all_of(text.begin(), text.end(), [rule](QChar c) { return Takes(rule, c); });
}

// The text a key press would type, or empty for keys that edit, steer or
// run shortcuts (Backspace, Delete, arrows, Tab, Return, Ctrl+V and the like).
QString TypedText(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const QString text = event.text();
    if (text.isEmpty() || text.front().unicode() < 32 || text.front().unicode() == 127)
        return {};
    return text;
}

}  // namespace

FieldValidator::FieldValidator(FieldRule rule, QObject* parent) : QValidator(parent), rule_(rule) {}

QValidator::State FieldValidator::validate(QString& input, int&) const
{
    if (rule_ == FieldRule::Digits && input.size() > kNumberFieldLength)
        return Invalid;
    return RuleTakes(rule_, input) ? Acceptable : Invalid;
}

CheckedField::CheckedField(FieldRule rule, Dialogs& dialogs, QWidget* parent)
    : QLineEdit(parent), rule_(rule), dialogs_(dialogs)
{
    setValidator(new FieldValidator(rule, this));
    if (rule == FieldRule::Digits)
        setMaxLength(kNumberFieldLength);
    // A letter field has no length limit, so its validator rejects only
    // characters the rule refuses (in a paste or a drop, "Delhi, India"). A
    // setText of the program's own (a saved reading's city) is reported
    // rejected too, yet stands: it starts a new undo history, a user's edit
    // adds to it.
    else
        connect(this, &QLineEdit::inputRejected, this, [this] {
            if (isUndoAvailable())
                refuse();
        });
}

void CheckedField::keyPressEvent(QKeyEvent* event)
{
    const QString typed = TypedText(*event);
    if (typed.isEmpty() || RuleTakes(rule_, typed)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    refuse();
}

void CheckedField::inputMethodEvent(QInputMethodEvent* event)
{
    // With an input method the keys arrive as committed text.
    if (RuleTakes(rule_, event->commitString())) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&withoutCommit);
    refuse();
}

void CheckedField::refuse()
{
    // The validator alone would drop the character without a word.
    if (rule_ == FieldRule::Letters) {
        dialogs_.message(window(), tr("Please enter only letters"), MessageIcon::Error);
        setFocus();
    } else {
        dialogs_.message(window(), tr("Please enter only numbers"), MessageIcon::Error);
    }
}

}  // namespace varelio::app
