// The application icon, compiled into whatever links varelio_resources (Qt's
// resource system initialises it): QIcon(QString::fromLatin1(kApplicationIconResource)).
// The same drawing is installed as the desktop's icon (packaging/).
#pragma once

namespace varelio {

inline constexpr char kApplicationIconResource[] = ":/varelio/icon.svg";

}  // namespace varelio
