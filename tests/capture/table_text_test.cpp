// Captured lists as tables: cells gathered by row and shown column from the line
// sources, and written as tab-separated text and as CSV.
#include <gtest/gtest.h>

#include "capture/sources/table_text.h"

namespace glean::capture {
namespace {

LineSource Cell(int list, int row, int subItem, uint32_t prefix = 0) {
  LineSource s;
  s.kind = SourceKind::ListViewCell;
  s.list = list;
  s.row = row;
  s.column = subItem;
  s.textStart = prefix;
  return s;
}

// A list view whose columns are shown in the order 2, 0 (sub-item 1 hidden), read
// under two headers (the selected rows repeat a row), beside a tree.
struct Capture {
  std::vector<std::string> lines;
  LineSources sources;

  Capture() {
    const int view = sources.AddList({SourceKind::ListViewCell, 7, {"Size", "Name"}, {2, 0}});
    auto add = [&](const std::string& text, const LineSource* s = nullptr) {
      if (s) sources.Record(static_cast<int>(lines.size()), *s);
      lines.push_back(text);
    };
    add("header");
    // "《Size》" and "《Name》" are 8 bytes in code page 932.
    LineSource a = Cell(view, 0, 2, 8), b = Cell(view, 0, 0, 8), c = Cell(view, 1, 0, 8);
    add("《Size》10", &a);
    add("《Name》a,\"b\"", &b);
    add("");
    add("《Name》line\nbreak\tx", &c);
    add("header again");
    add("《Name》a,\"b\"", &b);
    const int tree = sources.AddList({SourceKind::TreeItem, 8, {}, {}});
    LineSource t;
    t.kind = SourceKind::TreeItem;
    t.list = tree;
    add("root", &t);
    add("　child", &t);
  }
};

TEST(TableText, AListViewIsItsShownColumnsByRowAndATreeOneColumn) {
  Capture cap;
  EXPECT_FALSE(TableOfLine(cap.sources, cap.lines, 0)) << "a header comes from no list";
  EXPECT_FALSE(TableOfLine(cap.sources, cap.lines, 3)) << "nor does an empty line";
  auto view = TableOfLine(cap.sources, cap.lines, 4);
  ASSERT_TRUE(view);
  EXPECT_EQ(*view, (Table{{"Size", "Name"}, {{"10", "a,\"b\""}, {"", "line\nbreak\tx"}}}));
  EXPECT_EQ(TabSeparated(*view), "Size\tName\r\n10\ta,\"b\"\r\n\tline break x\r\n");
  EXPECT_EQ(CommaSeparated(*view), "Size,Name\r\n10,\"a,\"\"b\"\"\"\r\n,\"line\nbreak\tx\"\r\n");

  auto tree = TableOfLine(cap.sources, cap.lines, 8);
  ASSERT_TRUE(tree);
  EXPECT_EQ(TabSeparated(*tree), "root\r\n　child\r\n") << "one column, the levels' indents kept";
}

TEST(TableText, ShiftJisTrailBytesAreNeverTakenForSeparators) {
  // "ソ" and "表" end in 0x5C, "ー" in 0x5B: none is a tab, a comma or a quote.
  Table t{{}, {{"ソ表", "ー,"}}};
  EXPECT_EQ(TabSeparated(t), "ソ表\tー,\r\n");
  EXPECT_EQ(CommaSeparated(t), "ソ表,\"ー,\"\r\n");
}

TEST(TableText, TheRecordFollowsTheLinesSplitAsThePaneShowsThem) {
  // The watch keeps the pane's lines: a cell holding a line break becomes two lines.
  LineSources sources;
  const int view = sources.AddList({SourceKind::ListViewCell, 7, {"場所"}, {0}});
  LineSource cell = Cell(view, 0, 0, 8);
  sources.Record(1, cell);
  const std::vector<std::string> items{"header", "《場所》上段\r\n下段", "after"};
  const LineSources split = ByPaneLine(sources, items);
  const std::vector<std::string> pane{"header", "《場所》上段", "下段", "after"};
  ASSERT_TRUE(split.At(2));
  EXPECT_FALSE(split.At(3));
  auto table = TableOfLine(split, pane, 2);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->rows, (std::vector<std::vector<std::string>>{{"上段\r\n下段"}}));
  EXPECT_EQ(TableOfLine(sources, items, 1)->rows, table->rows) << "the same table either way";
}

TEST(TableText, APaneLineIsFoundInTheCapturedLineThatHoldsIt) {
  // An edit's text with every kind of line break, and one ending with a break.
  const std::vector<std::string> lines{"title", "a\r\nb\rc\nd", "e\r\n", "f"};
  const std::vector<std::pair<int, std::string>> expected{{0, "title"}, {1, "a"}, {1, "b"}, {1, "c"},
                                                          {1, "d"},     {2, "e"}, {2, ""},  {3, "f"}};
  for (size_t pane = 0; pane < expected.size(); ++pane) {
    auto at = CapturedLineOfPaneLine(lines, static_cast<int>(pane));
    ASSERT_TRUE(at) << pane;
    EXPECT_EQ(std::make_pair(at->line, at->text), expected[pane]) << pane;
  }
  EXPECT_FALSE(CapturedLineOfPaneLine(lines, 8));
  EXPECT_FALSE(CapturedLineOfPaneLine(lines, -1));
}

}  // namespace
}  // namespace glean::capture
