#include "storage/settings_model.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

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

int64_t Overlap(int64_t start1, int64_t length1, int64_t start2, int64_t length2) {
  return std::min(start1 + length1, start2 + length2) - std::max(start1, start2);
}

bool IsOnSomeScreen(int32_t left, int32_t top, int32_t width, int32_t height,
                    const std::vector<TwipsRect>& screens) {
  if (screens.empty()) return true;
  const int64_t needX = std::clamp<int64_t>(width, 1, kMinimumVisibleTwips);
  const int64_t needY = std::clamp<int64_t>(height, 1, kMinimumVisibleTwips);
  const int64_t w = std::max<int64_t>(width, 1), h = std::max<int64_t>(height, 1);
  return std::ranges::any_of(screens, [&](const TwipsRect& screen) {
    return Overlap(left, w, screen.left, screen.width) >= needX &&
           Overlap(top, h, screen.top, screen.height) >= needY;
  });
}

// One window's stored top and left: each unusable text gives its default, and
// a pair that would leave the window on no screen gives both defaults.
void ReadPosition(const SettingsLookup& lookup, std::string_view topKey, std::string_view leftKey,
                  int32_t width, int32_t height, const SettingsContext& context,
                  int32_t& top, int32_t& left) {
  const int32_t defaultTop = top, defaultLeft = left;
  if (auto text = lookup(kSettingsSection, topKey))
    top = ParseInteger32(*text).value_or(defaultTop);
  if (auto text = lookup(kSettingsSection, leftKey))
    left = ParseInteger32(*text).value_or(defaultLeft);
  if (!IsOnSomeScreen(left, top, width, height, context.screens)) {
    top = defaultTop;
    left = defaultLeft;
  }
}

}  // namespace

std::string TruthText(bool value) { return value ? "True" : "False"; }

std::string PositionText(int32_t twips) { return std::to_string(twips); }

std::string ColourText(int32_t colour) { return ShortNumber(colour); }

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

std::optional<int32_t> ParseColourText(std::string_view text) {
  const auto number = ParseInteger32(text);
  if (!number || *number < 0 || *number > kMaxColour) return std::nullopt;
  return number;
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
  Settings s = DefaultSettings(context);

  const auto readTruth = [&](std::string_view key, bool& value) {
    if (auto text = lookup(kSettingsSection, key)) value = ParseTruthText(*text).value_or(value);
  };
  readTruth("Zoom", s.choices.zoomSmall);
  bool finer = s.choices.accuracy != kAccuracy16;
  readTruth("Accuracy", finer);
  s.choices.accuracy = finer ? kAccuracy32 : kAccuracy16;
  readTruth("Converter", s.choices.converterShown);
  readTruth("ShowKeys", s.choices.showKeys);
  readTruth("ShowTape", s.choices.showTape);

  ReadPosition(lookup, "CalcTop", "CalcLeft", context.calcWidth, context.calcHeight, context,
               s.calcTop, s.calcLeft);
  ReadPosition(lookup, "ConvTop", "ConvLeft", context.convWidth, context.convHeight, context,
               s.convTop, s.convLeft);
  ReadPosition(lookup, "MDITop", "MDILeft", context.mdiWidth, context.mdiHeight, context,
               s.mdiTop, s.mdiLeft);

  const auto readColour = [&](std::string_view key, int32_t& value) {
    if (auto text = lookup(kColorsSection, key)) value = ParseColourText(*text).value_or(value);
  };
  // Two keys are read with a capital G where they were written with a small
  // one; the store matches keys without regard to case.
  readColour("CalcBackGround", s.calcBackground);
  readColour("ReadoutBackGround", s.readoutBackground);
  readColour("MemoryBackground", s.memoryBackground);
  readColour("MemoryReadout", s.memoryReadout);
  readColour("Converter", s.converterColor);
  readColour("ConvReadout", s.convReadout);
  readColour("ConvResult", s.convResult);
  return s;
}

TwipsRect FitOnScreens(TwipsRect window, int32_t fallbackLeft, int32_t fallbackTop, const SettingsContext& context) {
  window.width = std::max(window.width, 1);
  window.height = std::max(window.height, 1);
  if (!IsOnSomeScreen(window.left, window.top, window.width, window.height, context.screens)) {
    window.left = fallbackLeft;
    window.top = fallbackTop;
  }
  // Then wholly on the screen it is most on, and no larger than that screen.
  const TwipsRect* best = nullptr;
  int64_t bestArea = -1;
  for (const TwipsRect& screen : context.screens) {
    const int64_t area = std::max<int64_t>(0, Overlap(window.left, window.width, screen.left, screen.width)) *
                         std::max<int64_t>(0, Overlap(window.top, window.height, screen.top, screen.height));
    if (area > bestArea) {
      bestArea = area;
      best = &screen;
    }
  }
  if (!best) return window;
  window.width = std::min(window.width, std::max(best->width, 1));
  window.height = std::min(window.height, std::max(best->height, 1));
  window.left = std::clamp(window.left, best->left, best->left + best->width - window.width);
  window.top = std::clamp(window.top, best->top, best->top + best->height - window.height);
  return window;
}

std::vector<SettingsEntry> SettingsEntries(const Settings& s) {
  const std::string colors(kColorsSection), settings(kSettingsSection);
  return {
      {colors, "CalcBackground", ColourText(s.calcBackground)},
      {colors, "ReadoutBackground", ColourText(s.readoutBackground)},
      {colors, "MemoryBackground", ColourText(s.memoryBackground)},
      {colors, "MemoryReadout", ColourText(s.memoryReadout)},
      {colors, "Converter", ColourText(s.converterColor)},
      {colors, "ConvReadout", ColourText(s.convReadout)},
      {colors, "ConvResult", ColourText(s.convResult)},
      {settings, "CalcTop", PositionText(s.calcTop)},
      {settings, "CalcLeft", PositionText(s.calcLeft)},
      {settings, "ConvTop", PositionText(s.convTop)},
      {settings, "ConvLeft", PositionText(s.convLeft)},
      {settings, "MDITop", PositionText(s.mdiTop)},
      {settings, "MDILeft", PositionText(s.mdiLeft)},
      {settings, "Zoom", TruthText(s.choices.zoomSmall)},
      {settings, "Accuracy", TruthText(s.choices.accuracy != kAccuracy16)},
      {settings, "Converter", TruthText(s.choices.converterShown)},
      {settings, "ShowKeys", TruthText(s.choices.showKeys)},
      {settings, "ShowTape", TruthText(s.choices.showTape)},
  };
}

}  // namespace mezura
