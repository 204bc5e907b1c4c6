#pragma once
// Checks shared by the fuzz targets: a failed invariant prints what broke and
// aborts (libFuzzer keeps the input); texts the user sees must never show a
// number that is not one.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tape/tape_store.h"

namespace mezura::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "%s: [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

inline void Check(bool holds, const char* what, std::string_view detail = {}) {
  if (!holds) Fail(what, detail);
}

/// "inf" or "nan" in any case: what printing a value that is no number gives.
inline bool ShowsNonFinite(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

inline void CheckShown(std::string_view text, const char* where) {
  if (ShowsNonFinite(text)) Fail(where, text);
}

/// Checks every tape line as it is written.
class TapeLineChecker : public TapeStoreListener {
 public:
  explicit TapeLineChecker(TapeStore& store) : m_store(store) { m_store.AddListener(this); }
  ~TapeLineChecker() override { m_store.RemoveListener(this); }
  TapeLineChecker(const TapeLineChecker&) = delete;
  TapeLineChecker& operator=(const TapeLineChecker&) = delete;
  void TapeLineChanged(int tape, int row) override { CheckShown(m_store.Line(tape, row), "tape line"); }

 private:
  TapeStore& m_store;
};

}  // namespace mezura::fuzz
