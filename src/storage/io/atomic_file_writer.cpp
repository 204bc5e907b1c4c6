#include "storage/io/atomic_file_writer.h"

#include <QDir>

namespace mezura {

AtomicFileWriter::AtomicFileWriter(const QString& path) : m_path(path), m_file(path) {}

AtomicFileWriter::~AtomicFileWriter() = default;

QString AtomicFileWriter::Write(const QByteArray& bytes) {
  if (!Open()) return Failed();
  // A short write is no error yet: the rest goes again until a write makes
  // no progress, which then says why.
  for (qint64 done = 0; done < bytes.size();) {
    const qint64 written = WriteData(bytes.mid(done));
    if (written <= 0) return Failed();
    done += written;
  }
  if (!Flush()) return Failed();
  if (!Commit()) return Failed();
  return {};
}

bool AtomicFileWriter::Open() { return m_file.open(QIODevice::WriteOnly); }

qint64 AtomicFileWriter::WriteData(const QByteArray& bytes) { return m_file.write(bytes); }

bool AtomicFileWriter::Flush() { return m_file.flush() && m_file.error() == QFileDevice::NoError; }

bool AtomicFileWriter::Commit() { return m_file.commit(); }

QString AtomicFileWriter::Reason() const {
  if (m_file.error() == QFileDevice::NoError) return QStringLiteral("not all of it could be written");
  return m_file.errorString();
}

QString AtomicFileWriter::Failed() {
  const QString reason = Reason();
  // The temporary file goes; the old file was never touched.
  if (m_file.isOpen()) m_file.cancelWriting();
  return QStringLiteral("Cannot save \"%1\": %2.").arg(QDir::toNativeSeparators(m_path), reason);
}

QString WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  return AtomicFileWriter(path).Write(bytes);
}

}  // namespace mezura
