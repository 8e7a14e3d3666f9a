// Whole lists and texts: a long report list, a tree with collapsed and lazily filled
// branches, an edit field of 200 KB, and controls that claim endless items.
#include "../long_text.h"
#include "../sample_ids.h"
#include "../whole_tree.h"
#include "scenarios.h"

namespace sample_app {

std::vector<WindowEntry> WholeList(const std::string& title) {
  ListViewData data{.columns = {{"番号", 80}, {"件名", 300}}};
  for (int r = 0; r < whole::kListRows; ++r) data.rows.push_back({std::to_string(r), "件名" + std::to_string(r)});
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::ListView, .id = whole::kList, .rect = {0, 0, 420, 200}, .content = data}}}};
}

std::vector<WindowEntry> WholeTreeWindow(const std::string& title) {
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::TreeView, .id = whole::kTree, .rect = {0, 0, 300, 120}, .content = WholeTree()}}}};
}

std::vector<WindowEntry> BigText(const std::string& title) {
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::MultiEdit, .id = whole::kEdit, .rect = {0, 0, 600, 300},
             .text = LinedText(whole::kBigTextBytes)}}}};
}

std::vector<WindowEntry> Liars(const std::string& title) {
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::ToolBar, .id = whole::kLyingToolBar, .rect = {0, 0, 400, 28},
             .content = ToolBarData{{{2711, "一つ目"}, {2712, "二つ目"}}, true}},
            {.kind = Kind::ListView, .id = whole::kLyingList, .rect = {0, 40, 400, 160},
             .content = ListViewData{.columns = {{"名前", 200}}, .rows = {{"甲"}, {"乙"}, {"丙"}},
                                     .lies_about_page = true}}}}};
}

}  // namespace sample_app
