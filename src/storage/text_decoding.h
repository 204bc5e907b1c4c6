#pragma once
// Text decoding for files written by older installations: memory files used
// to be written in the Windows ANSI code page, ours are UTF-8. This module
// owns turning raw file bytes into UTF-8 lines; what the lines mean is the
// codecs' business.

#include <string>
#include <string_view>
#include <vector>

namespace mezura {

/// The bytes as UTF-8: well-formed UTF-8 sequences are kept, every other byte
/// is read as Windows-1252 (bytes 0x80-0x9F by the code page's table, the rest
/// as Latin-1), so a file from an ANSI installation reads as it was meant.
std::string DecodeUtf8OrWindows1252(std::string_view bytes);

/// The lines of a text: CR LF, LF and a lone CR each end a line; the line
/// ends are not part of the lines. A last line without an end still counts;
/// an empty text has no lines. A UTF-8 byte-order mark at the start is dropped.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace mezura
