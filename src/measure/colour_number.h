#pragma once
// Colours as the program keeps, passes and stores them: one number, red +
// 256 * green + 65536 * blue. The windows turn it into Qt's colour and back
// in one place (tape/ui/design_metrics.h); everything else passes the number.
// It lives here, beside the other value types, because every folder builds
// on this one.

#include <cstdint>

namespace mezura {

using ColourNumber = std::int32_t;

inline constexpr ColourNumber kDefaultBackgroundColour = 8421376;  ///< red 0, green 128, blue 128
inline constexpr ColourNumber kDefaultReadoutColour = 8454143;     ///< red 255, green 255, blue 128

}  // namespace mezura
