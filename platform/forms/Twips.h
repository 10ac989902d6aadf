#pragma once
// Window sizes and positions are given in twips; the screen has 15 twips per
// pixel (96 dots per inch).

namespace tamberlo {

constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace tamberlo
