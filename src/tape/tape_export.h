#pragma once
// A tape taken out of the program as text: the lines for the clipboard, and
// the contents of a saved tape file, either in its printed layout or as a
// spreadsheet (CSV) with the value of every line that holds one. Which lines
// hold values is tape_line_value.h's rule; the layout is tape_print_text.h's;
// files, dialogs and the clipboard belong to the window.
//
//   std::string csv = TapeFileContents(store, tape, TapeFileFormat::Csv);
//   std::string copied = TapeCopyText(store, tape, {3, 4});   // two lines

#include <string>
#include <vector>

namespace mezura {

class TapeStore;

enum class TapeFileFormat {
  Text,  ///< the printed layout: the centred title over right-aligned lines
  Csv,   ///< RFC 4180: a header, then Line, Value, Unit per tape line; the value
         ///< in '.' decimals whatever the locale, digits enough to read back exactly
};

/// The rows of `tape` that count as its lines: rows 1 to its row count, and
/// row 0 as well when something stands in it (a loaded memory cell's value).
std::vector<int> TapeLineRows(const TapeStore& store, int tape);

/// The lines at `rows` of `tape` (all of its lines when `rows` is empty), one
/// per line, in row order, without trailing blanks; rows outside the tape are
/// left out.
std::string TapeCopyText(const TapeStore& store, int tape, std::vector<int> rows);

/// The contents of a file holding `tape`, UTF-8 text: lines end in "\n" for
/// Text and in "\r\n" for Csv. An unknown tape gives an empty text.
std::string TapeFileContents(const TapeStore& store, int tape, TapeFileFormat format);

}  // namespace mezura
