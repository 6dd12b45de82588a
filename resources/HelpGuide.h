// The help guide, compiled into whatever links varelio_resources, so Help
// works offline and from the build folder. The same file is installed beside
// the copyright (packaging/) for reading in a browser. Its sections are named
// anchors (app/HelpWindow.h lists them).
#pragma once

namespace varelio {

inline constexpr char kHelpGuideResource[] = ":/varelio/help/guide.html";

}  // namespace varelio
