#pragma once
// The engine is created with the session, before any window exists, but its
// beeps, messages and focus requests are for the calculator window. The relay
// is the engine's host and passes each call on to the window that registers
// itself; with no window registered the calls do nothing.

#include "engine/calculator_engine.h"

namespace mezura {

class EngineHostRelay : public EngineHost {
 public:
  void SetTarget(EngineHost* target) { m_target = target; }
  EngineHost* Target() const { return m_target; }

  void Beep() override {
    if (m_target) m_target->Beep();
  }
  void ShowMessage(std::string_view text, std::string_view title) override {
    if (m_target) m_target->ShowMessage(text, title);
  }
  void FocusEqual() override {
    if (m_target) m_target->FocusEqual();
  }
  void CaptionsChanged() override {
    if (m_target) m_target->CaptionsChanged();
  }

 private:
  EngineHost* m_target = nullptr;
};

}  // namespace mezura
