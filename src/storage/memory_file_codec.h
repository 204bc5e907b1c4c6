#pragma once
// The memory file (".mem"): the memory container's place and size, the common
// cell width and every cell's name and value, as CR LF text lines in UTF-8.
// This module owns the bytes of the file in both directions and the checks
// that keep a file that is not a memory file from touching the cells. Reading
// and writing the file on disk is storage/io; creating the cells from what is
// read is the memory window's.
//
//   MemoryFileData data{left, top, width, height, memoryWidth, {{"Memory 1", "0. "}}};
//   MemoryFileWriteResult out = WriteMemoryFile(data);   // out.bytes, or out.error
//   MemoryFileReadResult in = ReadMemoryFile(out.bytes);
//   if (in.status == MemoryFileStatus::NotAMemoryFile) show in.reason, change nothing;
//   else erase the cells, then create in.data.cells (Incomplete: also show in.reason).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "memory/memory_cell.h"

namespace mezura {

/// Everything a memory file holds. Geometry in twips.
struct MemoryFileData {
  int32_t left = 0;         ///< container Left (line 1)
  int32_t top = 0;          ///< container Top (line 2)
  int32_t width = 0;        ///< container Width (line 3)
  int32_t height = 0;       ///< container Height (line 4)
  int16_t memoryWidth = 0;  ///< common cell width (line 6)
  std::vector<MemoryCell> cells;  ///< line 5 is their count; names and values only, numbers 0 when read
  bool operator==(const MemoryFileData&) const = default;
};

/// Lines 1 to 4 are single-precision numbers of at most seven significant
/// digits, so the container's geometry must stay within this many twips of 0
/// to come back exactly.
inline constexpr int32_t kMemoryFileGeometryLimit = 9'999'999;
/// The number of cells and the cell width are 16-bit.
inline constexpr int32_t kMemoryFileMaxCells = 32767;

enum class MemoryFileStatus {
  Ok,              ///< every cell the file announces was read
  Incomplete,      ///< the file ends early: `cells` holds the complete pairs, `reason` says so
  NotAMemoryFile,  ///< refused: nothing may change; `reason` says why
  Missing,         ///< (storage/io) no file of that name: nothing changes, no message
  Unreadable,      ///< (storage/io) the file could not be read: `reason` says why
};

struct MemoryFileReadResult {
  MemoryFileStatus status = MemoryFileStatus::NotAMemoryFile;
  std::string reason;  ///< a sentence for the user; empty when Ok
  MemoryFileData data;
};

/// Reads a memory file's bytes. CR LF and LF line ends are accepted; bytes
/// that are not UTF-8 are read as Windows-1252. Each number line is read with
/// LeadingNumber and rounded halves to even. Names and values are kept
/// verbatim except for NUL characters, which are dropped.
MemoryFileReadResult ReadMemoryFile(std::string_view bytes);

struct MemoryFileWriteResult {
  std::string bytes;  ///< the file's content; empty when `error` is set
  std::string error;  ///< why the data cannot be written so that it reads back
};

/// The file's bytes: six number lines, then a name and a value line per cell,
/// each ended by CR LF. Line breaks inside a name or value would split it over
/// two lines and shift every later cell, so they are written as blanks.
MemoryFileWriteResult WriteMemoryFile(const MemoryFileData& data);

/// The memory container's caption for a loaded file: the file's name without
/// its folder (after the last "/" or "\\") and without anything from its first
/// "." on ("C:\\jobs\\deck.v2.mem" -> "deck").
std::string MemoryFileCaption(std::string_view path);

/// A number as lines 1 to 4 hold it: the sign place, at most seven significant
/// digits of its single-precision value, one trailing blank (1635 -> " 1635 ").
std::string SingleNumberLine(double value);

}  // namespace mezura
