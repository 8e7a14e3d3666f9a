// List views that differ in rows, room and selection, side by side in one window.
#include <string>

#include "../sample_ids.h"
#include "scenarios.h"

namespace sample_app {
namespace {

std::vector<std::vector<std::string>> NumberedRows(int count, const std::string& stem) {
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < count; ++i) rows.push_back({stem + std::to_string(i), "値" + std::to_string(i)});
  return rows;
}

const std::vector<Column> kTwoColumns = {{"名前", 180}, {"種類", 180}};

}  // namespace

std::vector<WindowEntry> ListViews(const std::string& title) {
  using namespace listview;
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::ListView, .id = kRoomy, .rect = {10, 10, 400, 300},
             .content = ListViewData{.columns = kTwoColumns,
                                     .rows = {{"一行目", "テキスト"}, {"二行目", "画像"}, {"Third row", "Plain"}}}},
            {.kind = Kind::ListView, .id = kOneSelected, .rect = {420, 10, 400, 150},
             .content = ListViewData{.columns = kTwoColumns, .rows = NumberedRows(5, "単一選択"), .selected = {2}}},
            {.kind = Kind::ListView, .id = kThreeSelected, .rect = {10, 320, 400, 120},
             .content = ListViewData{.columns = kTwoColumns, .rows = NumberedRows(20, "複数選択"),
                                     .selected = {1, 3, 15}}},
            {.kind = Kind::ListView, .id = kNoColumns, .rect = {420, 320, 400, 120},
             .content = ListViewData{.rows = {{"列なし一"}, {"列なし二"}}}}}}};
}

}  // namespace sample_app
