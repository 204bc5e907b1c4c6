#pragma once
// The small view of a system registry that the About box needs to find the
// system-information program: a value looked up by root, key and name, with
// its type and raw bytes. The About box (frm_about.h) does the reading rules
// (trailing NUL, number to text); LinuxSystemRegistry answers on this
// platform; tests supply their own.

#include <QByteArray>
#include <QString>
#include <optional>

namespace mezura {

enum class RegistryRoot { LocalMachine, CurrentUser };

/// The value types that matter here; every other type is Other.
enum class RegistryValueType { String = 1, Number32 = 4, Other = 0 };

struct RegistryValue {
  RegistryValueType type = RegistryValueType::Other;
  /// As stored: a string's UTF-8 bytes, usually with a closing NUL; a
  /// 32-bit number's four bytes, least significant first.
  QByteArray data;
};

class SystemRegistry {
 public:
  virtual ~SystemRegistry() = default;
  /// True when `key` exists under `root` (opening it would succeed).
  virtual bool HasKey(RegistryRoot root, const QString& key) const = 0;
  /// The value `name` of `key`; nothing when the key or the value is missing.
  virtual std::optional<RegistryValue> Value(RegistryRoot root, const QString& key, const QString& name) const = 0;
};

/// Where the system-information program is recorded.
inline constexpr const char* kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoValue = "PATH";
inline constexpr const char* kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoLocationValue = "MSINFO";
inline constexpr const char* kSysInfoProgramName = "MSINFO32.EXE";

}  // namespace mezura
