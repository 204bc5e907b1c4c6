#pragma once
// The calculator window's design: the keypad as a table (name, caption,
// tooltip, geometry in twips, engine handler), the display and label places,
// the window sizes at both zoom levels, and the arithmetic that derives the
// 75% layout from the 100% one. Pure data and functions; the window applies
// them and the tests read them.

#include <span>
#include <string_view>

#include "engine/calculator_engine.h"
#include "measure/twips.h"

namespace mezura {

struct KeyDefinition {
  std::string_view name;     ///< the control name, also the widget's objectName
  std::string_view caption;  ///< UTF-8
  std::string_view toolTip;
  std::string_view accessibleName;  ///< what a screen reader calls the key
  TwipRect geometry;         ///< design place at 100%
  EngineOutcome (CalculatorEngine::*press)() = nullptr;  ///< what a click does, unless a digit
  int digit = -1;            ///< 0..9 for Number(digit)
  double pointSize = 9.75;
  bool visible = true;       ///< Backspace and Pi only serve the keyboard
};

/// Every key of the keypad in window order: the 23 visible keys, then
/// Backspace and Pi (which stand under Foot and Inch and stay out of sight).
std::span<const KeyDefinition> KeypadTable();

inline constexpr TwipRect kLabel1Design{180, 0, 3315, 225};
inline constexpr TwipRect kReadoutDesign{185, 255, 3180, 345};
inline constexpr TwipRect kActionLabelDesign{120, 210, 375, 375};
/// Image1 to Image5: invisible holders of the drag images.
inline constexpr TwipRect kImageDesign[5] = {
    {480, 0, 480, 480}, {0, 0, 480, 480}, {1920, 0, 480, 480}, {960, 0, 480, 480}, {1440, 0, 480, 480}};

/// One zoom level's window and display.
struct ZoomLevel {
  double windowWidth;
  double heightWithKeys;
  double heightWithoutKeys;
  double readoutLeft;
  double readoutWidth;
  double readoutPointSize;
  bool readoutBold;
};

inline constexpr ZoomLevel kZoom100{3615, 3590, 1350, 185, 3180, 13.5, false};
inline constexpr ZoomLevel kZoom75{2745, 2844, 1200, 139, 2385, 9.75, true};
/// Narrower windows are at 75%, wider ones at 100%.
inline constexpr double kZoomWidthThreshold = 3000;

/// The design's window sizes are outer sizes on a platform whose frame took
/// 4 px on each side, a 19 px caption and a 19 px menu bar; the controls count
/// from the client area below the menu bar. This is that frame in twips.
inline constexpr double kFrameWidthTwips = 8 * kTwipsPerPixel;
inline constexpr double kFrameHeightTwips = (19 + 19 + 8) * kTwipsPerPixel;

/// A control's 75% place from its 100% one: every value times 0.75, and 10
/// twips more on the left when the scaled left, rounded half to even, is even.
TwipRect ZoomSmallRect(const TwipRect& design);

}  // namespace mezura
