#pragma once
// Text from outside the program: another program's drag or clipboard, or a
// value dragged from another running Mezura. Every place where such text can enter (the
// display, a memory cell, the converter) asks this one rule, so that all of
// them take and refuse the same texts. What an accepted value then does is
// the receiver's business.
//
// Taken, once blanks, tabs and line ends around it are trimmed and if both it
// and the value it gives are at most kMaxOutsideTextBytes long:
//   - a measurement as the program writes it, the keys type it or builders
//     write it elsewhere: an optional "-", feet with the foot mark, inches,
//     a fraction, the inch mark, each optional but with at least one number,
//     blanks and one "-" allowed between them (" 5'- 3 1/2\"", "4'8-3/8\"",
//     "1-1/2\"", "- 6\"", "7", "3/4"); digits left over that belong to none
//     of these ("5 3", "5\" 3") make the text no measurement;
//   - numbers in the exponent form the program writes ("6.25E-05",
//     " 1E+16'- 0\"");
//   - either of them followed by one area or volume mark, "sq", "sq.", "cu" or
//     "cu.", with or without a blank before it; the mark becomes the program's
//     own " sq." or " cu.";
//   - a metric quantity: an optional "-", a decimal number (digits with at
//     most one point, no exponent, no grouping), blanks (also no-break ones)
//     or none, and one unit: mm cm m; mm² cm² m², or "sq" / "sq." and a
//     length symbol ("sq m"); mm³ cm³ m³, or "cu" / "cu." and a length
//     symbol; ml mL l L litre litres liter liters. It becomes the exact
//     conversion in inches (square, cubic inches) to 15 significant digits,
//     with the inch mark and the program's own " sq." or " cu.";
// and only when the value it stands for is a finite number. Everything else
// is refused: other letters and units, control characters, NUL, bytes beyond
// ASCII outside a metric unit, a second mark, a fraction over zero, metric
// units mixed with feet and inches or with each other ("1 m 5'", "1 m 50 cm").
//
//   ReadOutsideText("\t5' sq\r\n")  ->  "5' sq."
//   ReadOutsideText("304.8 mm")     ->  "12\""
//   ReadOutsideText("2 m²")         ->  "3100.0062000124\" sq."
//   ReadOutsideText("five feet")    ->  nothing

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mezura {

/// The longest outside text, once trimmed, that is read as a value.
inline constexpr std::size_t kMaxOutsideTextBytes = 200;

/// The value text that `text` from outside the program stands for, or nothing
/// when it does not read as a value. What it gives reads back as itself.
std::optional<std::string> ReadOutsideText(std::string_view text);

}  // namespace mezura
