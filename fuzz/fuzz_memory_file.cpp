// Fuzzes the memory file reader on arbitrary bytes. Invariants: a refused
// file yields no cells and a reason; an accepted one yields UTF-8 texts with
// no NUL or line break, writes without error, and reads back as exactly what
// was accepted; decoding is idempotent (its output is valid UTF-8).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/memory_file_codec.h"
#include "storage/text_decoding.h"

namespace {

using namespace mezura;

void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "%s: [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

void CheckText(std::string_view text) {
  if (text.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos)
    Fail("a text holds NUL or a line break", text);
  if (DecodeUtf8OrWindows1252(text) != text) Fail("a text is not UTF-8", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const MemoryFileReadResult read = ReadMemoryFile(bytes);

  switch (read.status) {
    case MemoryFileStatus::NotAMemoryFile:
      if (!read.data.cells.empty()) Fail("a refused file gave cells", read.reason);
      if (read.reason.empty()) Fail("a refusal without a reason", bytes);
      return 0;
    case MemoryFileStatus::Incomplete:
      if (read.reason.empty()) Fail("an incomplete file without a reason", bytes);
      break;
    case MemoryFileStatus::Ok:
      if (!read.reason.empty()) Fail("an accepted file with a reason", read.reason);
      break;
    case MemoryFileStatus::Missing:
    case MemoryFileStatus::Unreadable:
      Fail("the codec reported a file system status", read.reason);
  }

  for (const MemoryCell& cell : read.data.cells) {
    CheckText(cell.name);
    CheckText(cell.value);
  }

  const MemoryFileWriteResult written = WriteMemoryFile(read.data);
  if (!written.error.empty()) Fail("an accepted file cannot be written", written.error);
  const MemoryFileReadResult again = ReadMemoryFile(written.bytes);
  if (again.status != MemoryFileStatus::Ok) Fail("a written file is not read back", again.reason);
  if (!(again.data == read.data)) Fail("the round trip changed the data", written.bytes);
  return 0;
}
