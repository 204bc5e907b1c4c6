#include "storage/io/settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStorageInfo>
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

// QSettings reports only that the file could not be written; the likely
// cause, told from the file's folder and its disk.
QString WhyNotWritten(const QString& filePath) {
  const QFileInfo file(filePath);
  if (file.isDir()) return QStringLiteral("a folder of that name is in the way");
  const QFileInfo folder(file.absolutePath());
  if (folder.exists() && !folder.isDir()) return QStringLiteral("a file stands where its folder should be");
  QString existing = folder.absoluteFilePath();
  while (!QFileInfo(existing).isDir() && existing != QDir::rootPath()) existing = QFileInfo(existing).absolutePath();
  const QStorageInfo disk(existing);
  if (disk.isValid() && disk.isReadOnly()) return QStringLiteral("the disk is read-only");
  if (!QFileInfo(existing).isWritable()) return QStringLiteral("its folder is read-only");
  // An INI file of ours takes well under a kibibyte; a few pages are a margin.
  if (disk.isValid() && disk.bytesAvailable() < 16 * 1024) return QStringLiteral("the disk is full");
  return QStringLiteral("the file could not be written");
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

QString SettingsStore::Sync() {
  const QString path = FilePath();
  // QSettings writes through a temporary file that it renames over the old
  // one, so a failure leaves the old file whole; only the report is ours.
  // A folder of the file's name is refused outright: it would be read as an
  // empty store and never written.
  if (!QFileInfo(path).isDir()) {
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError) return {};
  }
  return QStringLiteral("The settings could not be saved to \"%1\": %2.\n"
                        "Window places, zoom, accuracy and colours changed in this session will be lost.")
      .arg(QDir::toNativeSeparators(path), WhyNotWritten(path));
}

Settings SettingsStore::Load(const SettingsContext& context) const {
  return ReadSettings([this](std::string_view section, std::string_view key) { return Read(section, key); },
                      context);
}

QString SettingsStore::Save(const Settings& settings) {
  for (const SettingsEntry& entry : SettingsEntries(settings)) Write(entry.section, entry.key, entry.text);
  return Sync();
}

}  // namespace mezura
