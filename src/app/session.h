#pragma once
// The program's shared state, owned in one place: the tape store, the
// calculator engine that writes on it, and the settings store the calculator
// reads at start and writes at the end. main() creates one Session and hands
// it to the calculator window; tests create as many as they like (without a
// settings store unless they give one, so they never touch the user's file).
// The engine reports to whichever window calls it, so it needs no window.

#include <memory>

#include "engine/calculator_engine.h"
#include "tape/tape_store.h"

namespace mezura {

class KeptCells;
class SettingsStore;

class Session {
 public:
  Session();
  explicit Session(std::unique_ptr<SettingsStore> settings);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  TapeStore& Tapes() { return m_tapes; }
  CalculatorEngine& Engine() { return m_engine; }
  /// Where the settings persist; null when they do not.
  SettingsStore* Settings() const { return m_settings.get(); }
  /// Where the memory cells are kept between runs; null when they are not.
  KeptCells* Kept() const { return m_kept.get(); }
  void SetKept(std::unique_ptr<KeptCells> kept);

 private:
  TapeStore m_tapes;
  CalculatorEngine m_engine;
  std::unique_ptr<SettingsStore> m_settings;
  std::unique_ptr<KeptCells> m_kept;
};

}  // namespace mezura
