// Builds the lines of a printed tape from the tape store (see the header).
#include "tape/tape_print_text.h"

#include <algorithm>

#include "measure/measurement.h"
#include "tape/tape_store.h"

namespace mezura {

int TapePrintText::CharacterCount(const std::string& text) {
  // Every byte that is not a UTF-8 continuation byte starts a character.
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

TapePrintText TapePrintText::For(const TapeStore& store, int tape) {
  TapePrintText doc;
  if (tape < 0 || tape >= store.TapeSlots()) return doc;
  doc.tape = tape;
  doc.title = std::string(store.TapeName(tape));

  const int lastRow = std::max(0, store.TapeRowCount(tape));
  std::vector<std::string> rows;
  rows.reserve(static_cast<std::size_t>(lastRow) + 1);
  doc.width = CharacterCount(doc.title);
  for (int row = 0; row <= lastRow; ++row) {
    rows.emplace_back(TrimBlanks(store.Line(tape, row)));
    doc.width = std::max(doc.width, CharacterCount(rows.back()));
  }

  doc.lines.reserve(rows.size() + 1);
  // Centring drops the odd space, as integer division does.
  const int titleIndent = (doc.width - CharacterCount(doc.title)) / 2;
  doc.lines.push_back(std::string(static_cast<std::size_t>(titleIndent), ' ') + doc.title);
  for (std::string& row : rows) {
    const int pad = doc.width - CharacterCount(row);
    doc.lines.push_back(std::string(static_cast<std::size_t>(pad), ' ') + row);
  }
  return doc;
}

std::vector<TapePrintText> TapePrintText::AllTapes(const TapeStore& store) {
  std::vector<TapePrintText> docs;
  docs.reserve(static_cast<std::size_t>(store.TapeSlots()));
  for (int tape = 0; tape < store.TapeSlots(); ++tape) docs.push_back(For(store, tape));
  return docs;
}

}  // namespace mezura
