// A list view that answers item queries with a pointer nobody can read, between
// controls that read normally, so a capture that stops there is visible.
#include "../sample_ids.h"
#include "scenarios.h"

namespace sample_app {

std::vector<WindowEntry> BadPointer(const std::string& title) {
  using namespace badpointer;
  const std::vector<Column> columns = {{"名前", 150}, {"状態", 150}};
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::Label, .id = kLabelBefore, .rect = {10, 10, 300, 20}, .text = "前のラベル"},
            {.kind = Kind::ListView, .id = kReadable, .rect = {10, 40, 400, 120},
             .content = ListViewData{.columns = columns, .rows = {{"読める行", "正常"}}}},
            {.kind = Kind::ListView, .id = kUnreadable, .rect = {10, 170, 400, 120},
             .content = ListViewData{.columns = columns,
                                     .rows = {{"読めない行一", "壊れた"}, {"読めない行二", "Broken"}},
                                     .unreadable_text = true}},
            {.kind = Kind::Label, .id = kLabelAfter, .rect = {10, 300, 300, 20}, .text = "後のラベル"}}}};
}

}  // namespace sample_app
