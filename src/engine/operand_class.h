#pragma once
// The dimension classes of operand texts and the rules that decide the class
// of a product, a quotient or a sum from the classes of its operands. Only the
// marks in a text count; the numbers are the engine's, the formatting is the
// measurement module's.

#include <string>
#include <string_view>

#include "measure/measurement.h"

namespace mezura {

/// What the marks of an operand text say about its value.
enum class OperandClass {
  Plain,   ///< no marks: a bare number (keypad, pi, unit-less quotients); counts as inches
  Linear,  ///< a foot or an inch mark
  Square,  ///< "sq" anywhere
  Cubic,   ///< "cu" anywhere (tested first)
};

/// How the result of a product or quotient is written.
enum class ResultClass {
  Rejected,      ///< beyond the third power
  Plain,         ///< short number with its sign place (" 2.5")
  PlainNoBlank,  ///< short number without the blank sign place ("2.5")
  Linear,
  Square,
  Cubic,
};

/// Stand-ins the formulas keep as operand texts where only the dimension matters.
inline constexpr std::string_view kLinearMarker = "\"";
inline constexpr std::string_view kSquareMarker = "\"sq";

OperandClass ClassOfOperand(std::string_view text);

/// Plain times plain is linear (a plain number counts as inches); anything
/// past cubic is rejected.
ResultClass ProductClass(OperandClass first, OperandClass second);
ResultClass QuotientClass(OperandClass dividend, OperandClass divisor);

/// The dimension an operand has in a sum: a plain number counts as linear.
Dimension SumDimension(OperandClass operand);

/// `value` written as `result` says; empty for Rejected.
std::string ResultClassText(double value, ResultClass result, int accuracy);

}  // namespace mezura
