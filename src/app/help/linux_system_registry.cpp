// Answers the system-information key with a program found on the PATH.
#include "app/help/linux_system_registry.h"

#include <QStandardPaths>

namespace mezura {

QStringList LinuxSystemRegistry::CandidatePrograms() {
  return {QStringLiteral("hardinfo"),          QStringLiteral("hardinfo2"),
          QStringLiteral("gnome-system-monitor"), QStringLiteral("ksysguard"),
          QStringLiteral("plasma-systemmonitor"), QStringLiteral("kinfocenter"),
          QStringLiteral("xfce4-taskmanager"),  QStringLiteral("lshw-gtk")};
}

QString LinuxSystemRegistry::FindProgram() const {
  for (const QString& name : m_candidates) {
    const QString path = QStandardPaths::findExecutable(name, m_searchPaths);
    if (!path.isEmpty()) return path;
  }
  return {};
}

bool LinuxSystemRegistry::HasKey(RegistryRoot root, const QString& key) const {
  return root == RegistryRoot::LocalMachine && key.compare(QLatin1String(kSysInfoKey), Qt::CaseInsensitive) == 0 &&
         !FindProgram().isEmpty();
}

std::optional<RegistryValue> LinuxSystemRegistry::Value(RegistryRoot root, const QString& key,
                                                        const QString& name) const {
  if (!HasKey(root, key) || name.compare(QLatin1String(kSysInfoValue), Qt::CaseInsensitive) != 0) return std::nullopt;
  // Stored as the registry keeps strings: with their closing NUL.
  RegistryValue value{RegistryValueType::String, FindProgram().toUtf8()};
  value.data.append('\0');
  return value;
}

}  // namespace mezura
