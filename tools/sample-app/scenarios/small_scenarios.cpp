// Scenarios about windows rather than controls: no children, equal titles, blank titles.
#include "../sample_ids.h"
#include "scenarios.h"

namespace sample_app {

std::vector<WindowEntry> Empty(const std::string& title) {
  return {{title, kWindowLeft, kWindowTop, {}, {}}};
}

// Two windows with one title; the second is shown last and so lies on top.
std::vector<WindowEntry> Twins(const std::string& title) {
  auto window = [&](int offset, const char* label) {
    return WindowEntry{title, kWindowLeft + offset, kWindowTop + offset, {},
                      {{.kind = Kind::Label, .id = twins::kLabel, .rect = {10, 10, 300, 20}, .text = label}}};
  };
  return {window(0, "双子の一番目"), window(kTwinOffset, "双子の二番目")};
}

std::vector<WindowEntry> Blanks(const std::string& title) {
  return {{title + kBlankSuffix, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::Label, .id = blanks::kLabel, .rect = {10, 10, 300, 20},
             .text = "末尾に空白のあるタイトル"}}}};
}

std::vector<WindowEntry> WindowList(const std::string& title) {
  using namespace windowlist;
  auto window = [&](std::string text, int offset) {
    return WindowEntry{std::move(text), kWindowLeft + offset, kWindowTop + offset, {}, {}};
  };
  WindowEntry delphi = window(title + kTApplicationSuffix, 20);
  delphi.window_class = kTApplicationClass;
  WindowEntry hidden = window(title + kHiddenSuffix, 40);
  hidden.shown = false;
  WindowEntry tool = window(title + kToolSuffix, 60);
  tool.tool_window = true;
  return {delphi, hidden, tool, window("", 80), window(title, 0)};
}

}  // namespace sample_app
