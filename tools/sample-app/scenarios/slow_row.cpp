// A slow program: an owner-data list view whose third row, asked for from outside, is
// answered only after Glean has given up waiting, into the buffer Glean placed there.
#include "../sample_ids.h"
#include "scenarios.h"

namespace sample_app {

std::vector<WindowEntry> SlowRow(const std::string& title) {
  using namespace slowrow;
  ListViewData data{.columns = {{"名前", 150}, {"状態", 150}}, .owner_data = true, .slow_row = kSlowRow};
  for (const char* name : {"一行目", "二行目", "遅い行", "四行目", "五行目"}) data.rows.push_back({name, "所有者データ"});
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::ListView, .id = kList, .rect = {10, 10, 400, 300}, .content = data},
            {.kind = Kind::Label, .id = kAnswered, .rect = {10, 320, 300, 20}, .text = "遅れた答え: 0"}}}};
}

}  // namespace sample_app
