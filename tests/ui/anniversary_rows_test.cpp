// The 纪念日 rows parse a row only when it changes: an option changed, the
// month view refreshed or a row added parses nothing, an edit or an undo
// parses the rows it touched, and the entries stay the same object until
// one that parses changes. And the undo step that says which records it
// put back.
#include <QTableView>
#include <QToolButton>
#include <QUndoStack>
#include <fstream>
#include <functional>

#include "lists/anniversary_list.h"
#include "lists/csv_document.h"
#include "ui/anniversaries_tab.h"
#include "ui/anniversary_rows.h"
#include "ui/list_change.h"
#include "ui/window_fixture.h"

namespace tessarine {
namespace {

using testing::WindowTest;

CsvDocument ListOf(const std::string& text) { return ParseCsvDocument(text).value(); }

CsvRecord RecordOf(std::vector<std::string> fields) {
  return CsvRecord{0, RecordKind::Fields, RecordText(fields, "\n"), std::move(fields)};
}

// The model alone, edited as the tab edits it: each step's parses counted.
TEST(AnniversaryRowsTest, ARowIsParsedOnlyWhenItChanges) {
  CsvDocument list = ListOf("a,1-1\nb,2-2\n\n# note\nc,3-3,,韩国阴历\n");
  AnniversaryRows rows(RowWording{});
  rows.show(&list, EntryRecords(list));
  rows.check();
  ASSERT_EQ(rows.rowCount(), 3);
  EXPECT_EQ(rows.parses(), 3u);
  const struct {
    const char* what;
    std::function<void()> step;
    std::size_t parses;
    bool sameEntries;  // the entries object outlives the step
  } steps[] = {
      {"checked again", [] {}, 0, true},
      {"a first year typed",
       [&] {
         list.records[0] = RecordOf({"a", "1-1", "1990"});
         rows.rowChanged(0);
       },
       1, false},
      {"a blank row added",
       [&] {
         list.records.push_back(RecordOf({"", "", ""}));
         rows.recordAppended(list.records.size() - 1);
       },
       0, true},
      {"the blank row removed",
       [&] {
         list.records.pop_back();
         rows.recordErased(3);
       },
       0, true},
      {"a row broken",
       [&] {
         list.records[1] = RecordOf({"b", "13-1"});
         rows.rowChanged(1);
       },
       1, false},
      {"the broken row still broken",
       [&] {
         list.records[1] = RecordOf({"b", "14-1"});
         rows.rowChanged(1);
       },
       1, true},
      {"an undo puts one record back",
       [&] {
         list.records[1] = RecordOf({"b", "2-2"});
         rows.recordsReplaced(EntryRecords(list), 1, 1, 1);
       },
       1, false},
      {"an undo puts back a comment",
       [&] {
         list.records.insert(list.records.begin() + 1, CsvRecord{0, RecordKind::Comment, "# more\n", {}});
         rows.recordsReplaced(EntryRecords(list), 1, 0, 1);
       },
       0, true},
      {"a row's calendar named",
       [&] {
         list.records[rows.recordOf(1)] = RecordOf({"b", "2-2", "", "Vietnamese"});
         rows.rowChanged(1);
       },
       1, false},
  };
  for (const auto& s : steps) {
    const std::size_t before = rows.parses();
    const auto entries = rows.entries();
    s.step();
    rows.check();
    EXPECT_EQ(rows.parses() - before, s.parses) << s.what;
    EXPECT_EQ(rows.entries() == entries, s.sameEntries) << s.what;
  }
  ASSERT_EQ(rows.entries()->size(), 3u);
  EXPECT_EQ(rows.entries()->at(0).firstYear, 1990);
  EXPECT_EQ(rows.entries()->at(0).calendar, LunarCalendar::China);  // a row that names none
  EXPECT_EQ(rows.entries()->at(1).calendar, LunarCalendar::Vietnam);
  EXPECT_EQ(rows.entries()->at(2).calendar, LunarCalendar::Korea);
  EXPECT_EQ(rows.index(2, 0).data().toString(), "c");
}

// The window as a user drives it: refreshing the month view, changing an
// option (the calendar under 控制 → 历法 among them: a list means the same
// whatever the window shows) or adding a row parses nothing, and the month
// view keeps the anniversaries it worked out; an edit and its undo parse
// what they change.
TEST_F(WindowTest, RefreshesParseOnlyTheRowsThatChanged) {
  std::ofstream(config.File("anniversaries.csv")) << "a,1-1\nb,2-2\nc,3-3,,韩国阴历\n# note\n";
  Open();
  auto* tabs = Find<QTabWidget>("formatTabs");
  auto* table = Find<QTableView>("entriesTable");
  auto* rows = qobject_cast<AnniversaryRows*>(table->model());
  auto* tab = Find<AnniversariesTab>("anniversariesTab");
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(rows->parses(), 3u);
  const auto undo = [this] { Action("undoAction")->trigger(); };
  const struct {
    const char* what;
    std::function<void()> step;
    std::size_t parses;
    bool sameEntries;
  } steps[] = {
      {"the month names", [this] { Action("monthNamesAction")->trigger(); }, 0, true},
      {"the files' language", [this] { Action("traditionalAction")->trigger(); }, 0, true},
      {"标注休/班", [this] { Action("holidayMarksAction")->trigger(); }, 0, true},
      {"the month turned", [this] { Find<QToolButton>("nextMonthButton")->click(); }, 0, true},
      {"the 纪念日 tab shown", [&] { tabs->setCurrentIndex(2); }, 0, true},
      {"a first year typed", [&] { testing::TypeInto(table, rows->index(0, 2), "1990"); }, 1, false},
      {"a row added", [this] { Find<QPushButton>("addButton")->click(); }, 0, true},
      {"the row added undone", undo, 0, true},
      {"the first year undone", undo, 1, false},
      {"the calendar", [this] { Action("vietnameseCalendarAction")->trigger(); }, 0, true},
  };
  for (const auto& s : steps) {
    const std::size_t before = rows->parses();
    const auto entries = tab->entries();
    s.step();
    EXPECT_EQ(rows->parses() - before, s.parses) << s.what;
    EXPECT_EQ(tab->entries() == entries, s.sameEntries) << s.what;
  }
  EXPECT_EQ(testing::ReadFile(config.File("anniversaries.csv")), "a,1-1\nb,2-2\nc,3-3,,韩国阴历\n# note\n");
  ASSERT_EQ(tab->entries()->size(), 3u);
  EXPECT_EQ(tab->entries()->at(0).calendar, LunarCalendar::China);
  EXPECT_EQ(tab->entries()->at(2).calendar, LunarCalendar::Korea);
}

// An undone change puts back exactly the list before it, and a redone one
// the list after it, wherever the change fell and whatever it touched; the
// records it says it put back are the only ones that differ.
TEST(ListChangeTest, UndoAndRedoGiveTheListsBeforeAndAfter) {
  const std::string base = "a,1-1\r\nb,2-2\r\n# note\r\nc,3-3\r\nd,4-4\r\n";
  const struct {
    const char* what;
    std::string after;
  } cases[] = {
      {"a row in the middle edited", "a,1-1\r\n\"b\",\"2-3\",\"\"\r\n# note\r\nc,3-3\r\nd,4-4\r\n"},
      {"the first row edited", "x,1-1\r\nb,2-2\r\n# note\r\nc,3-3\r\nd,4-4\r\n"},
      {"a row added at the end", base + "e,5-5\r\n"},
      {"two rows removed", "a,1-1\r\n# note\r\nd,4-4\r\n"},
      {"every row removed", ""},
      {"a list from nothing", "a,1-1\n"},
      {"the same row twice over", "a,1-1\r\na,1-1\r\nb,2-2\r\n# note\r\nc,3-3\r\nd,4-4\r\n"},
  };
  // The texts of the list's records but for the `count` from `start`.
  const auto around = [](const CsvDocument& list, std::size_t start, std::size_t count) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < list.records.size(); ++i) {
      if (i < start || i >= start + count) texts.push_back(list.records[i].text);
    }
    return texts;
  };
  for (const auto& c : cases) {
    const CsvDocument before = ListOf(std::string(c.what) == "a list from nothing" ? "" : base);
    const CsvDocument after = ListOf(c.after);
    CsvDocument shown = after;
    ListChange::Span span;
    QUndoStack stack;
    const auto restore = [&](const CsvDocument& d, ListChange::Span s) {
      shown = d;
      span = s;
    };
    stack.push(new ListChange(before, after, restore, [&] { return shown; }));
    EXPECT_EQ(DocumentText(shown), c.after) << c.what;  // pushing changes nothing
    stack.undo();
    EXPECT_EQ(DocumentText(shown), DocumentText(before)) << c.what;
    EXPECT_EQ(shown.lineEnd, before.lineEnd) << c.what;
    EXPECT_EQ(around(shown, span.start, span.added), around(after, span.start, span.removed)) << c.what;
    stack.redo();
    EXPECT_EQ(DocumentText(shown), c.after) << c.what;
    EXPECT_EQ(shown.lineEnd, after.lineEnd) << c.what;
    EXPECT_EQ(around(shown, span.start, span.added), around(before, span.start, span.removed)) << c.what;
  }
}

}  // namespace
}  // namespace tessarine
