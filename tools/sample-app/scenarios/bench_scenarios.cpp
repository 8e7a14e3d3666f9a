// Large windows for the capture benchmarks: a report list with 500 rows in view, and a
// window with 1000 static texts.
#include "../sample_ids.h"
#include "scenarios.h"

namespace sample_app {

std::vector<WindowEntry> BigReport(const std::string& title) {
  ListViewData data;
  for (int c = 0; c < bench::kReportColumns; ++c) data.columns.push_back({"列" + std::to_string(c), 160});
  for (int r = 0; r < bench::kReportRows; ++r) {
    std::vector<std::string> row;
    for (int c = 0; c < bench::kReportColumns; ++c)
      row.push_back("セル" + std::to_string(r) + "-" + std::to_string(c));
    data.rows.push_back(row);
  }
  // Taller than any screen, so that every row lies in the page the control reports.
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::ListView, .id = bench::kReport, .rect = {0, 0, 880, 20000},
             .content = data}}}};
}

std::vector<WindowEntry> ManyStatics(const std::string& title) {
  std::vector<ControlEntry> labels;
  for (int i = 0; i < bench::kStaticCount; ++i)
    labels.push_back({.kind = Kind::Label, .id = bench::kFirstStatic + i,
                      .rect = {(i % 25) * 36, (i / 25) * 17, 34, 16}, .text = "ラベル" + std::to_string(i)});
  return {{title, kWindowLeft, kWindowTop, {}, labels}};
}

}  // namespace sample_app
