#include "storage/io/kept_cells.h"

#include <QDir>
#include <QStandardPaths>

#include "storage/io/memory_file_io.h"
#include "storage/io/set_aside.h"

namespace mezura {
namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

KeptCells::KeptCells() : KeptCells(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) {}

KeptCells::KeptCells(const QString& folder) : m_folder(folder) {}

QString KeptCells::FilePath() const { return QDir(m_folder).filePath(QString::fromLatin1(kFileName)); }

KeptCells::Loaded KeptCells::Load() {
  Loaded loaded;
  const QString path = FilePath();
  MemoryFileReadResult read = MemoryFileIo::Load(path);
  switch (read.status) {
    case MemoryFileStatus::Missing:
      return loaded;
    case MemoryFileStatus::Ok:
      loaded.data = std::move(read.data);
      return loaded;
    case MemoryFileStatus::Incomplete:
      loaded.data = std::move(read.data);
      break;
    case MemoryFileStatus::NotAMemoryFile:
    case MemoryFileStatus::Unreadable:
      break;
  }
  // The file keeps what could not be read: it goes aside, whole, before the
  // cells of this run are saved in its place.
  const QString what = loaded.data ? QStringLiteral("The cells kept from the last session were incomplete: only the "
                                                    "cells held in full were loaded.")
                                   : QStringLiteral("The cells kept from the last session could not be loaded.");
  const QString why = QString::fromStdString(read.reason);
  if (const std::optional<QString> aside = MoveAside(path, QStringLiteral("damaged"))) {
    loaded.notice = QStringLiteral("%1\n%2\nThe file was moved aside as \"%3\".").arg(what, why, Native(*aside));
  } else {
    m_fileInTheWay = true;
    loaded.notice = QStringLiteral("%1\n%2\nThe file \"%3\" could not be moved aside, so the cells of this session "
                                   "will not be kept over it.")
                        .arg(what, why, Native(path));
  }
  return loaded;
}

QString KeptCells::Save(const MemoryFileData& data) {
  const QString path = FilePath();
  if (m_fileInTheWay) {
    return QStringLiteral("The memory cells were not kept: \"%1\" holds cells of an earlier session that could not "
                          "be read or moved aside.")
        .arg(Native(path));
  }
  if (!QDir().mkpath(m_folder))
    return QStringLiteral("The memory cells were not kept: the folder \"%1\" could not be made.").arg(Native(m_folder));
  const QString error = MemoryFileIo::Save(path, data);
  if (error.isEmpty()) return {};
  return QStringLiteral("The memory cells were not kept.\n%1").arg(error);
}

}  // namespace mezura
