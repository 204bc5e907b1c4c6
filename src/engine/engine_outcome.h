#pragma once
// What one call into the calculator's core asks of the windows: the engine
// (and the transfers built on it) change their own state and tapes, then
// report here what only a window can do — beep, show a message box, repaint
// the calculator's captions, give the "=" key the focus. The window acts on
// the report; nothing in the core calls a window back.

#include <optional>
#include <string>

namespace mezura {

/// A modal message box with an exclamation icon and an OK button.
struct EngineMessage {
  std::string text;
  std::string title;
  // The captions while the box is up: what the step changed before it raised
  // the message shows, what it changed after waits until the box is closed.
  std::string readout;
  std::string actionLabel;
  std::string label1;
  bool operator==(const EngineMessage&) const = default;
};

struct EngineOutcome {
  int beeps = 0;                         ///< system beeps to sound, one after another
  std::optional<EngineMessage> message;  ///< shown before the captions are repainted
  bool captionsChanged = false;          ///< Readout, ActionLabel or Label1 changed
  bool focusEqual = false;               ///< the "=" key takes the keyboard focus, last
  bool cleared = false;                  ///< the step was Clear: nothing before it can be undone

  /// Adds what happened after this: beeps add up, the flags stay set, the
  /// first message is kept.
  EngineOutcome& operator+=(const EngineOutcome& later) {
    beeps += later.beeps;
    if (!message) message = later.message;
    captionsChanged = captionsChanged || later.captionsChanged;
    focusEqual = focusEqual || later.focusEqual;
    cleared = cleared || later.cleared;
    return *this;
  }
  bool operator==(const EngineOutcome&) const = default;
};

/// What became of a value handed in from outside the engine: a drop on the
/// display or on a memory cell, a paste.
enum class ValueResult {
  Done,     ///< taken
  Refused,  ///< beeped; no value and no tape changed
  Ignored,  ///< nothing to do (an unknown cell, a square root pending)
};

struct ValueOutcome {
  ValueResult result = ValueResult::Ignored;
  EngineOutcome feedback;
};

}  // namespace mezura
