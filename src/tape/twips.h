#pragma once
// Window geometry is kept in twips (1/1440 inch), the unit every layout rule of
// the program is written in. This is the one place where twips become
// device-independent pixels and back; the windows convert nothing themselves.

#include <cmath>
#include <cstdint>

namespace mezura {

/// 1440 twips per inch over 96 device-independent pixels per inch.
inline constexpr double kTwipsPerPixel = 15.0;

/// Twips to whole pixels, halves to even.
inline int TwipsToPixels(double twips) { return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel)); }
/// Whole pixels are always whole twips.
inline int PixelsToTwips(int pixels) { return pixels * static_cast<int>(kTwipsPerPixel); }

/// A rectangle in twips: left, top, width, height.
struct TwipRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

/// A rectangle in whole twips, as window places are stored and laid out.
struct TwipsRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

}  // namespace mezura
