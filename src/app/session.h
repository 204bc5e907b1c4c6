#pragma once
// The program's shared state, owned in one place: the tape store and the
// calculator engine that writes on it. main() creates one Session and hands it
// to the calculator window; tests create as many as they like. Windows come
// and go around it, so the engine reaches its window through a relay.

#include "app/engine_host_relay.h"
#include "engine/calculator_engine.h"
#include "tape/tape_store.h"

namespace mezura {

class Session {
 public:
  Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  TapeStore& Tapes() { return m_tapes; }
  CalculatorEngine& Engine() { return m_engine; }
  /// The window that beeps, shows messages and takes the focus for the engine.
  void SetEngineHost(EngineHost* host) { m_host.SetTarget(host); }
  EngineHost* EngineHostTarget() const { return m_host.Target(); }

 private:
  TapeStore m_tapes;
  EngineHostRelay m_host;
  CalculatorEngine m_engine;
};

}  // namespace mezura
