#pragma once
// Window geometry is written in twips, as the windows were laid out:
// 15 twips are one pixel at 96 dpi. Qt scales pixels further on high-DPI screens.

#include <QRect>
#include <QSize>

namespace kesora::forms {

inline constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
    QRect toPixels() const { return {Px(left), Px(top), Px(width), Px(height)}; }
};

inline QSize PxSize(int widthTwips, int heightTwips) { return {Px(widthTwips), Px(heightTwips)}; }

}  // namespace kesora::forms
