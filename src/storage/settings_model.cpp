#include "storage/settings_model.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>
#include <variant>

#include "measure/measurement.h"

namespace mezura {
namespace {

constexpr int32_t kMaxColour = 0xFFFFFF;
// A window counts as on a screen when this much of it (or all of it, if it is
// smaller) shows there in both directions: enough to grab it and move it back.
constexpr int32_t kMinimumVisibleTwips = 300;

int32_t RoundToInt32(double value) {
  const double rounded = std::nearbyint(value);
  return static_cast<int32_t>(std::clamp(rounded, -2147483648.0, 2147483647.0));
}

std::string_view TrimSpace(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<double> ParseNumber(std::string_view text) {
  text = TrimSpace(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars would also take "inf" and "nan", which are no positions.
  if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.'))
    return std::nullopt;
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::general);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return negative ? -value : value;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// Places and sizes here are whole twips of 32 bits, so their sums are exact.
double Overlap(double start1, double length1, double start2, double length2) {
  return std::min(start1 + length1, start2 + length2) - std::max(start1, start2);
}

bool IsOnSomeScreen(double left, double top, double width, double height, const std::vector<TwipRect>& screens) {
  if (screens.empty()) return true;
  const double needX = std::clamp<double>(width, 1, kMinimumVisibleTwips);
  const double needY = std::clamp<double>(height, 1, kMinimumVisibleTwips);
  const double w = std::max(width, 1.0), h = std::max(height, 1.0);
  return std::ranges::any_of(screens, [&](const TwipRect& screen) {
    return Overlap(left, w, screen.left, screen.width) >= needX &&
           Overlap(top, h, screen.top, screen.height) >= needY;
  });
}

// How a value is written and read back.
enum class Form {
  Truth,     // "True" or "False"
  Finer,     // the accuracy: "True" when finer than sixteenths (the 1/16 items' mark negated)
  Fraction,  // the accuracy as its denominator: "64"
  Position,  // whole twips: "1440"
  Colour,    // a colour number after a sign place: " 8421376"
};

// Where a value is kept.
using Field = std::variant<bool DisplayChoices::*, int DisplayChoices::*, int32_t Settings::*>;

// No fixed default: the window is placed on the screen (DefaultSettings).
constexpr std::optional<int32_t> kPlacedOnScreen;

struct SettingKey {
  std::string_view section;
  std::string_view key;            // the name written
  std::string_view readKey;        // the name read; the store matches names without regard to case
  std::optional<int32_t> absent;   // the value when the key is absent or its text unusable
  Form form;
  Field field;
};

constexpr std::string_view kS = kSettingsSection, kC = kColorsSection;

// Every persisted setting, in the order they are written.
const SettingKey kKeys[] = {
    {kC, "CalcBackground", "CalcBackGround", kDefaultBackgroundColour, Form::Colour, &Settings::calcBackground},
    {kC, "ReadoutBackground", "ReadoutBackGround", kDefaultReadoutColour, Form::Colour, &Settings::readoutBackground},
    {kC, "MemoryBackground", "MemoryBackground", kDefaultBackgroundColour, Form::Colour, &Settings::memoryBackground},
    {kC, "MemoryReadout", "MemoryReadout", kDefaultReadoutColour, Form::Colour, &Settings::memoryReadout},
    {kC, "Converter", "Converter", kDefaultBackgroundColour, Form::Colour, &Settings::converterColor},
    {kC, "ConvReadout", "ConvReadout", kDefaultReadoutColour, Form::Colour, &Settings::convReadout},
    {kC, "ConvResult", "ConvResult", kDefaultReadoutColour, Form::Colour, &Settings::convResult},
    {kS, "CalcTop", "CalcTop", kPlacedOnScreen, Form::Position, &Settings::calcTop},
    {kS, "CalcLeft", "CalcLeft", kPlacedOnScreen, Form::Position, &Settings::calcLeft},
    {kS, "ConvTop", "ConvTop", kPlacedOnScreen, Form::Position, &Settings::convTop},
    {kS, "ConvLeft", "ConvLeft", kPlacedOnScreen, Form::Position, &Settings::convLeft},
    {kS, "MDITop", "MDITop", kDefaultMdiTop, Form::Position, &Settings::mdiTop},
    {kS, "MDILeft", "MDILeft", kDefaultMdiLeft, Form::Position, &Settings::mdiLeft},
    {kS, "Zoom", "Zoom", false, Form::Truth, &DisplayChoices::zoomSmall},
    {kS, "Accuracy", "Accuracy", kAccuracy16, Form::Finer, &DisplayChoices::accuracy},
    // Read after "Accuracy", so a usable denominator wins over the truth an
    // older version could keep; a version that knows only "Accuracy" ignores it.
    {kS, "AccuracyFraction", "AccuracyFraction", kAccuracy16, Form::Fraction, &DisplayChoices::accuracy},
    {kS, "Converter", "Converter", false, Form::Truth, &DisplayChoices::converterShown},
    {kS, "ShowKeys", "ShowKeys", true, Form::Truth, &DisplayChoices::showKeys},
    {kS, "ShowTape", "ShowTape", true, Form::Truth, &DisplayChoices::showTape},
    {kS, "KeepCells", "KeepCells", false, Form::Truth, &DisplayChoices::keepCells},
};

// The windows whose places are kept: a place that would leave its window on
// no screen gives way to the default place.
struct WindowPlace {
  int32_t Settings::*top;
  int32_t Settings::*left;
  int32_t SettingsContext::*width;
  int32_t SettingsContext::*height;
};

const WindowPlace kPlaces[] = {
    {&Settings::calcTop, &Settings::calcLeft, &SettingsContext::calcWidth, &SettingsContext::calcHeight},
    {&Settings::convTop, &Settings::convLeft, &SettingsContext::convWidth, &SettingsContext::convHeight},
    {&Settings::mdiTop, &Settings::mdiLeft, &SettingsContext::mdiWidth, &SettingsContext::mdiHeight},
};

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

int32_t Get(const Settings& s, const Field& field) {
  return std::visit(Overloaded{[&](bool DisplayChoices::*m) -> int32_t { return s.choices.*m; },
                               [&](int DisplayChoices::*m) -> int32_t { return s.choices.*m; },
                               [&](int32_t Settings::*m) -> int32_t { return s.*m; }},
                    field);
}

void Set(Settings& s, const Field& field, int32_t value) {
  std::visit(Overloaded{[&](bool DisplayChoices::*m) { s.choices.*m = value != 0; },
                        [&](int DisplayChoices::*m) { s.choices.*m = value; },
                        [&](int32_t Settings::*m) { s.*m = value; }},
             field);
}

std::string Text(Form form, int32_t value) {
  switch (form) {
    case Form::Truth: return TruthText(value != 0);
    // 1/4 and 1/8 are nearest to sixteenths, 1/64 to thirty-seconds: what
    // a reader of this key alone shows.
    case Form::Finer: return TruthText(value > kAccuracy16);
    case Form::Fraction: return std::to_string(value);
    case Form::Position: return PositionText(value);
    case Form::Colour: return ColourText(value);
  }
  return {};
}

std::optional<int32_t> Parse(Form form, std::string_view text) {
  switch (form) {
    case Form::Truth:
      if (const auto truth = ParseTruthText(text)) return *truth ? 1 : 0;
      return std::nullopt;
    case Form::Finer:
      if (const auto truth = ParseTruthText(text)) return *truth ? kAccuracy32 : kAccuracy16;
      return std::nullopt;
    case Form::Fraction:
      if (const auto number = ParseInteger32(text); number && IsAccuracy(*number)) return number;
      return std::nullopt;
    case Form::Position: return ParseInteger32(text);
    case Form::Colour: return ParseColourText(text);
  }
  return std::nullopt;
}

}  // namespace

std::string TruthText(bool value) { return value ? "True" : "False"; }

std::string PositionText(int32_t twips) { return std::to_string(twips); }

std::string ColourText(ColourNumber colour) { return ShortNumber(colour); }

std::optional<bool> ParseTruthText(std::string_view text) {
  const std::string_view trimmed = TrimSpace(text);
  if (EqualsIgnoringCase(trimmed, "True")) return true;
  if (EqualsIgnoringCase(trimmed, "False")) return false;
  if (auto number = ParseNumber(trimmed)) return *number != 0;
  return std::nullopt;
}

std::optional<int32_t> ParseInteger32(std::string_view text) {
  const auto number = ParseNumber(text);
  if (!number) return std::nullopt;
  const double rounded = std::nearbyint(*number);
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
  return static_cast<int32_t>(rounded);
}

std::optional<ColourNumber> ParseColourText(std::string_view text) {
  const auto number = ParseInteger32(text);
  if (!number || *number < 0 || *number > kMaxColour) return std::nullopt;
  return number;
}

Settings::Settings() {
  for (const SettingKey& key : kKeys)
    if (key.absent) Set(*this, key.field, *key.absent);
}

Settings DefaultSettings(const SettingsContext& c) {
  Settings s;
  s.calcTop = RoundToInt32((c.screenHeight - static_cast<double>(c.calcHeight)) / 2);
  s.calcLeft = RoundToInt32((c.screenWidth - static_cast<double>(c.calcWidth)) / 2);
  s.convTop = RoundToInt32((c.screenHeight - static_cast<double>(c.convHeight)) / 2);
  s.convLeft = RoundToInt32((c.screenWidth - static_cast<double>(c.convWidth)) / 2 -
                            c.convWidth / 2.0 - c.calcWidth / 2.0 - 100);
  return s;
}

Settings ReadSettings(const SettingsLookup& lookup, const SettingsContext& context) {
  const Settings defaults = DefaultSettings(context);
  Settings s = defaults;
  std::optional<int32_t> finer;  // what "Accuracy" said, when it was readable
  for (const SettingKey& key : kKeys) {
    const auto text = lookup(key.section, key.readKey);
    const auto value = text ? Parse(key.form, *text) : std::nullopt;
    if (!value) continue;
    if (key.form == Form::Finer) finer = value;
    // An older version that changed the accuracy rewrote "Accuracy" and left
    // the denominator as it was: when the two disagree, the older key is newer.
    if (key.form == Form::Fraction && finer && (*value > kAccuracy16) != (*finer > kAccuracy16)) continue;
    Set(s, key.field, *value);
  }
  for (const WindowPlace& place : kPlaces) {
    if (!IsOnSomeScreen(s.*place.left, s.*place.top, context.*place.width, context.*place.height, context.screens)) {
      s.*place.top = defaults.*place.top;
      s.*place.left = defaults.*place.left;
    }
  }
  return s;
}

TwipRect FitOnScreens(TwipRect window, int32_t fallbackLeft, int32_t fallbackTop, const SettingsContext& context) {
  window.width = std::max(window.width, 1.0);
  window.height = std::max(window.height, 1.0);
  if (!IsOnSomeScreen(window.left, window.top, window.width, window.height, context.screens)) {
    window.left = fallbackLeft;
    window.top = fallbackTop;
  }
  // Then wholly on the screen it is most on, and no larger than that screen.
  const TwipRect* best = nullptr;
  int64_t bestArea = -1;
  for (const TwipRect& screen : context.screens) {
    // Whole twips multiplied in 64 bits: a double could not tell two large areas apart.
    const int64_t area =
        std::max<int64_t>(0, static_cast<int64_t>(Overlap(window.left, window.width, screen.left, screen.width))) *
        std::max<int64_t>(0, static_cast<int64_t>(Overlap(window.top, window.height, screen.top, screen.height)));
    if (area > bestArea) {
      bestArea = area;
      best = &screen;
    }
  }
  if (!best) return window;
  window.width = std::min(window.width, std::max(best->width, 1.0));
  window.height = std::min(window.height, std::max(best->height, 1.0));
  window.left = std::clamp(window.left, best->left, best->left + best->width - window.width);
  window.top = std::clamp(window.top, best->top, best->top + best->height - window.height);
  return window;
}

std::vector<SettingsEntry> SettingsEntries(const Settings& s) {
  std::vector<SettingsEntry> entries;
  for (const SettingKey& key : kKeys)
    entries.push_back({std::string(key.section), std::string(key.key), Text(key.form, Get(s, key.field))});
  return entries;
}

}  // namespace mezura
