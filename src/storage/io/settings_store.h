#pragma once
// The per-user settings store: an INI file in the user's configuration folder
// ("Mezura/Mezura.ini"), sections and keys holding texts. It owns only the
// file: keys are matched without regard to case (QSettings matches them
// exactly on Linux), values come back as the texts written. Which keys exist
// and what their texts mean is storage/settings_model.h.
//
//   SettingsStore store;                               // or SettingsStore(path) in tests
//   QString notice = store.TakeStartNotice();          // tell the user once, if any
//   Settings s = store.Load(context);                  // on start
//   QString error = store.Save(s);                     // on exit; why not, when it failed

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "storage/settings_model.h"

class QSettings;

namespace mezura {

class SettingsStore {
 public:
  /// Settings are a few hundred bytes; a file over this size is not read but
  /// moved aside, and the store starts empty.
  static constexpr qint64 kMaxFileBytes = 1024 * 1024;

  /// The store in the user's configuration folder.
  SettingsStore();
  /// The store in the INI file at `filePath` (tests, portable installs).
  explicit SettingsStore(const QString& filePath);
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  /// The text stored under section/key, matching both without regard to
  /// case (an exact match first), or nothing when there is none.
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  /// Stores `text` under section/key exactly as given, replacing any key that
  /// differs only in case so that one text answers for the key.
  void Write(std::string_view section, std::string_view key, std::string_view text);
  /// Writes pending changes to the file: an empty text on success, otherwise
  /// a sentence for the user saying which file and, as far as can be told,
  /// why (a folder in the way, a read-only folder or disk, a full disk). The
  /// file as it was stays whole.
  QString Sync();

  Settings Load(const SettingsContext& context) const;
  /// Writes every setting and syncs; as Sync().
  QString Save(const Settings& settings);

  QString FilePath() const;
  /// What the user should be told once the program has started (the file
  /// was too large and was moved aside), handed out once; empty when there
  /// is nothing to say.
  QString TakeStartNotice() { return std::exchange(m_startNotice, QString()); }

 private:
  QString m_path;
  QString m_startNotice;
  // Null when a file too large to read could not be moved out of the way:
  // nothing is read and nothing written.
  std::unique_ptr<QSettings> m_settings;
};

}  // namespace mezura
