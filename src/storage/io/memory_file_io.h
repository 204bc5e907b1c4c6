#pragma once
// Memory files on disk: reading a file's bytes and saving new bytes so that a
// failed save leaves the previous file whole (storage/io/atomic_file_writer.h).
// The file's content is storage/memory_file_codec.h; the dialogs and the
// cells are the calculator's and the memory window's.
//
//   MemoryFileReadResult in = MemoryFileIo::Load(path);    // Missing: do nothing
//   QString error = MemoryFileIo::Save(path, data);       // empty on success

#include <QByteArray>
#include <QString>

#include "storage/memory_file_codec.h"

namespace mezura {

class MemoryFileIo {
 public:
  /// Memory files are a few kilobytes; anything beyond this is no memory file
  /// and is refused before it is read into memory.
  static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

  struct Bytes {
    bool ok = false;
    QByteArray bytes;
    QString error;  ///< a sentence for the user when !ok
  };

  /// The whole file, or why it cannot be read.
  static Bytes ReadBytes(const QString& path, qint64 maxBytes = kMaxFileBytes);
  /// Reads and decodes a memory file. A file that does not exist gives
  /// Missing; one that cannot be read gives Unreadable with a reason.
  static MemoryFileReadResult Load(const QString& path);
  /// Encodes and saves; an empty text on success, otherwise why, with the
  /// previous file unchanged.
  static QString Save(const QString& path, const MemoryFileData& data);
};

}  // namespace mezura
