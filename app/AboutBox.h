// The modal "About Software" box of both windows.
#pragma once

class QWidget;

namespace varelio::app {

void ShowAboutBox(QWidget* parent);

}  // namespace varelio::app
