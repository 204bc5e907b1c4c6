#pragma once
// The one way this program replaces a file on disk: the new bytes go to a
// temporary file beside it (QSaveFile), every step is checked, and only a
// complete write is renamed over the old file. Any failure (a folder that
// refuses the temporary file, a short write, a disk that fills while the
// buffer is flushed, a failed rename) cancels the write and comes back as a
// sentence for the user; the old file stays byte-for-byte whole.
//
//   QString error = WriteFileAtomically(path, bytes);   // empty on success
//
// QSaveFile buffers, so a full disk may only show when the buffer is flushed,
// and Qt 6.4's commit() still renames the short temporary file over the old
// one and reports success: the flush and error() are checked before commit().
// Tests derive from AtomicFileWriter to make one step fail on demand.

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace mezura {

class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const QString& path);
  virtual ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  /// Replaces the file with `bytes`; an empty text on success, otherwise
  /// "Cannot save <path>: <reason>." with the old file unchanged.
  QString Write(const QByteArray& bytes);

 protected:
  // The steps of a write, one QSaveFile call each.
  virtual bool Open();
  /// The number of bytes taken (perhaps fewer than given), or -1.
  virtual qint64 WriteData(const QByteArray& bytes);
  /// Pushes the buffer to the file; false when that failed now or earlier.
  virtual bool Flush();
  virtual bool Commit();
  /// Why the last step failed.
  virtual QString Reason() const;

  QSaveFile& File() { return m_file; }

 private:
  QString Failed();

  QString m_path;
  QSaveFile m_file;
};

/// AtomicFileWriter(path).Write(bytes).
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace mezura
