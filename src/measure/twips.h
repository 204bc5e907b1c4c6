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

/// A number of twips as the whole number that window places are stored in,
/// halves to even. Places that came from pixels are whole already.
inline std::int32_t WholeTwips(double twips) { return static_cast<std::int32_t>(std::nearbyint(twips)); }

/// A rectangle in twips: left, top, width, height. Controls scaled to 75 %
/// fall between whole twips; window places and screens are whole.
struct TwipRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

}  // namespace mezura
