// Fuzzes reading the settings back from the store: the texts of all eighteen
// keys (each present or absent, any bytes) and the screens and window sizes
// the position checks use, built from the input. Invariants: colours are
// colour numbers; a window position is the default or exactly what the store
// said; every parser that takes a text takes its own writing of the value
// back to the same value; and writing the settings read and reading them again
// gives the same settings.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz_checks.h"
#include "storage/settings_model.h"

namespace {

using namespace mezura;
using fuzz::Check;

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The store matches keys without regard to case.
using Store = std::map<std::pair<std::string, std::string>, std::string>;

SettingsLookup LookupIn(const Store& store) {
  return [&store](std::string_view section, std::string_view key) -> std::optional<std::string> {
    const auto it = store.find({Lower(section), Lower(key)});
    if (it == store.end()) return std::nullopt;
    return it->second;
  };
}

void CheckParsers(std::string_view text) {
  if (const auto truth = ParseTruthText(text)) Check(ParseTruthText(TruthText(*truth)) == truth, "truth", text);
  if (const auto number = ParseInteger32(text))
    Check(ParseInteger32(PositionText(*number)) == number, "integer does not read back", text);
  if (const auto colour = ParseColourText(text)) {
    Check(*colour >= 0 && *colour <= 0xFFFFFF, "colour out of range", text);
    Check(ParseInteger32(text) == colour, "colour and integer disagree", text);
    Check(ParseColourText(ColourText(*colour)) == colour, "colour does not read back", text);
  }
}

// A position the store's texts did not give is the default.
void CheckPosition(const Store& store, std::string_view key, int32_t value, int32_t defaultValue) {
  if (value == defaultValue) return;
  const auto it = store.find({"settings", Lower(key)});
  Check(it != store.end() && ParseInteger32(it->second) == value, "position from nowhere", key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  SettingsContext context;
  for (int32_t* field : {&context.screenWidth, &context.screenHeight, &context.calcWidth, &context.calcHeight,
                         &context.convWidth, &context.convHeight, &context.mdiWidth, &context.mdiHeight})
    *field = in.ConsumeIntegralInRange<int32_t>(-100000, 100000);
  const int screens = in.ConsumeIntegralInRange(0, 3);
  for (int i = 0; i < screens; ++i) {
    TwipRect screen;  // whole twips, as screens are
    for (double* field : {&screen.left, &screen.top, &screen.width, &screen.height})
      *field = in.ConsumeBool() ? in.ConsumeIntegral<int32_t>() : in.ConsumeIntegralInRange<int32_t>(-50000, 50000);
    context.screens.push_back(screen);
  }

  Store store;
  for (const SettingsEntry& entry : SettingsEntries(Settings{})) {
    if (!in.ConsumeBool()) continue;
    const std::string text = in.ConsumeRandomLengthString(40);
    CheckParsers(text);
    store[{Lower(entry.section), Lower(entry.key)}] = text;
  }

  const Settings read = ReadSettings(LookupIn(store), context);
  const Settings defaults = DefaultSettings(context);
  for (const int32_t colour : {read.calcBackground, read.readoutBackground, read.memoryBackground,
                               read.memoryReadout, read.converterColor, read.convReadout, read.convResult})
    Check(colour >= 0 && colour <= 0xFFFFFF, "colour out of range", std::to_string(colour));
  CheckPosition(store, "CalcTop", read.calcTop, defaults.calcTop);
  CheckPosition(store, "CalcLeft", read.calcLeft, defaults.calcLeft);
  CheckPosition(store, "ConvTop", read.convTop, defaults.convTop);
  CheckPosition(store, "ConvLeft", read.convLeft, defaults.convLeft);
  CheckPosition(store, "MDITop", read.mdiTop, defaults.mdiTop);
  CheckPosition(store, "MDILeft", read.mdiLeft, defaults.mdiLeft);

  Store written;
  for (const SettingsEntry& entry : SettingsEntries(read))
    written[{Lower(entry.section), Lower(entry.key)}] = entry.text;
  Check(ReadSettings(LookupIn(written), context) == read, "written settings read back differently");
  return 0;
}
