// Window geometry is laid down in twips (1/1440 inch); at the usual 96 dots
// per inch fifteen twips make one pixel.
#pragma once

#include <QRect>

namespace varelio::app {

constexpr int Px(int twips)
{
    return (twips * 2 + 15) / 30;  // twips / 15, rounded half up
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace varelio::app
