#pragma once
// The memory cells kept from one run to the next ("Keep Cells After Exit"):
// one memory file, "kept-cells.mem", in the user's data folder
// (QStandardPaths::AppDataLocation, ~/.local/share/Mezura), written with the
// memory file's own codec and the atomic writer. Whether cells are kept at
// all is a setting (DisplayChoices::keepCells); which cells, and showing
// them, is the calculator's and the memory window's.
//
//   KeptCells kept;                          // or KeptCells(folder) in tests
//   KeptCells::Loaded in = kept.Load();      // on start: in.data, in.notice
//   QString error = kept.Save(data);         // on exit; empty on success
//
// A file that cannot be used whole (damaged, cut short, unreadable) is never
// overwritten: it is moved aside with the date in its name and the user is
// told where. If it cannot even be moved, nothing is saved over it in this
// run, and the user is told that too.

#include <QString>
#include <optional>

#include "storage/memory_file_codec.h"

namespace mezura {

class KeptCells {
 public:
  static constexpr const char* kFileName = "kept-cells.mem";

  /// The file in the user's data folder.
  KeptCells();
  /// The file in `folder` (tests, portable installs).
  explicit KeptCells(const QString& folder);

  QString FilePath() const;

  struct Loaded {
    /// The cells to show (all of them, or those a cut-short file holds in
    /// full); nothing when there is no file or it could not be used.
    std::optional<MemoryFileData> data;
    /// What the user must be told (the file was set aside, or could not
    /// be); empty when there is nothing to say.
    QString notice;
  };
  Loaded Load();

  /// Saves the cells over the kept ones, creating the folder if need be;
  /// empty on success, otherwise a sentence for the user.
  QString Save(const MemoryFileData& data);

 private:
  QString m_folder;
  /// A file that could not be used and could not be moved aside is in the
  /// way: saving over it would lose it.
  bool m_fileInTheWay = false;
};

}  // namespace mezura
