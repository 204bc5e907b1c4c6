// What a key press means to the keypad where it is not simply the character
// it types: the keypad's decimal key under any layout, the comma, shortcuts,
// π and the tape's arrows, and texts no key of ours types.

#include <gtest/gtest.h>

#include <string>

#include "app/keys/key_mapping.h"

namespace mezura {
namespace {

TEST(MapKeyPress, KeysThatAreNotTheirText) {
  using K = KeyAction::Kind;
  const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
  const struct {
    const char* name;
    int key;
    std::u16string text;
    Qt::KeyboardModifiers modifiers;
    KeyAction action;
  } cases[] = {
      {"keypad decimal, point layout", Qt::Key_Period, u".", keypad, {K::Character, '.'}},
      {"keypad separator, comma layout", Qt::Key_Comma, u",", keypad, {K::Character, '.'}},
      {"keypad decimal typing a comma", Qt::Key_Period, u",", keypad, {K::Character, '.'}},
      {"keypad decimal with shift", Qt::Key_Comma, u".", keypad | Qt::ShiftModifier, {K::Character, '.'}},
      {"keypad decimal, unknown key", Qt::Key_unknown, u",", keypad, {K::Character, '.'}},
      {"comma on the main keyboard", Qt::Key_Comma, u",", Qt::NoModifier, {K::Beep}},
      {"keypad digit", Qt::Key_7, u"7", keypad, {K::Character, '7'}},
      {"keypad Enter", Qt::Key_Enter, u"\r", keypad, {K::Character, 13}},
      {"inch mark with shift", Qt::Key_QuoteDbl, u"\"", Qt::ShiftModifier, {K::Character, '"'}},
      {"Escape", Qt::Key_Escape, u"\x1b", Qt::NoModifier, {K::Character, 27}},
      {"Backspace", Qt::Key_Backspace, u"\b", Qt::NoModifier, {K::Character, 8}},
      {"p", Qt::Key_P, u"p", Qt::NoModifier, {K::Pi}},
      {"P", Qt::Key_P, u"P", Qt::ShiftModifier, {K::Pi}},
      {"left arrow", Qt::Key_Left, u"", Qt::NoModifier, {K::TapeLeft}},
      {"right arrow on the keypad", Qt::Key_Right, u"", keypad, {K::TapeRight}},
      {"Ctrl+C", Qt::Key_C, u"\x03", Qt::ControlModifier, {}},
      {"Alt+D", Qt::Key_D, u"d", Qt::AltModifier, {}},
      {"Meta+5", Qt::Key_5, u"5", Qt::MetaModifier, {}},
      {"Ctrl+keypad decimal", Qt::Key_Comma, u",", keypad | Qt::ControlModifier, {}},
      {"a letter beyond ASCII", Qt::Key_Eacute, u"\u00e9", Qt::NoModifier, {}},
      {"a division sign", Qt::Key_division, u"\u00f7", Qt::NoModifier, {}},
      {"DEL", Qt::Key_Delete, u"\x7f", Qt::NoModifier, {}},
      {"a control character", Qt::Key_unknown, u"\t", Qt::NoModifier, {}},
      {"two characters", Qt::Key_unknown, u"12", Qt::NoModifier, {}},
      {"no text", Qt::Key_F1, u"", Qt::NoModifier, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(MapKeyPress(c.key, c.text, c.modifiers), c.action) << c.name;
}

}  // namespace
}  // namespace mezura
