// Decoding a dropped value from the formats a drag offers: our own windows'
// values, another running Mezura's, and other programs' text.
#include <gtest/gtest.h>

#include "memory/value_drag_data.h"

namespace mezura {
namespace {

constexpr std::int64_t kOwnProcess = 4242;

struct Case {
  const char* name;
  ValueDragFormats formats;
  std::optional<std::string> text;  ///< nothing: no value
  DragSource::Kind kind = DragSource::Kind::External;
  int cell = 0;
};

TEST(DecodeValueDrag, OwnValuesAreTakenAsTheyAreAndEverythingElseByTheOutsideRule) {
  using K = DragSource::Kind;
  const Case cases[] = {
      {"our display", {"- 3\u00bd", "readout", "4242", "x"}, "- 3\u00bd", K::Readout},
      {"our cell", {" 5'- 3\" ", "memory 12", "4242", {}}, " 5'- 3\" ", K::Cell, 12},
      {"another Mezura's cell", {" 5'- 3\" ", "memory 12", "4243", {}}, "5'- 3\""},
      {"another Mezura's text that is no value", {"- 3\u00bd", "readout", "4243", {}}, std::nullopt},
      {"no instance", {"5' sq", "readout", {}, {}}, "5' sq."},
      {"an instance with more than our id", {"7", "readout", "4242 ", {}}, "7"},
      {"our instance, unreadable source", {"7", "memory x", "4242", {}}, "7"},
      {"our instance, no source", {"five", {}, "4242", {}}, std::nullopt},
      {"our format wins over the text", {"7", {}, {}, "8"}, "7"},
      {"plain text", {{}, {}, {}, "\t12 cu\r\n"}, "12 cu."},
      {"plain text that is no value", {{}, "readout", "4242", "twelve"}, std::nullopt},
      {"nothing", {}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<ValueDrag> drag = DecodeValueDrag(c.formats, kOwnProcess);
    ASSERT_EQ(drag.has_value(), c.text.has_value());
    if (!drag) continue;
    EXPECT_EQ(drag->text, *c.text);
    EXPECT_EQ(drag->source.kind, c.kind);
    EXPECT_EQ(drag->source.cell, c.cell);
  }
}

}  // namespace
}  // namespace mezura
