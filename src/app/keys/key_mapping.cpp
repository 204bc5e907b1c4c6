#include "app/keys/key_mapping.h"

namespace mezura {
namespace {

KeyAction Character(int code) { return {KeyAction::Kind::Character, code}; }

}  // namespace

KeyAction MapKeyPress(int key, std::u16string_view text, Qt::KeyboardModifiers modifiers) {
  using Kind = KeyAction::Kind;
  // Shortcuts (the menus' Alt letters, Ctrl combinations) are not typing.
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  switch (key) {
    case Qt::Key_Escape: return Character(27);
    case Qt::Key_Return:
    case Qt::Key_Enter: return Character(13);
    case Qt::Key_Backspace: return Character(8);
    case Qt::Key_Space: return Character(' ');
    case Qt::Key_Left: return {Kind::TapeLeft};
    case Qt::Key_Right: return {Kind::TapeRight};
    default: break;
  }
  // The keypad's decimal key types the desktop language's separator, a comma
  // in many; on the calculator it is the decimal point whatever the layout.
  if ((modifiers & Qt::KeypadModifier) &&
      (key == Qt::Key_Period || key == Qt::Key_Comma || text == u"." || text == u","))
    return Character('.');
  if (text.size() != 1 || text[0] < 32 || text[0] > 126) return {};
  const char16_t c = text[0];
  // A comma is no mark of a measurement: dropped silently it turned "1,5"
  // into 15.
  if (c == u',') return {Kind::Beep};
  // Pi's key is out of sight under Inch, so the keyboard reaches it.
  if (c == u'p' || c == u'P') return {Kind::Pi};
  return Character(c);
}

}  // namespace mezura
