#include "engine/calculator_engine.h"

namespace mezura {

CalculatorEngine::CalculatorEngine(TapeStore& tapes, EngineHost& host) : m_tapes(tapes), m_host(host) {}

void CalculatorEngine::SetReadout(std::string text) {
  m_readout = std::move(text);
  m_host.CaptionsChanged();
}

void CalculatorEngine::SetActionLabel(std::string text) {
  m_actionLabel = std::move(text);
  m_host.CaptionsChanged();
}

void CalculatorEngine::SetLabel1(std::string text) {
  m_label1 = std::move(text);
  m_host.CaptionsChanged();
}

void CalculatorEngine::SetAccuracy(int accuracy) { m_accuracy = accuracy == kAccuracy32 ? kAccuracy32 : kAccuracy16; }

}  // namespace mezura
