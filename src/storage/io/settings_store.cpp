#include "storage/io/settings_store.h"

#include <QSettings>
#include <QStringList>

namespace mezura {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The name as stored that matches `wanted`: the exact one if present, else the
// first that differs only in case.
std::optional<QString> FindName(const QStringList& names, const QString& wanted) {
  if (names.contains(wanted)) return wanted;
  for (const QString& name : names)
    if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
  return std::nullopt;
}

}  // namespace

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("Mezura"), QStringLiteral("Mezura"))) {}

SettingsStore::SettingsStore(const QString& filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::FilePath() const { return m_settings->fileName(); }

std::optional<std::string> SettingsStore::Read(std::string_view section, std::string_view key) const {
  const auto group = FindName(m_settings->childGroups(), ToQString(section));
  if (!group) return std::nullopt;
  m_settings->beginGroup(*group);
  std::optional<std::string> text;
  if (const auto name = FindName(m_settings->childKeys(), ToQString(key))) {
    // A hand-edited value with a comma reads back as a list; that is no
    // setting of ours, and toString() gives an empty text for it.
    text = m_settings->value(*name).toString().toStdString();
  }
  m_settings->endGroup();
  return text;
}

void SettingsStore::Write(std::string_view section, std::string_view key, std::string_view text) {
  const QString wantedGroup = ToQString(section);
  const QString group = FindName(m_settings->childGroups(), wantedGroup).value_or(wantedGroup);
  m_settings->beginGroup(group);
  const QString wantedKey = ToQString(key);
  for (const QString& name : m_settings->childKeys())
    if (name != wantedKey && name.compare(wantedKey, Qt::CaseInsensitive) == 0) m_settings->remove(name);
  m_settings->setValue(wantedKey, ToQString(text));
  m_settings->endGroup();
}

bool SettingsStore::Sync() {
  m_settings->sync();
  return m_settings->status() == QSettings::NoError;
}

Settings SettingsStore::Load(const SettingsContext& context) const {
  return ReadSettings([this](std::string_view section, std::string_view key) { return Read(section, key); },
                      context);
}

bool SettingsStore::Save(const Settings& settings) {
  for (const SettingsEntry& entry : SettingsEntries(settings)) Write(entry.section, entry.key, entry.text);
  return Sync();
}

}  // namespace mezura
