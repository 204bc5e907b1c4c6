#pragma once
// Which tape lines hold a value, and which value: the one rule that every
// export of a tape (a spreadsheet file, anything that reads figures back off
// the tape) asks, so that they all agree. It reads the lines the engine, the
// formulas and the memory transfers write; what they write is theirs.
//
// A value line is
//   - a first operand or a plain number:        "5'- 3 ", " 2.5 ", " 3.14159265358979 "
//   - an operation on an entry:                 "+ 2' ", "- 1/2\" ", "x 7 ", "/ 4 "
//   - a result (the line after a separator):    " 7'- 3 1/2\" ", "- 3 1/4\" sq. "
//   - a transfer to or from a memory cell:      " + 5'- 3 1/2\" ", " - 6\" "
//   - a side of a diagonal:                     "Side1 =  3'- 0\" "
//   - a figure of the stairs:                   "Riser =  7 1/2\" ", "Risers =  14 "
//   - a memory cell's loaded value in row 0
// and its value is the measurement written on it (an operation's or a
// transfer's operand, without the sign of the operation). Separators,
// "Clear", blank lines, formula titles and the square root's "SQT  " hold
// none. A result and a subtraction can look alike ("- 3\" "), so the line
// before decides: after a separator the whole line is the result, signed.
//
//   ReadTapeLineValue("+ 2' ", " 5'- 3 ")  ->  24 inches, linear

#include <optional>
#include <string>
#include <string_view>

#include "measure/measurement.h"

namespace mezura {

struct TapeLineValue {
  double value = 0.0;                      ///< inches, square inches or cubic inches
  Dimension dimension = Dimension::Linear;
  bool plainNumber = false;                ///< written without any mark: a bare number
};

/// The value `line` holds, given the line above it (empty for the first
/// line of a tape); nothing for a line that holds no value.
std::optional<TapeLineValue> ReadTapeLineValue(std::string_view line, std::string_view previous);

/// The measurement written on a value line, in the form ReadOutsideText
/// gives it (" 7 1/2\"", "- 3\"", "14"): what dragging the line carries.
/// Nothing for a line that holds no value.
std::optional<std::string> TapeLineValueText(std::string_view line, std::string_view previous);

/// True for a separator line: dashes only (blanks around them aside).
bool IsTapeSeparator(std::string_view line);

}  // namespace mezura
