// Lists to take into a spreadsheet and items to go back to from their captured lines:
// a report whose columns were reordered and one hidden, a tree, a list box, a button and
// a status bar.
#include "../sample_ids.h"
#include "scenarios.h"

namespace sample_app {

std::vector<WindowEntry> Sources(const std::string& title) {
  using namespace sources;
  ListViewData list{.columns = {{"名前", 100}, {"隠し", 0}, {"種類", 100}, {"場所", 150}},
                    .rows = {{"一行目", "秘密1", "文書", "a,b"},
                             {"二行目", "秘密2", "画像", "say \"hi\""},
                             {"三行目", "秘密3", "音声", "上段\r\n下段"}},
                    .column_order = {2, 0, 3, 1}};
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::ListView, .id = kList, .rect = {10, 10, 420, 200}, .content = list},
            {.kind = Kind::TreeView, .id = kTree, .rect = {440, 10, 200, 200},
             .content = TreeData{{{0, "果物"}, {1, "りんご"}, {1, "みかん"}, {0, "野菜"}, {1, "にんじん"}}}},
            {.kind = Kind::ListBox, .id = kListBox, .rect = {660, 10, 200, 200},
             .content = ListItems{{"赤", "緑", "青"}, {1}}},
            {.kind = Kind::Button, .id = kButton, .rect = {10, 230, 120, 30}, .text = "実行(&R)"},
            {.kind = Kind::StatusBar, .id = kStatus, .rect = {},
             .content = StatusData{{{200, "準備完了"}, {-1, "行 1"}}}}}}};
}

}  // namespace sample_app
