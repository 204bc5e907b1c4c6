#pragma once
// The persisted settings and colours: which keys there are, their defaults,
// the texts they are stored as, and how a stored text becomes a value again,
// with every unusable text (not a number, out of range, a window position
// off every screen) falling back to that key's default. Each key is declared
// once, in one table that reading and writing both go through. The settings store
// (storage/io/settings_store.h) moves the texts to and from the INI file;
// the windows apply the values.
//
//   SettingsContext context{screenWidth, screenHeight, calc..., conv..., mdi..., screens};
//   Settings s = ReadSettings(lookup, context);        // on start
//   for (auto& e : SettingsEntries(s)) write(e.section, e.key, e.text);   // on exit

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "measure/colour_number.h"
#include "measure/measurement.h"
#include "measure/twips.h"

namespace mezura {

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kColorsSection = "Colors";

inline constexpr int32_t kDefaultMdiTop = 1635;
inline constexpr int32_t kDefaultMdiLeft = 1575;


/// What the defaults and the position checks depend on. All sizes in twips.
struct SettingsContext {
  int32_t screenWidth = 0;       ///< primary screen
  int32_t screenHeight = 0;
  int32_t calcWidth = 0;         ///< calculator window at its design size
  int32_t calcHeight = 0;
  int32_t convWidth = 0;         ///< converter window
  int32_t convHeight = 0;
  int32_t mdiWidth = 0;          ///< memory container
  int32_t mdiHeight = 0;
  /// The screens' available rectangles; a stored window position that leaves
  /// its window on none of them is replaced by the default. Empty: no check.
  std::vector<TwipRect> screens;
};

/// What the calculator's menus show with check marks: the display choices
/// the user made. The initial values are the marks a new window starts with;
/// the settings then put in what the user left.
struct DisplayChoices {
  int accuracy = kAccuracy16;   ///< denominator of the finest fraction of a linear result: one of kAccuracies
  bool zoomSmall = false;       ///< the calculator window at 75 %
  bool showKeys = true;         ///< the keypad shown
  bool showTape = false;        ///< the tape window shown
  bool converterShown = false;  ///< the converter window shown
  bool keepCells = false;       ///< the memory cells saved on exit and loaded on start
  bool operator==(const DisplayChoices&) const = default;
};

/// Every persisted value. Positions in twips, colours as colour numbers.
/// Which key holds which value, with its text form and its default, is one
/// table in settings_model.cpp.
struct Settings {
  /// The defaults of the keys that have a fixed one; the positions that
  /// depend on the screen are 0 until DefaultSettings() places them.
  Settings();
  // Section "Settings"
  DisplayChoices choices;  ///< "Zoom", "Accuracy" and "AccuracyFraction", "Converter", "ShowKeys", "ShowTape", "KeepCells"
  int32_t calcTop = 0;     ///< "CalcTop"
  int32_t calcLeft = 0;    ///< "CalcLeft"
  int32_t convTop = 0;     ///< "ConvTop"
  int32_t convLeft = 0;    ///< "ConvLeft"
  int32_t mdiTop = 0;      ///< "MDITop"
  int32_t mdiLeft = 0;     ///< "MDILeft"
  // Section "Colors"
  ColourNumber calcBackground = 0;     ///< "CalcBackground"
  ColourNumber readoutBackground = 0;  ///< "ReadoutBackground"
  ColourNumber memoryBackground = 0;   ///< "MemoryBackground"
  ColourNumber memoryReadout = 0;      ///< "MemoryReadout"
  ColourNumber converterColor = 0;     ///< "Converter"
  ColourNumber convReadout = 0;        ///< "ConvReadout"
  ColourNumber convResult = 0;         ///< "ConvResult"
  bool operator==(const Settings&) const = default;
};

/// The values of a first run: the calculator centred on the screen, the
/// converter beside it, the container at 1575, 1635, the design colours.
Settings DefaultSettings(const SettingsContext& context);

/// Reads one stored text: (section, key) -> the text, or nothing when the key
/// is absent. Keys must be matched without regard to case.
using SettingsLookup = std::function<std::optional<std::string>(std::string_view section,
                                                                 std::string_view key)>;

/// The settings from the store; each absent or unusable text gives its default.
Settings ReadSettings(const SettingsLookup& lookup, const SettingsContext& context);

/// A window's place and size from outside the program (a memory file) made
/// usable: at (`fallbackLeft`, `fallbackTop`) when it would show on no screen
/// (the rule the settings follow), then moved wholly onto the screen it is
/// most on and made no larger than that screen.
TwipRect FitOnScreens(TwipRect window, int32_t fallbackLeft, int32_t fallbackTop, const SettingsContext& context);

struct SettingsEntry {
  std::string section;
  std::string key;
  std::string text;
  bool operator==(const SettingsEntry&) const = default;
};

/// What to write on exit, in order: the seven colours, then the twelve settings.
/// Reading uses the same keys (ReadSettings).
std::vector<SettingsEntry> SettingsEntries(const Settings& settings);

/// Text forms: "True"/"False"; a position as its digits ("1440"); a colour
/// with a sign place (" 8421376").
std::string TruthText(bool value);
std::string PositionText(int32_t twips);
std::string ColourText(ColourNumber colour);

/// "True", "False" (any case) or a number (0 false, anything else true).
std::optional<bool> ParseTruthText(std::string_view text);
/// A decimal number, blanks around it allowed, rounded halves to even into 32 bits.
std::optional<int32_t> ParseInteger32(std::string_view text);
/// A colour number 0 to 0xFFFFFF.
std::optional<ColourNumber> ParseColourText(std::string_view text);

}  // namespace mezura
