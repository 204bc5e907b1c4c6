#pragma once
// Every line a step of the program writes on a tape, composed here and
// nowhere else: each function gives one step's lines in order, and the writer
// (the engine, the transfers, the memory cells) appends them with one
// TapeStore::AppendLines call, so that a step is on the tape whole or not at
// all. What a step means is its writer's business; how it reads on the roll
// is this module's. Each line ends with one blank, as the roll prints it.
//
//   tapes.AppendLines(0, OperationLines("+", "2'", " 7'- 3\""));
//     // "+ 2' ", "--------------- ", " 7'- 3\" "

#include <string>
#include <string_view>
#include <vector>

namespace mezura {

using StepLines = std::vector<std::string>;

/// Stands between an operation and its result.
inline constexpr std::string_view kTapeSeparator = "--------------- ";
/// Stands between a transfer and its result: one hyphen longer, so that a
/// transfer is told apart from an operation on the roll.
inline constexpr std::string_view kTransferSeparator = "---------------- ";

/// An entry that becomes the first operand: "5'- 3 ".
StepLines FirstOperandLines(std::string_view entry);

/// An operation: its symbol and the operand without trailing blanks, the
/// separator, the result ("+ 2' ", "--------------- ", " 7'- 3\" "). The
/// square root has no operand: "SQT  ".
StepLines OperationLines(std::string_view symbol, std::string_view operand, std::string_view result);

// The guided formulas. `pi` is the calculator's π; a radius or side is shown
// as it was entered or formatted.
StepLines CircumferenceHeader(double pi);
StepLines CircleAreaHeader(double pi, std::string_view radius);
StepLines CylinderHeader(double pi, std::string_view radius);
StepLines DiagonalHeader(std::string_view side1);
/// The diagonal's last step: "Side2 = " and side 2, the separator, the result.
StepLines DiagonalResultLines(std::string_view side2, std::string_view result);

/// The stairs' first step: the title and "Rise = " with the total rise.
StepLines StairsHeader(std::string_view totalRise);
/// What the stairs' last step writes, each figure already formatted.
struct StairsFigures {
  std::string totalRun;
  std::string risers;       ///< a count, as a plain number
  std::string riserHeight;
  std::string treads;       ///< a count, as a plain number
  std::string treadDepth;
  std::string stringer;
};
/// "Run = " and the total run, the separator, then one labelled line per
/// figure, the stringer last: "Risers =  14 ", "Riser =  7 1/2\" ", ...
StepLines StairsResultLines(const StairsFigures& figures);

/// The clear mark: " ", "Clear ", " ". Nothing above it is erased.
StepLines ClearMark();

/// A value that becomes the total: " + T " or " - T ".
StepLines TransferFirstLines(bool subtract, std::string_view value);
/// A value added to or subtracted from a total or a cell: " + T ", the
/// transfer separator, the result. The value and the result lose their
/// trailing blanks.
StepLines TransferLines(bool subtract, std::string_view value, std::string_view result);

/// Line 0 of a loaded cell's tape: the value as the memory file holds it.
std::string LoadedValueLine(std::string_view value);

}  // namespace mezura
