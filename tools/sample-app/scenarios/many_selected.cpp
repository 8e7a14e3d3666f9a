// More selected list-box items than a reader keeps, and a list with exactly three.
#include <cstdio>

#include "../sample_ids.h"
#include "scenarios.h"

namespace sample_app {
namespace {

ListItems AllSelected() {
  ListItems list;
  for (int i = 0; i < manysel::kItemCount; ++i) {
    char text[32];
    std::snprintf(text, sizeof text, "選択項目 %04d", i);
    list.items.push_back(text);
    list.selected.push_back(i);
  }
  return list;
}

}  // namespace

std::vector<WindowEntry> ManySelected(const std::string& title) {
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::MultiListBox, .id = manysel::kListAll, .rect = {10, 10, 300, 600},
             .content = AllSelected()},
            {.kind = Kind::MultiListBox, .id = manysel::kListThree, .rect = {320, 10, 200, 300},
             .content = ListItems{{"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"}, {1, 4, 8}}}}}};
}

}  // namespace sample_app
