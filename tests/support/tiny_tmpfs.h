#pragma once
// A small tmpfs mounted on a temporary folder, for tests of what a write does
// when the disk fills up or turns read-only. Mounting needs root (or
// CAP_SYS_ADMIN); where that is refused, Error() says why so the test can
// skip with it. The mount is detached when the object goes.
//
//   TinyTmpfs disk(64);                                 // 64 KiB
//   if (!disk.Error().isEmpty()) skip(disk.Error());
//   ... write disk.Path("x.mem") ...; disk.Fill(); ... write again ...

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QStorageInfo>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

namespace mezura::testing {

class TinyTmpfs {
 public:
  explicit TinyTmpfs(int kibibytes) {
    if (!m_dir.isValid()) {
      m_error = QStringLiteral("no temporary folder to mount on");
      return;
    }
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
    if (::mount("tmpfs", Where().constData(), "tmpfs", 0, options.constData()) != 0) {
      m_error = QStringLiteral("cannot mount a tmpfs (needs root): %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
      return;
    }
    m_mounted = true;
  }
  ~TinyTmpfs() {
    if (m_mounted) ::umount2(Where().constData(), MNT_DETACH);
  }
  TinyTmpfs(const TinyTmpfs&) = delete;
  TinyTmpfs& operator=(const TinyTmpfs&) = delete;

  /// Empty when the file system is mounted and ready.
  QString Error() const { return m_error; }
  QString Path(const QString& name) const { return m_dir.filePath(name); }
  qint64 FreeBytes() const { return QStorageInfo(m_dir.path()).bytesAvailable(); }

  /// Fills what is left with the file "filler"; true when nothing is left.
  bool Fill() const {
    const int fd = ::open(Path(QStringLiteral("filler")).toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0) return false;
    const QByteArray block(4096, 'f');
    while (::write(fd, block.constData(), static_cast<size_t>(block.size())) > 0) {
    }
    // The last block may have gone in part; what is left is less than a page.
    while (::write(fd, block.constData(), 1) > 0) {
    }
    ::close(fd);
    return FreeBytes() == 0;
  }
  /// Remounts the file system read-only, which refuses root as well.
  bool MakeReadOnly() const {
    return ::mount("tmpfs", Where().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  QByteArray Where() const { return QDir(m_dir.path()).absolutePath().toLocal8Bit(); }

  QTemporaryDir m_dir;
  QString m_error;
  bool m_mounted = false;
};

}  // namespace mezura::testing
