#include "engine/operand_class.h"

#include <array>

namespace mezura {

OperandClass ClassOfOperand(std::string_view text) {
  if (IsCubicText(text)) return OperandClass::Cubic;
  if (IsSquareText(text)) return OperandClass::Square;
  if (text.find_first_of("'\"") != std::string_view::npos) return OperandClass::Linear;
  return OperandClass::Plain;
}

ResultClass ProductClass(OperandClass first, OperandClass second) {
  // The power of length adds up; two bare numbers still make inches.
  auto power = [](OperandClass c) {
    switch (c) {
      case OperandClass::Plain: return 0;
      case OperandClass::Linear: return 1;
      case OperandClass::Square: return 2;
      case OperandClass::Cubic: return 3;
    }
    return 0;
  };
  switch (power(first) + power(second)) {
    case 0:
    case 1: return ResultClass::Linear;
    case 2: return ResultClass::Square;
    case 3: return ResultClass::Cubic;
    default: return ResultClass::Rejected;
  }
}

ResultClass QuotientClass(OperandClass dividend, OperandClass divisor) {
  // Not a power rule: a length over an area stays a bare number, and equal
  // dimensions of area or volume cancel to a number without sign place.
  using R = ResultClass;
  static constexpr std::array<std::array<R, 4>, 4> kTable{{
      //            plain       linear     square           cubic   (divisor)
      /* plain  */ {R::Plain, R::Plain, R::Plain, R::Plain},
      /* linear */ {R::Linear, R::Plain, R::Plain, R::Plain},
      /* square */ {R::Square, R::Linear, R::PlainNoBlank, R::Linear},
      /* cubic  */ {R::Cubic, R::Square, R::Linear, R::PlainNoBlank},
  }};
  return kTable[static_cast<size_t>(dividend)][static_cast<size_t>(divisor)];
}

Dimension SumDimension(OperandClass operand) {
  switch (operand) {
    case OperandClass::Square: return Dimension::Square;
    case OperandClass::Cubic: return Dimension::Cubic;
    case OperandClass::Plain:
    case OperandClass::Linear: break;
  }
  return Dimension::Linear;
}

std::string ResultClassText(double value, ResultClass result, int accuracy) {
  switch (result) {
    case ResultClass::Rejected: return {};
    case ResultClass::Plain: return ShortNumber(value);
    case ResultClass::PlainNoBlank: {
      std::string text = ShortNumber(value);
      if (!text.empty() && text.front() == ' ') text.erase(0, 1);
      return text;
    }
    case ResultClass::Linear: return FormatWithSuffix(value, Dimension::Linear, accuracy);
    case ResultClass::Square: return FormatWithSuffix(value, Dimension::Square, accuracy);
    case ResultClass::Cubic: return FormatWithSuffix(value, Dimension::Cubic, accuracy);
  }
  return {};
}

}  // namespace mezura
