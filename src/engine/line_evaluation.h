#pragma once
// One line of trade notation worked out by the calculator's engine, for the
// command line (mezura --eval): the line is cut into values and operators,
// and the engine is pressed through its public keys exactly as a user would
// press them, on a tape store of its own, so that every result and every
// refusal is the window's. What a refusal means is told here in words; the
// printing and the exit status are the command line's.
//
// The line:
//   line     = value { step }
//   step     = operator value | root
//   operator = "+" | "-" | "−" | "x" | "X" | "×" | "*" | "/" | "÷"
//   root     = "sqrt" | "√"
// An operator or a root is a word of its own, with a blank (space or tab) or
// the line's end on each side; everything between them is a value, read by
// the one rule for text from outside the program (ReadOutsideText): " 5'- 3",
// "4'-8 3/8\"", "1-1/2\"", "38 mm", "20 sq". So "-" and "/" inside a value are
// its separator and fraction bar. A "-" word where a value begins is the
// value's sign ("- 13'- 0\" + 1'"). Steps are worked left to right like the
// adding machine: "5 + 3 x 2" is 16, and a root takes the root of the result
// so far. A line of one value gives that value as a result of its kind
// (" 1 1/2\"" for "38 mm").
//
//   EvaluateLine("5'3 1/2\" + 2'", 16).result  ->  " 7'- 3 1/2\""
//   EvaluateLine("10' / 4'", 16).result        ->  " 2.5"
//   EvaluateLine("5' + abc", 16)               ->  UnreadableValue, part "abc"

#include <cstddef>
#include <string>
#include <string_view>

namespace mezura {

/// Why a line gives no result.
enum class LineProblem {
  None,
  Empty,                 ///< nothing but blanks
  TooManySteps,          ///< more than kMaxLineSteps operators and roots
  UnreadableValue,       ///< the rule for outside text refuses the value
  OperatorForValue,      ///< an operator or a root where a value belongs
  DanglingOperator,      ///< an operator with no value after it
  ValueForOperator,      ///< a value right after a root, with no operator
  DimensionClash,        ///< a sum of an area, a volume or a length with another
  BeyondVolume,          ///< a product past the third power
  RootOfNegative,
  RootOfVolume,
  DivisionByZero,
  OutOfRange,            ///< a result no double holds
};

/// The most steps a line may have; a line's tape stays far below a tape's limit.
inline constexpr std::size_t kMaxLineSteps = 1000;

struct LineEvaluation {
  LineProblem problem = LineProblem::None;
  /// The result as the display shows it ("None" only).
  std::string result;
  /// The part of the line the problem lies in: a value, an operator, or a
  /// whole step ("x 2'"); empty for an empty line.
  std::string part;
  /// Where `part` starts in the line, in bytes.
  std::size_t offset = 0;
  /// The problem in words, naming the part ("None" only: empty).
  std::string message;

  bool ok() const { return problem == LineProblem::None; }
};

/// Works out `line` with linear results in fractions of 1/`accuracy` inch.
LineEvaluation EvaluateLine(std::string_view line, int accuracy);

}  // namespace mezura
