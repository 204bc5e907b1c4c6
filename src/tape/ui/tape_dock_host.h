#pragma once
// What the tape window needs from the calculator window it is docked on: its
// outer place in twips, whether it is minimised, the "=" key's focus, lifting
// both windows above others, and being told that the user hid the tape (so
// the menu check marks follow). The calculator implements it; tests fake it.

#include "measure/twips.h"

namespace mezura {

class TapeDockHost {
 public:
  virtual ~TapeDockHost() = default;
  /// The calculator window's outer geometry in twips.
  virtual TwipRect CalculatorRect() const = 0;
  virtual bool CalculatorMinimized() const = 0;
  virtual void FocusEqual() = 0;
  /// Keep the tape window (when visible) and then the calculator on top.
  virtual void RaiseTapeAndCalculator() = 0;
  /// The user hid the tape window by double-clicking it.
  virtual void TapeHiddenByUser() = 0;
};

}  // namespace mezura
