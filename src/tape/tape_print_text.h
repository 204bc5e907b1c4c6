#pragma once
// What a printed tape says, line by line: the centred title over the tape's
// rows, every row trimmed and right-aligned to one common width, so that the
// figures line up as on an adding-machine roll. Fonts, pages and printers are
// left to the printing layer (tape/ui/tape_printer.h); this module only reads
// the tape store.
//
// Use:
//   TapePrintText doc = TapePrintText::For(store, tape);   // one print job
//   for (const std::string& line : doc.lines) ...           // title first
//   std::vector<TapePrintText> all = TapePrintText::AllTapes(store);  // tape 0 first

#include <string>
#include <vector>

namespace mezura {

class TapeStore;

class TapePrintText {
 public:
  /// The document of one tape; an unknown tape gives a document without lines.
  static TapePrintText For(const TapeStore& store, int tape);
  /// One document per tape in the store, in tape order (tape 0 first),
  /// including the tapes of memory cells closed since the last erase.
  static std::vector<TapePrintText> AllTapes(const TapeStore& store);
  /// Length of `text` in characters (UTF-8 code points), the unit that the
  /// alignment counts in, so that a cell named "Fläche" is not one too wide.
  static int CharacterCount(const std::string& text);

  int tape = -1;                   ///< the tape printed
  std::string title;               ///< the tape's title, untrimmed
  int width = 0;                   ///< W: the longest of the title and every trimmed row, in characters
  std::vector<std::string> lines;  ///< the title line, then rows 0..TapeRowCount, each W wide
};

}  // namespace mezura
