#pragma once
// The computer keyboard on the calculator: what a key press (Qt's key code,
// the text it types and its modifiers) means to the keypad. The calculator
// window asks this for every key press it sees before its keys do and acts
// on the answer: a character code for the engine's KeyPress, π, a step along
// the tape, a beep, or nothing (the press is not the calculator's and goes on
// to whoever has the focus). Only Qt's key names are used (QtCore), so the
// fuzz build drives it without windows.
//
//   MapKeyPress(Qt::Key_5, u"5", Qt::NoModifier)                  -> Character '5'
//   MapKeyPress(Qt::Key_Comma, u",", Qt::KeypadModifier)          -> Character '.'
//   MapKeyPress(Qt::Key_Comma, u",", Qt::NoModifier)              -> Beep

#include <QtCore/qnamespace.h>

#include <string_view>

namespace mezura {

struct KeyAction {
  enum class Kind {
    None,       ///< not the calculator's: let the press go on
    Character,  ///< the engine's KeyPress(code)
    Pi,         ///< the π key
    TapeLeft,   ///< the tape's left and right arrows, when the tape is shown
    TapeRight,
    Beep,       ///< a key that looks like part of a number but is none
  };
  Kind kind = Kind::None;
  int code = 0;  ///< the character code, for Character
  bool operator==(const KeyAction&) const = default;
};

/// The meaning of one key press. `key` is a Qt::Key value, `text` what the
/// press types (QKeyEvent::text(), UTF-16), `modifiers` its modifiers.
KeyAction MapKeyPress(int key, std::u16string_view text, Qt::KeyboardModifiers modifiers);

}  // namespace mezura
