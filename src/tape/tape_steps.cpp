#include "tape/tape_steps.h"

#include "measure/measurement.h"

namespace mezura {
namespace {

constexpr std::string_view kSquaredR = "Pi(r\xC2\xB2)";  // U+00B2 in UTF-8

std::string Line(std::string_view text) { return std::string(text) + " "; }
std::string Trimmed(std::string_view text) { return Line(TrimTrailingBlanks(text)); }
std::string PiLine(double pi) { return Line(ShortNumber(pi)); }
std::string FactorLine(std::string_view value) { return "x " + Line(value); }
std::string TransferLine(bool subtract, std::string_view value) {
  return (subtract ? " - " : " + ") + Trimmed(value);
}

}  // namespace

StepLines FirstOperandLines(std::string_view entry) { return {Line(entry)}; }

StepLines OperationLines(std::string_view symbol, std::string_view operand, std::string_view result) {
  return {std::string(symbol) + " " + Trimmed(operand), std::string(kTapeSeparator), Trimmed(result)};
}

StepLines CircumferenceHeader(double pi) { return {"Circumference ", PiLine(pi)}; }

StepLines CircleAreaHeader(double pi, std::string_view radius) {
  return {"Area of Circle ", PiLine(pi), FactorLine(radius)};
}

StepLines CylinderHeader(double pi, std::string_view radius) {
  return {std::string(kSquaredR) + "*l Volume of Cylinder ", PiLine(pi), FactorLine(radius), FactorLine(radius)};
}

StepLines DiagonalHeader(std::string_view side1) { return {"Diagonal ", "Side1 = " + Line(side1)}; }

StepLines DiagonalResultLines(std::string_view side2, std::string_view result) {
  return {"Side2 = " + Line(side2), std::string(kTapeSeparator), Trimmed(result)};
}

StepLines StairsHeader(std::string_view totalRise) { return {"Stairs ", "Rise = " + Line(totalRise)}; }

StepLines StairsResultLines(const StairsFigures& f) {
  return {"Run = " + Line(f.totalRun),         std::string(kTapeSeparator),  "Risers = " + Trimmed(f.risers),
          "Riser = " + Trimmed(f.riserHeight), "Treads = " + Trimmed(f.treads), "Tread = " + Trimmed(f.treadDepth),
          "Stringer = " + Trimmed(f.stringer)};
}

StepLines ClearMark() { return {" ", "Clear ", " "}; }

StepLines TransferFirstLines(bool subtract, std::string_view value) { return {TransferLine(subtract, value)}; }

StepLines TransferLines(bool subtract, std::string_view value, std::string_view result) {
  return {TransferLine(subtract, value), std::string(kTransferSeparator), Trimmed(result)};
}

std::string LoadedValueLine(std::string_view value) { return std::string(value); }

}  // namespace mezura
