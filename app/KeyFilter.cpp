#include "app/KeyFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace varelio::app {

namespace {
const char* const kRuleProperty = "varelioKeyRule";
}

bool KeyAccepted(KeyRule rule, char32_t code)
{
    if (code == 8 || code == 127)
        return true;
    if (rule == KeyRule::Digits)
        return code >= U'0' && code <= U'9';
    return (code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z') || code == U' ';
}

KeyFilter::KeyFilter(Dialogs& dialogs, QObject* parent) : QObject(parent), dialogs_(dialogs) {}

void KeyFilter::watch(QLineEdit* field, KeyRule rule)
{
    field->setProperty(kRuleProperty, static_cast<int>(rule));
    field->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key->text();
    if (text.isEmpty())
        return false;
    const char32_t code = text.toUcs4().value(0);
    // Tab, Return, Escape and the like steer the window; they are not typing.
    if (code < 32 && code != 8)
        return false;

    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return false;
    const auto rule = static_cast<KeyRule>(field->property(kRuleProperty).toInt());
    if (KeyAccepted(rule, code))
        return false;

    if (rule == KeyRule::Letters) {
        dialogs_.message(field->window(), QStringLiteral("Please enter only letters"), MessageIcon::Error);
        field->setFocus();
    } else {
        dialogs_.message(field->window(), QStringLiteral("Please enter only numbers"), MessageIcon::Error);
    }
    return true;
}

}  // namespace varelio::app
