// Key combinations the windows share.
#pragma once

#include <QKeySequence>
#include <QList>

namespace varelio::app {

// Exit's keys: the desktop's Quit (Ctrl+Q on Linux desktops), or Ctrl+Q where
// the platform names none (the offscreen platform, a bare X server).
inline QList<QKeySequence> QuitKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (keys.isEmpty())
        keys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
    return keys;
}

}  // namespace varelio::app
