#include "storage/io/settings_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringList>

#include "storage/io/set_aside.h"

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

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

// Where QSettings keeps an application's INI file for the user
// (~/.config/Mezura/Mezura.ini), named here so that its size can be checked
// before QSettings reads it.
SettingsStore::SettingsStore()
    : SettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    QStringLiteral("/Mezura/Mezura.ini")) {}

SettingsStore::SettingsStore(const QString& filePath) : m_path(filePath) {
  // QSettings reads the whole file when it is made and again before each
  // write: a file of many megabytes would slow every start and exit.
  const QFileInfo file(filePath);
  if (file.isFile() && file.size() > kMaxFileBytes) {
    const QString size = QLocale::c().formattedDataSize(file.size(), 1);
    if (const std::optional<QString> aside = MoveAside(filePath, QStringLiteral("too-large"))) {
      m_startNotice = QStringLiteral("The settings file \"%1\" is %2, far too large to be settings, so it was not "
                                     "read: the calculator starts with its default settings.\n"
                                     "The file was moved aside as \"%3\".")
                          .arg(Native(filePath), size, Native(*aside));
    } else {
      m_startNotice = QStringLiteral("The settings file \"%1\" is %2, far too large to be settings, so it was not "
                                     "read: the calculator starts with its default settings.\n"
                                     "It could not be moved aside, so the settings of this session cannot be saved.")
                          .arg(Native(filePath), size);
      return;
    }
  }
  m_settings = std::make_unique<QSettings>(filePath, QSettings::IniFormat);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::FilePath() const { return m_path; }

std::optional<std::string> SettingsStore::Read(std::string_view section, std::string_view key) const {
  if (!m_settings) return std::nullopt;
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
  if (!m_settings) return;
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
  if (!m_settings) {
    return QStringLiteral("The settings could not be saved to \"%1\": the file there is too large to be "
                          "settings and could not be moved aside.")
        .arg(Native(path));
  }
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
      .arg(Native(path), WhyNotWritten(path));
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
