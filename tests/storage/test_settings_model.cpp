// The settings' defaults, text forms and parsing, with every unusable stored
// text falling back to its key's default.
#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include "support/settings_fixture.h"
#include "storage/settings_model.h"

namespace mezura {
namespace {

SettingsContext Context() { return testing::TestSettingsContext(); }

// An in-memory store that matches keys without regard to case, as the INI
// store must.
class FakeStore {
 public:
  void Set(std::string section, std::string key, std::string text) {
    m_texts[Lower(section + "/" + key)] = std::move(text);
  }
  SettingsLookup Lookup() const {
    return [this](std::string_view section, std::string_view key) -> std::optional<std::string> {
      auto it = m_texts.find(Lower(std::string(section) + "/" + std::string(key)));
      if (it == m_texts.end()) return std::nullopt;
      return it->second;
    };
  }

 private:
  static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
  std::map<std::string, std::string> m_texts;
};

TEST(SettingsModel, FirstRunDefaults) {
  const Settings s = ReadSettings(FakeStore().Lookup(), Context());
  EXPECT_EQ(s, DefaultSettings(Context()));
  EXPECT_FALSE(s.choices.zoomSmall);
  EXPECT_EQ(s.choices.accuracy, kAccuracy16);
  EXPECT_FALSE(s.choices.converterShown);
  EXPECT_TRUE(s.choices.showKeys);
  EXPECT_TRUE(s.choices.showTape);
  EXPECT_EQ(s.calcTop, (16200 - 5000) / 2);
  EXPECT_EQ(s.calcLeft, (28800 - 3600) / 2);
  EXPECT_EQ(s.convTop, 6945);
  // (28800 - 1815) / 2 - 1815 / 2 - 3600 / 2 - 100 = 13492.5 - 907.5 - 1800 - 100
  EXPECT_EQ(s.convLeft, 10685);
  EXPECT_EQ(s.mdiTop, 1635);
  EXPECT_EQ(s.mdiLeft, 1575);
  EXPECT_EQ(s.calcBackground, 8421376);
  EXPECT_EQ(s.readoutBackground, 8454143);
  EXPECT_EQ(s.memoryBackground, 8421376);
  EXPECT_EQ(s.memoryReadout, 8454143);
  EXPECT_EQ(s.converterColor, 8421376);
  EXPECT_EQ(s.convReadout, 8454143);
  EXPECT_EQ(s.convResult, 8454143);
}

TEST(SettingsModel, DefaultPositionsRoundHalvesToEven) {
  SettingsContext c = Context();
  c.screenHeight = 16201;  // (16201 - 5000) / 2 = 5600.5
  c.screenWidth = 28803;   // (28803 - 3600) / 2 = 12601.5
  const Settings s = DefaultSettings(c);
  EXPECT_EQ(s.calcTop, 5600);
  EXPECT_EQ(s.calcLeft, 12602);
}

TEST(SettingsModel, EntriesUseTheStoredTextForms) {
  Settings s = DefaultSettings(Context());
  s.choices.accuracy = kAccuracy32;
  s.calcLeft = 1440;
  s.convTop = -300;
  s.memoryReadout = 65280;
  const std::vector<SettingsEntry> entries = SettingsEntries(s);
  ASSERT_EQ(entries.size(), 20u);
  EXPECT_EQ(entries[0], (SettingsEntry{"Colors", "CalcBackground", " 8421376"}));
  EXPECT_EQ(entries[1], (SettingsEntry{"Colors", "ReadoutBackground", " 8454143"}));
  EXPECT_EQ(entries[3], (SettingsEntry{"Colors", "MemoryReadout", " 65280"}));
  EXPECT_EQ(entries[4], (SettingsEntry{"Colors", "Converter", " 8421376"}));
  EXPECT_EQ(entries[8], (SettingsEntry{"Settings", "CalcLeft", "1440"}));
  EXPECT_EQ(entries[9], (SettingsEntry{"Settings", "ConvTop", "-300"}));
  EXPECT_EQ(entries[13], (SettingsEntry{"Settings", "Zoom", "False"}));
  EXPECT_EQ(entries[14], (SettingsEntry{"Settings", "Accuracy", "True"}));
  EXPECT_EQ(entries[15], (SettingsEntry{"Settings", "AccuracyFraction", "32"}));
  EXPECT_EQ(entries[16], (SettingsEntry{"Settings", "Converter", "False"}));
  EXPECT_EQ(entries[18], (SettingsEntry{"Settings", "ShowTape", "True"}));
  EXPECT_EQ(entries[19], (SettingsEntry{"Settings", "KeepCells", "False"}));
}

// "Accuracy" is all an older version reads and writes: it gets the nearest
// accuracy it knows, and a file from either version reads back.
TEST(SettingsModel, AccuracyKeysReadBothWays) {
  for (const int accuracy : kAccuracies) {
    Settings s;
    s.choices.accuracy = accuracy;
    FakeStore store;
    for (const SettingsEntry& e : SettingsEntries(s)) store.Set(e.section, e.key, e.text);
    EXPECT_EQ(ReadSettings(store.Lookup(), Context()).choices.accuracy, accuracy);
    EXPECT_EQ(store.Lookup()("Settings", "Accuracy"), accuracy > kAccuracy16 ? "True" : "False") << accuracy;
  }
  const struct {
    const char* old;       // "Accuracy", or null when absent
    const char* fraction;  // "AccuracyFraction", or null when absent
    int accuracy;
  } cases[] = {{"True", nullptr, 32}, {nullptr, "8", 8},    {"False", "4", 4},  {"True", "64", 64},
               {"True", "12", 32},    {"True", "x", 32},    {"xyz", "64", 64},
               // An older version chose 1/32 or 1/16 after the denominator was written.
               {"True", "8", 32},     {"False", "64", 16}};
  for (const auto& c : cases) {
    FakeStore store;
    if (c.old) store.Set("Settings", "Accuracy", c.old);
    if (c.fraction) store.Set("settings", "accuracyfraction", c.fraction);
    EXPECT_EQ(ReadSettings(store.Lookup(), Context()).choices.accuracy, c.accuracy)
        << (c.old ? c.old : "-") << " " << (c.fraction ? c.fraction : "-");
  }
}

TEST(SettingsModel, EveryKeyRoundTrips) {
  const Settings s = testing::SettingsWithEveryKeyChanged();
  FakeStore store;
  for (const SettingsEntry& e : SettingsEntries(s)) store.Set(e.section, e.key, e.text);
  EXPECT_EQ(ReadSettings(store.Lookup(), Context()), s);
}

TEST(SettingsModel, TruthTexts) {
  const struct {
    const char* text;
    std::optional<bool> value;
  } cases[] = {{"True", true}, {"False", false}, {"true", true}, {" FALSE ", false}, {"0", false},
               {"-1", true},   {"1", true},      {"0.0", false}, {"2.5", true},       {"", std::nullopt},
               {"yes", std::nullopt}, {"Truely", std::nullopt}, {"1x", std::nullopt}, {"nan", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(ParseTruthText(c.text), c.value) << c.text;
}

TEST(SettingsModel, NumberTexts) {
  const struct {
    const char* text;
    std::optional<int32_t> value;
  } cases[] = {{"1440", 1440},       {" 8421376", 8421376}, {"-300", -300},
               {"+7", 7},            {"2.5", 2},            {"3.5", 4},
               {"-2.5", -2},         {"1e3", 1000},         {"2147483647", 2147483647},
               {"-2147483648", -2147483647 - 1},            {"2147483648", std::nullopt},
               {"", std::nullopt},   {"abc", std::nullopt}, {"12abc", std::nullopt},
               {"inf", std::nullopt}, {"-nan", std::nullopt}, {"0x10", std::nullopt}, {"1 2", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(ParseInteger32(c.text), c.value) << c.text;

  EXPECT_EQ(ParseColourText(" 65280"), 65280);
  EXPECT_EQ(ParseColourText("16777215"), 16777215);
  EXPECT_EQ(ParseColourText("16777216"), std::nullopt);
  EXPECT_EQ(ParseColourText("-1"), std::nullopt);
}

TEST(SettingsModel, GarbageFallsBackToThatKeysDefault) {
  const Settings defaults = DefaultSettings(Context());
  FakeStore store;
  store.Set("Settings", "Zoom", "maybe");
  store.Set("Settings", "ShowKeys", "");
  store.Set("Settings", "Accuracy", "True");
  store.Set("Settings", "CalcTop", "high");
  store.Set("Settings", "CalcLeft", "1000");
  store.Set("Settings", "MDITop", "1e12");
  store.Set("Colors", "CalcBackground", "-5");
  store.Set("Colors", "ConvResult", "blue");
  store.Set("Colors", "Converter", " 255");
  const Settings s = ReadSettings(store.Lookup(), Context());
  EXPECT_EQ(s.choices.zoomSmall, defaults.choices.zoomSmall);
  EXPECT_EQ(s.choices.showKeys, defaults.choices.showKeys);
  EXPECT_EQ(s.choices.accuracy, kAccuracy32);
  EXPECT_EQ(s.calcTop, defaults.calcTop);
  EXPECT_EQ(s.calcLeft, 1000);
  EXPECT_EQ(s.mdiTop, defaults.mdiTop);
  EXPECT_EQ(s.calcBackground, defaults.calcBackground);
  EXPECT_EQ(s.convResult, defaults.convResult);
  EXPECT_EQ(s.converterColor, 255);
}

TEST(SettingsModel, APositionOffEveryScreenFallsBackToBothDefaults) {
  SettingsContext two = Context();
  two.screens.push_back({28800, -2000, 19200, 14000});  // a second screen to the right
  const Settings defaults = DefaultSettings(two);
  const struct {
    int32_t top, left;
    bool kept;
  } cases[] = {
      {1000, 1000, true},
      {1000, 30000, true},       // on the second screen
      {-4800, 30000, true},      // above the first screen, on the second
      {-4800, 1000, false},      // only 200 twips of it reach down onto the first
      {-4700, 1000, true},
      {20000, 1000, false},      // below every screen
      {1000, 60000, false},      // right of every screen
      {1000, -3300, true},       // 300 twips left to grab
      {1000, -3301, false},
  };
  for (const auto& c : cases) {
    FakeStore store;
    store.Set("Settings", "CalcTop", std::to_string(c.top));
    store.Set("Settings", "CalcLeft", std::to_string(c.left));
    const Settings s = ReadSettings(store.Lookup(), two);
    EXPECT_EQ(s.calcTop, c.kept ? c.top : defaults.calcTop) << c.top << ", " << c.left;
    EXPECT_EQ(s.calcLeft, c.kept ? c.left : defaults.calcLeft) << c.top << ", " << c.left;
  }
}

TEST(SettingsModel, AContainerFromAFileStartsOnAScreenAndFitsIt) {
  const SettingsContext c = Context();
  const struct {
    TwipRect file, expected;
  } cases[] = {
      {{1575, 1635, 4000, 3000}, {1575, 1635, 4000, 3000}},   // as it was saved
      {{-90000, -90000, 2055, 1040}, {9, 7, 2055, 1040}},     // off every screen: the fallback place
      {{1575, 1635, 30000, 40000}, {0, 0, 28800, 15600}},     // larger than the screen's work area
      {{27000, 1000, 4000, 3000}, {24800, 1000, 4000, 3000}}, // hanging off its right edge
      {{1575, 1635, -5, 0}, {1575, 1635, 1, 1}},
  };
  for (const auto& t : cases) EXPECT_EQ(FitOnScreens(t.file, 9, 7, c), t.expected) << t.file.left << "," << t.file.width;
}

}  // namespace
}  // namespace mezura
