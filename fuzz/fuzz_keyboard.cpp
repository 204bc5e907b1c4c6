// Fuzzes the computer keyboard on the calculator: key presses as a QKeyEvent
// can carry them (any Qt key code, texts of any UTF-16 units including
// control characters and non-ASCII, any modifiers), mapped as the calculator
// window maps them and played into the engine, with the tape arrows moving
// between the calculator's tape and two cells' tapes.
// Invariants: shortcuts (Ctrl, Alt, Meta) are never typing; the keypad's
// decimal key is always the decimal point; only a comma beeps; the engine is
// given only the character codes of its key table's range, never a comma; the
// display shows only ASCII and never a comma, "inf" or "nan"; the total stays
// finite.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "app/keys/key_mapping.h"
#include "engine/calculator_engine.h"
#include "fuzz_checks.h"
#include "memory/memory_model.h"
#include "tape/tape_layout.h"

namespace {

using namespace mezura;
using fuzz::Check;
using fuzz::CheckShown;

// Keys the mapping treats apart, so that they come up often.
constexpr std::array<int, 30> kKeys = {
    Qt::Key_0,      Qt::Key_5,         Qt::Key_9,      Qt::Key_Period,     Qt::Key_Comma,  Qt::Key_Escape,
    Qt::Key_Return, Qt::Key_Enter,     Qt::Key_Backspace, Qt::Key_Space,   Qt::Key_Left,   Qt::Key_Right,
    Qt::Key_P,      Qt::Key_X,         Qt::Key_C,      Qt::Key_Apostrophe, Qt::Key_QuoteDbl, Qt::Key_Slash,
    Qt::Key_Asterisk, Qt::Key_Plus,    Qt::Key_Minus,  Qt::Key_Equal,      Qt::Key_Delete, Qt::Key_unknown,
    Qt::Key_Tab,    Qt::Key_Up,        Qt::Key_Eacute, Qt::Key_division,   Qt::Key_F1,     Qt::Key_AltGr,
};
constexpr std::string_view kTyped = "0123456789.,'\" -+*/xXcCpP=\x1b\r\b";

std::u16string Text(FuzzedDataProvider& in) {
  std::u16string text;
  const int length = in.ConsumeIntegralInRange(0, 3);
  for (int i = 0; i < length; ++i) {
    if (in.ConsumeBool())
      text += static_cast<char16_t>(kTyped[in.ConsumeIntegralInRange<size_t>(0, kTyped.size() - 1)]);
    else
      text += static_cast<char16_t>(in.ConsumeIntegral<uint16_t>());
  }
  return text;
}

bool IsEngineCode(int code) { return code == 8 || code == 13 || code == 27 || (code >= 32 && code <= 126); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  TapeStore tapes;
  fuzz::TapeLineChecker checker(tapes);
  CalculatorEngine engine(tapes);
  MemoryModel model(tapes);
  model.CreateCell();
  model.CreateCell();

  while (in.remaining_bytes() > 0) {
    const int key = in.ConsumeBool() ? kKeys[in.ConsumeIntegralInRange<size_t>(0, kKeys.size() - 1)]
                                     : in.ConsumeIntegral<int>();
    const std::u16string text = Text(in);
    const Qt::KeyboardModifiers modifiers =
        Qt::KeyboardModifiers::fromInt(static_cast<int>(in.ConsumeIntegral<uint32_t>() & Qt::KeyboardModifierMask));
    const KeyAction action = MapKeyPress(key, text, modifiers);

    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
      Check(action.kind == KeyAction::Kind::None, "a shortcut typed");
      continue;
    }
    if ((modifiers & Qt::KeypadModifier) && (key == Qt::Key_Period || key == Qt::Key_Comma))
      Check(action == KeyAction{KeyAction::Kind::Character, '.'}, "keypad decimal is not the point");
    Check(action.kind != KeyAction::Kind::Beep || text == u",", "a beep for no comma");

    switch (action.kind) {
      case KeyAction::Kind::Character:
        Check(IsEngineCode(action.code) && action.code != ',', "a code the engine does not know",
              std::to_string(action.code));
        engine.KeyPress(action.code);
        break;
      case KeyAction::Kind::Pi: engine.Pi_Click(); break;
      case KeyAction::Kind::TapeLeft:
      case KeyAction::Kind::TapeRight: {
        const int next = NextTapeColumn(tapes.CursorColumn(), tapes.ColumnCount(),
                                        action.kind == KeyAction::Kind::TapeLeft ? TapeStep::Left : TapeStep::Right);
        tapes.SelectTape(next, std::string(tapes.TapeName(next)));
        tapes.ScrollTapeToEnd();
        break;
      }
      case KeyAction::Kind::Beep:
      case KeyAction::Kind::None: break;
    }

    const std::string& readout = engine.Readout();
    for (const char c : readout)
      Check(c >= 32 && c <= 126 && c != ',', "display shows a character no key writes", readout);
    CheckShown(readout, "Readout");
    CheckShown(engine.ActionLabel(), "ActionLabel");
    CheckShown(engine.Label1(), "Label1");
    const auto& total = engine.State().Accumulator;
    Check(!total || std::isfinite(*total), "total not finite", readout);
  }
  return 0;
}
