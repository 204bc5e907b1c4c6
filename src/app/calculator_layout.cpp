#include "app/calculator_layout.h"

#include <array>
#include <cmath>

namespace mezura {

namespace {

constexpr double kKey = 480;
constexpr double kCol[] = {130, 670, 1210, 1850, 2390, 2930};
constexpr double kRow[] = {720, 1260, 1800, 2340};

constexpr TwipRect Key(int column, int row) { return {kCol[column], kRow[row], kKey, kKey}; }

using E = CalculatorEngine;

const std::array<KeyDefinition, 25> kKeys{{
    {"Number(7)", "7", "7", "7", Key(0, 0), nullptr, 7},
    {"Number(8)", "8", "8", "8", Key(1, 0), nullptr, 8},
    {"Number(9)", "9", "9", "9", Key(2, 0), nullptr, 9},
    {"Plus", "+", "Add", "Plus", Key(3, 0), &E::Plus_Click},
    {"Minus", "--", "Subtract", "Minus", Key(4, 0), &E::Minus_Click},
    {"Cancel", "C", "Clear", "Clear", Key(5, 0), &E::Cancel_Click},
    {"Number(4)", "4", "4", "4", Key(0, 1), nullptr, 4},
    {"Number(5)", "5", "5", "5", Key(1, 1), nullptr, 5},
    {"Number(6)", "6", "6", "6", Key(2, 1), nullptr, 6},
    {"Multiply", "x", "Multiply", "Times", Key(3, 1), &E::Multiply_Click},
    {"Divide", "/", "Divide", "Divided by", Key(4, 1), &E::Divide_Click},
    {"CancelEntry", "CE", "Cancel Entry", "Clear Entry", Key(5, 1), &E::CancelEntry_Click},
    {"Number(1)", "1", "1", "1", Key(0, 2), nullptr, 1},
    {"Number(2)", "2", "2", "2", Key(1, 2), nullptr, 2},
    {"Number(3)", "3", "3", "3", Key(2, 2), nullptr, 3},
    {"Foot", "Ft", "Foot", "Feet", Key(3, 2), &E::Foot_Click},
    {"Square", "x\u00B2", "Square", "Square", Key(4, 2), &E::Square_Click},
    {"Equal", "=", "Equals", "Equals", {kCol[5], kRow[2], kKey, 1020}, &E::Equal_Click, -1, 12},
    {"Number(0)", "0", "0", "0", Key(0, 3), nullptr, 0},
    {"Decimal", ".", "Decimal Point", "Decimal point", Key(1, 3), &E::Decimal_Click},
    {"Spacebar", "", "Space", "Space", Key(2, 3), &E::Spacebar_Click},
    {"Inch", "In", "Inch", "Inches", Key(3, 3), &E::Inch_Click},
    {"SquareRoot", "\u221A", "Square Root", "Square root", Key(4, 3), &E::SquareRoot_Click},
    {"Backspace", "Bks", "", "Backspace", Key(3, 2), &E::Backspace_Click, -1, 9.75, false},
    {"Pi", "Pi", "", "Pi", Key(3, 3), &E::Pi_Click, -1, 9.75, false},
}};

}  // namespace

std::span<const KeyDefinition> KeypadTable() { return kKeys; }

TwipRect ZoomSmallRect(const TwipRect& design) {
  TwipRect r{design.left * 0.75, design.top * 0.75, design.width * 0.75, design.height * 0.75};
  // The compact layout nudges a key 10 twips right when its scaled left
  // rounds to an even number, which spaces the columns as users know them.
  if (static_cast<long long>(std::nearbyint(r.left)) % 2 == 0) r.left += 10;
  return r;
}

}  // namespace mezura
