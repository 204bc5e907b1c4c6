#pragma once
// The registry as this platform can answer it: the only value asked for is
// where the system-information program lives, and the answer is the first
// such program installed on the PATH. The lookup of the program folder
// (the second key) has no counterpart here and is never found.

#include <QStringList>

#include "app/help/system_registry.h"

namespace mezura {

class LinuxSystemRegistry : public SystemRegistry {
 public:
  /// Programs tried in this order; the first found on the PATH answers.
  static QStringList CandidatePrograms();

  LinuxSystemRegistry() : m_candidates(CandidatePrograms()) {}
  /// For tests: other candidates and search folders (empty: the PATH).
  LinuxSystemRegistry(QStringList candidates, QStringList searchPaths)
      : m_candidates(std::move(candidates)), m_searchPaths(std::move(searchPaths)) {}

  bool HasKey(RegistryRoot root, const QString& key) const override;
  std::optional<RegistryValue> Value(RegistryRoot root, const QString& key, const QString& name) const override;

 private:
  QString FindProgram() const;

  QStringList m_candidates;
  QStringList m_searchPaths;
};

}  // namespace mezura
