// Texts longer than the buffers a reader uses, one for each kind of control.
#include "../long_text.h"
#include "../sample_ids.h"
#include "scenarios.h"

namespace sample_app {

std::vector<WindowEntry> LongItems(const std::string& title) {
  using namespace longitem;
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::ToolBar, .id = kToolBar, .rect = {0, 0, 900, 28},
             .content = ToolBarData{{{kToolButton, LongText("長いボタン", 300)}, {kToolButton + 1, "短いボタン"}}}},
            {.kind = Kind::ListBox, .id = kListBox, .rect = {10, 40, 600, 60},
             .content = ListItems{{LongText("長いリスト項目", 12000), LongText("中くらいの項目", 300), "短い項目"}, {0}}},
            {.kind = Kind::ListView, .id = kListView, .rect = {10, 110, 600, 120},
             .content = ListViewData{.columns = {{"長いセル", 580}},
                                     .rows = {{LongText("長いセル三百", 300)}, {LongText("長いセル五千", 5000)}}}},
            {.kind = Kind::Label, .id = kLabel, .rect = {10, 240, 600, 40}, .text = LongText("長いラベル", 12000)},
            {.kind = Kind::MultiEdit, .id = kEdit, .rect = {10, 290, 600, 80}, .text = LongText("長い編集", 12000)},
            {.kind = Kind::TreeView, .id = kTreeView, .rect = {620, 40, 270, 200},
             .content = TreeData{{{0, "短い枝"}, {0, LongText("長い枝", 2000)}}}},
            {.kind = Kind::StatusBar, .id = kStatusBar, .rect = {0, 0, 0, 0},
             .content = StatusData{{{100, "短い"}, {400, LongText("長いパート六百", 600)},
                                    {-1, LongText("長いパート五千", 5000)}}}}}}};
}

}  // namespace sample_app
