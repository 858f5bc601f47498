// Edits made to an older copy of a list, carried over to the list as it is
// now, or refused as a conflict.
#include "lists/csv_merge.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

CsvDocument Document(std::string_view text) { return ParseCsvDocument(text).value(); }

TEST(MergeEditsTest, EditsAreCarriedToTheCurrentText) {
  struct Case {
    const char* current;
    const char* merged;  // nullptr: a conflict
    int conflict = 0;    // the line, in the copy, of the record in conflict
  };
  // The window read "a\nb\nc\n", changed b to B, removed c and added d.
  CsvDocument edited = Document("a\nb\nc\n");
  SetLeadingFields(edited, 1, {"B"});
  edited.records.erase(edited.records.begin() + 2);
  SetLeadingFields(edited, AppendRow(edited), {"d"});
  const Case cases[] = {
      {"a\nb\nc\n", "a\n\"B\"\n\"d\"\n"},            // unchanged on disk
      {"x\na\nb\nc\ny\n", "x\na\n\"B\"\ny\n\"d\"\n"},  // rows added there stay
      {"b\nc\n", "\"B\"\n\"d\"\n"},                  // a row removed there stays removed
      {"a\nb2\nc\n", nullptr, 2},                    // the changed row changed there too
      {"a\nb\n", nullptr, 3},                        // the removed row is gone there
  };
  for (const Case& c : cases) {
    const auto merged = MergeEdits(Document("a\nb\nc\n"), edited, Document(c.current));
    ASSERT_EQ(merged.has_value(), c.merged != nullptr) << c.current;
    if (merged) {
      EXPECT_EQ(DocumentText(*merged), c.merged) << c.current;
    } else {
      EXPECT_EQ(merged.error().line, c.conflict) << c.current;
    }
  }
}

}  // namespace
}  // namespace tessarine
