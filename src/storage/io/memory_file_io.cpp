#include "storage/io/memory_file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "storage/io/atomic_file_writer.h"

namespace mezura {
namespace {

QString Quoted(const QString& path) { return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path)); }

}  // namespace

MemoryFileIo::Bytes MemoryFileIo::ReadBytes(const QString& path, qint64 maxBytes) {
  Bytes result;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    result.error = QStringLiteral("Cannot open %1: %2.").arg(Quoted(path), file.errorString());
    return result;
  }
  // A FIFO or device reports size 0 and may never end, so read at most one
  // byte more than allowed rather than trusting size().
  result.bytes = file.read(maxBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    result.error = QStringLiteral("Cannot read %1: %2.").arg(Quoted(path), file.errorString());
    result.bytes.clear();
    return result;
  }
  if (result.bytes.size() > maxBytes) {
    result.error = QStringLiteral("%1 is too large to be a memory file.").arg(Quoted(path));
    result.bytes.clear();
    return result;
  }
  result.ok = true;
  return result;
}

MemoryFileReadResult MemoryFileIo::Load(const QString& path) {
  MemoryFileReadResult result;
  const QFileInfo info(path);
  if (!info.exists() || info.isDir()) {
    result.status = MemoryFileStatus::Missing;
    return result;
  }
  const Bytes read = ReadBytes(path);
  if (!read.ok) {
    result.status = MemoryFileStatus::Unreadable;
    result.reason = read.error.toStdString();
    return result;
  }
  return ReadMemoryFile(std::string_view(read.bytes.constData(), static_cast<size_t>(read.bytes.size())));
}

QString MemoryFileIo::Save(const QString& path, const MemoryFileData& data) {
  const MemoryFileWriteResult encoded = WriteMemoryFile(data);
  if (!encoded.error.empty()) return QString::fromStdString(encoded.error);
  return WriteFileAtomically(path, QByteArray::fromStdString(encoded.bytes));
}

}  // namespace mezura
