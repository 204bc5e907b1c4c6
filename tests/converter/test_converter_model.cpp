// What a dropped measurement shows in the converter, its collapse/expand
// state, its labels' width and its place beside the calculator.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "converter/converter_model.h"

namespace mezura {
namespace {

using Captions = std::array<std::string, 5>;  // lblLabel(2) to lblLabel(6)

Captions Shown(const ConverterModel& model) {
  Captions c;
  for (int i = 0; i < 5; ++i) c[static_cast<size_t>(i)] = model.ResultCaption(kFirstResultLabel + i);
  return c;
}

struct Case {
  const char* dropped;
  int accuracy;
  const char* caption;
  Captions results;
};

class Conversions : public ::testing::TestWithParam<Case> {};

TEST_P(Conversions, ShowTheDroppedValueInEveryUnit) {
  const Case& c = GetParam();
  ConverterModel model;
  model.Drop(c.dropped, c.accuracy);
  EXPECT_EQ(model.DropCaption(), c.caption);
  EXPECT_EQ(Shown(model), c.results);
}

INSTANTIATE_TEST_SUITE_P(
    Converter, Conversions,
    ::testing::Values(
        Case{" 5'- 6\"", 16, "5'- 6\" ", {" 5'- 6\" ", " 66\" ", " 5.5' ", " 1.8333 yds ", " .001 miles "}},
        Case{"- 5'- 6\"", 16, "- 5'- 6\" ", {"- 5'- 6\" ", "-66\" ", "-5.5' ", "-1.8333 yds ", "-.001 miles "}},
        Case{" 1'- 0\" sq.", 16, "1'- 0\" sq. ", {" 1'- 0\"sq ", " 144\"sq ", " 1'sq ", " .1111 sy ", " 0 acres "}},
        Case{" 27'- 0\" cu.", 16, "27'- 0\" cu. ", {" 27'- 0\"cu ", " 46656\"cu ", " 27'cu ", " 1 cy ", ""}},
        Case{"-864 1/8\" cu.", 32, "-864 1/8\" cu. ", {"- 864 1/8\"cu ", "-864.125\"cu ", "-.5001'cu ", "-.0185 cy ", ""}},
        // "cu" is tested before "sq"
        Case{"3\" sq cu", 16, "3\" sq cu ", {" 3\"cu ", " 3\"cu ", " .0017'cu ", " .0001 cy ", ""}},
        Case{"  3.40625  ", 32, "3.40625 ", {" 3 13/32\" ", " 3.4062\" ", " .2839' ", " .0946 yds ", " .0001 miles "}},
        Case{"  3.40625  ", 16, "3.40625 ", {" 3 3/8\" ", " 3.4062\" ", " .2839' ", " .0946 yds ", " .0001 miles "}},
        Case{"", 16, " ", {" 0\" ", " 0\" ", " 0' ", " 0 yds ", " 0 miles "}},
        Case{"abc", 16, "abc ", {" 0\" ", " 0\" ", " 0' ", " 0 yds ", " 0 miles "}},
        Case{"6969600 sq", 16, "6969600 sq ", {" 48400'- 0\"sq ", " 6969600\"sq ", " 48400'sq ", " 5377.7778 sy ", " 1.1111 acres "}}));

// lblLabel(7) to lblLabel(9): the same value in metric units, from the exact
// factors (1" = 25.4 mm), rounded as the exact decimals they are.
TEST(Conversions, ShowTheValueInMetricUnitsBelow) {
  const struct {
    const char* dropped;
    std::array<std::string, 3> metric;
  } cases[] = {
      {" 1'- 0\"", {" 304.8 mm ", " 30.48 cm ", " .3048 m "}},
      {"- 5'- 6\"", {"-1676.4 mm ", "-167.64 cm ", "-1.6764 m "}},
      {"5280'", {" 1609344 mm ", " 160934.4 cm ", " 1609.344 m "}},
      // .79375 mm is a tie, to the even 8; the double nearest 25.4 / 32 lies below it
      {"1/32", {" .7938 mm ", " .0794 cm ", " .0008 m "}},
      {" 1'- 0\" sq.", {" 929.0304 cm\u00b2 ", " .0929 m\u00b2 ", ""}},
      {"1/8\" sq.", {" .8064 cm\u00b2 ", " .0001 m\u00b2 ", ""}},  // .80645, to the even 4
      {" 1'- 0\" cu.", {" 28316.8466 cm\u00b3 ", " .0283 m\u00b3 ", " 28.3168 litres "}},
      {" 27'- 0\" cu.", {" 764554.858 cm\u00b3 ", " .7646 m\u00b3 ", " 764.5549 litres "}},
  };
  for (const auto& c : cases) {
    ConverterModel model;
    model.Drop(c.dropped, 16);
    const std::array<std::string, 3> shown = {model.ResultCaption(7), model.ResultCaption(8), model.ResultCaption(9)};
    EXPECT_EQ(shown, c.metric) << c.dropped;
  }
}

TEST(ConverterFigure, RoundsToFourDecimalsHalvesToEven) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{0.03125, " .0312 x"}, {0.09375, " .0938 x"}, {-0.03125, "-.0312 x"},
               {0.00004, " 0 x"},     {-0.00004, " 0 x"},    {2.5, " 2.5 x"},
               {1e14, " 100000000000000 x"},
               // every decimal up to the fourth, beyond a double's 15 shortest digits
               {123456789012.3456, " 123456789012.3456 x"}, {-0.5, "-.5 x"},
               // Past 9E+11 the ten-thousandths scaled in binary would lose digits;
               // these are exact doubles, rounded as decimals.
               {9e11 + 0.1234, " 900000000000.1234 x"},                    // ...1234130859375
               {1e12 + 2049.0 / 8192, " 1000000000000.2501 x"},            // ...2501220703125
               {123456789012345.6875, " 123456789012345.6875 x"},
               {1e12 + 1.0 / 32, " 1000000000000.0312 x"},                 // a tie, to even
               {-(1e12 + 3.0 / 32), "-1000000000000.0938 x"},
               {700000000000000.375, " 700000000000000.375 x"},            // not the shortest form's .4
               {922337203685477.5, " 922337203685477.5 x"}};
  for (const auto& c : cases) EXPECT_EQ(ConverterFigure(c.value, " x"), c.text) << c.value;
}

TEST(ConverterFigure, WhatCannotBeShownIsNothing) {
  for (const double value : {HUGE_VAL, -HUGE_VAL, std::nan(""), 1e15, -1e300, 922337203685477.625})
    EXPECT_EQ(ConverterFigure(value, " x"), std::nullopt) << value;
}

TEST(ConverterModel, ALabelWhoseFigureCannotBeShownKeepsItsCaption) {
  ConverterModel model;
  model.Drop("66", 16);
  const Captions before = Shown(model);
  model.Drop("1/0", 16);  // infinite inches
  EXPECT_EQ(model.DropCaption(), "1/0 ");
  EXPECT_EQ(Shown(model), before);

  model.Drop("1E300", 16);  // finite, but beyond the figures' range
  const Captions after = Shown(model);
  EXPECT_NE(after[0], before[0]);  // the feet-and-inches form still shows it
  for (size_t i = 1; i < 5; ++i) EXPECT_EQ(after[i], before[i]) << i;
  EXPECT_EQ(model.ResultCaption(7), " 1676.4 mm ");
  EXPECT_EQ(model.ResultCaption(9), " 1.6764 m ");
}

TEST(ConverterModel, CollapseExpandAndClear) {
  ConverterModel model;
  EXPECT_TRUE(model.Collapsed());
  EXPECT_EQ(model.HeightTwips(), 770);
  EXPECT_EQ(model.DropCaption(), " Drop Here     ");

  model.Drop("12", 16);  // a drop always expands
  EXPECT_FALSE(model.Collapsed());
  EXPECT_EQ(model.HeightTwips(), 3210);
  model.Drop("13", 16);
  EXPECT_EQ(model.HeightTwips(), 3210);

  model.Clear();  // empties and collapses an expanded converter
  EXPECT_EQ(model.DropCaption(), "Drop Here     ");
  EXPECT_EQ(Shown(model), Captions{});
  EXPECT_EQ(model.HeightTwips(), 770);
  model.Clear();  // and expands a collapsed one
  EXPECT_EQ(model.HeightTwips(), 3210);

  model.ToggleCollapsed();
  EXPECT_EQ(model.HeightTwips(), 770);
  model.ToggleCollapsed();
  EXPECT_EQ(model.HeightTwips(), 3210);
  EXPECT_EQ(model.ResultCaption(1), "");
  EXPECT_EQ(model.ResultCaption(7), "");  // the metric labels are cleared too
  EXPECT_EQ(model.ResultCaption(10), "");
}

TEST(ConverterModel, LabelsFollowTheWidthLess240) {
  EXPECT_EQ(ConverterLabelWidth(1815), 1575);
  EXPECT_EQ(ConverterLabelWidth(3000.5), 2760);  // halves to even
  EXPECT_EQ(ConverterLabelWidth(3001.5), 2762);
}

TEST(ConverterModel, PlacedBesideTheCalculatorAwayFromTheScreenEdge) {
  const struct {
    int32_t calcLeft, screenLeft;
    int32_t left;
  } cases[] = {
      {0, 0, 0 + 3600 + 200},           // at the left edge: on its right
      {25200, 0, 25200 - 1815 - 200},   // at the right edge: on its left
      {12600, 0, 12600 - 1815 - 200},   // centred exactly: on its left
      {12599, 0, 12599 + 3600 + 200},
      {28800, 28800, 28800 + 3600 + 200},  // left edge of a second screen
  };
  for (const auto& c : cases) {
    const ConverterPlacement place = PlaceConverterBeside(c.calcLeft, 1234, 3600, c.screenLeft, 28800, 1815);
    EXPECT_EQ(place.left, c.left) << c.calcLeft;
    EXPECT_EQ(place.top, 1234);
  }
}

}  // namespace
}  // namespace mezura
