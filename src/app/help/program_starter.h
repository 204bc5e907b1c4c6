#pragma once
// Starts another program in a window of its own, independent of ours (the
// system-information program). Tests derive from it to record the start
// instead.

#include <QString>

namespace mezura {

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  /// Starts `program` detached; false when it could not be started.
  virtual bool Start(const QString& program);
};

}  // namespace mezura
