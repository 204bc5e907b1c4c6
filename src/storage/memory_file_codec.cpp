#include "storage/memory_file_codec.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "measure/measurement.h"
#include "storage/text_decoding.h"

namespace mezura {
namespace {

constexpr int kNumberLines = 6;
constexpr const char* kLineNames[kNumberLines] = {
    "the container's left", "the container's top", "the container's width",
    "the container's height", "the number of cells", "the cell width"};

constexpr const char* kGeometryNames[4] = {"left", "top", "width", "height"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// LeadingNumber reads 0 both for "0" and for a line with no number at all;
// only the first is a memory file.
bool StartsWithNumber(std::string_view line) {
  size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < line.size() && IsBlank(line[i])) ++i;
  };
  skipBlanks();
  if (i < line.size() && (line[i] == '-' || line[i] == '+')) ++i;
  skipBlanks();
  if (i < line.size() && line[i] == '.') {
    ++i;
    skipBlanks();
  }
  return i < line.size() && line[i] >= '0' && line[i] <= '9';
}

bool HoldsBinaryData(std::string_view line) {
  for (const char c : line)
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return true;
  return false;
}

std::string NotAMemoryFile(const std::string& why) {
  return "This is not a memory file: " + why + ".";
}

std::string WithoutNul(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text)
    if (c != '\0') out += c;
  return out;
}

std::string WithoutLineBreaks(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace

std::string MemoryFileCaption(std::string_view path) {
  if (const size_t slash = path.find_last_of("/\\"); slash != std::string_view::npos)
    path.remove_prefix(slash + 1);
  return std::string(path.substr(0, path.find('.')));
}

std::string SingleNumberLine(double value) {
  const float single = static_cast<float>(value);
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(single),
                                 std::chars_format::general, 7);
  if (ec != std::errc()) return " 0 ";
  std::string digits(buffer, end);
  for (char& c : digits)
    if (c == 'e') c = 'E';
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  return (single < 0 ? "-" : " ") + digits + " ";
}

MemoryFileReadResult ReadMemoryFile(std::string_view bytes) {
  MemoryFileReadResult result;
  const std::vector<std::string_view> lines = SplitLines(bytes);
  if (lines.size() < kNumberLines) {
    result.reason = NotAMemoryFile("it has fewer than six lines");
    return result;
  }

  int32_t numbers[kNumberLines] = {};
  for (int i = 0; i < kNumberLines; ++i) {
    const std::string_view line = lines[i];
    const std::string lineName = "line " + std::to_string(i + 1) + " (" + kLineNames[i] + ")";
    if (HoldsBinaryData(line)) {
      result.reason = NotAMemoryFile(lineName + " holds binary data");
      return result;
    }
    if (!StartsWithNumber(line)) {
      result.reason = NotAMemoryFile(lineName + " holds no number");
      return result;
    }
    const double value = std::nearbyint(LeadingNumber(line));
    const bool geometry = i < 4;
    const double low = geometry ? -kMemoryFileGeometryLimit : (i == 4 ? 0 : -32768);
    const double high = geometry ? kMemoryFileGeometryLimit : 32767;
    if (!(value >= low && value <= high)) {  // also refuses a NaN
      result.reason = NotAMemoryFile(lineName + " is outside " + std::to_string(static_cast<long>(low)) +
                                     " to " + std::to_string(static_cast<long>(high)));
      return result;
    }
    numbers[i] = static_cast<int32_t>(value);
  }

  MemoryFileData& data = result.data;
  data.left = numbers[0];
  data.top = numbers[1];
  data.width = numbers[2];
  data.height = numbers[3];
  data.memoryWidth = static_cast<int16_t>(numbers[5]);
  const size_t announced = static_cast<size_t>(numbers[4]);
  const size_t available = (lines.size() - kNumberLines) / 2;
  const size_t count = std::min(announced, available);
  data.cells.reserve(count);
  for (size_t k = 0; k < count; ++k) {
    const size_t at = kNumberLines + 2 * k;
    data.cells.push_back({WithoutNul(DecodeUtf8OrWindows1252(lines[at])),
                          WithoutNul(DecodeUtf8OrWindows1252(lines[at + 1]))});
  }

  if (count < announced) {
    result.status = MemoryFileStatus::Incomplete;
    result.reason = "The memory file ends early: it names " + std::to_string(announced) +
                    " memory cells but holds only " + std::to_string(count) + ".";
  } else {
    result.status = MemoryFileStatus::Ok;
  }
  return result;
}

MemoryFileWriteResult WriteMemoryFile(const MemoryFileData& data) {
  MemoryFileWriteResult result;
  const int32_t geometry[4] = {data.left, data.top, data.width, data.height};
  for (int i = 0; i < 4; ++i) {
    if (geometry[i] < -kMemoryFileGeometryLimit || geometry[i] > kMemoryFileGeometryLimit) {
      result.error = std::string("The memory container's ") + kGeometryNames[i] + " (" +
                     std::to_string(geometry[i]) + " twips) is too large to save.";
      return result;
    }
  }
  if (data.cells.size() > static_cast<size_t>(kMemoryFileMaxCells)) {
    result.error = "A memory file holds at most " + std::to_string(kMemoryFileMaxCells) + " memory cells.";
    return result;
  }

  std::string& out = result.bytes;
  for (const int32_t number : geometry) out += SingleNumberLine(number) + "\r\n";
  out += ShortNumber(static_cast<double>(data.cells.size())) + "\r\n";
  out += ShortNumber(data.memoryWidth) + "\r\n";
  for (const MemoryCell& cell : data.cells) {
    out += WithoutLineBreaks(cell.name) + "\r\n";
    out += WithoutLineBreaks(cell.value) + "\r\n";
  }
  return result;
}

}  // namespace mezura
