// A window whose content only its accessibility tree holds, in four kinds of tree.
#include "../sample_ids.h"
#include "scenarios.h"

namespace sample_app {

namespace {
std::vector<WindowEntry> DocumentWindow(const std::string& title, const char* mode) {
  using namespace document;
  WindowEntry window{title, kWindowLeft, kWindowTop, {},
                     {{.kind = Kind::Label, .id = kLabel, .rect = {10, 10, 300, 20}, .text = "文書ビュー"},
                      {.kind = Kind::Document, .id = kView, .rect = {10, 40, 600, 640}, .text = mode}}};
  window.wide_title_suffix = kTitleSuffix;
  return {window};
}
}  // namespace

std::vector<WindowEntry> Document(const std::string& title) { return DocumentWindow(title, "normal"); }
std::vector<WindowEntry> DocumentHang(const std::string& title) { return DocumentWindow(title, "hang"); }
std::vector<WindowEntry> DocumentCycle(const std::string& title) { return DocumentWindow(title, "cycle"); }
std::vector<WindowEntry> DocumentHuge(const std::string& title) { return DocumentWindow(title, "huge"); }
std::vector<WindowEntry> DocumentBench(const std::string& title) { return DocumentWindow(title, "bench"); }
std::vector<WindowEntry> DocumentLazy(const std::string& title) { return DocumentWindow(title, "lazy"); }

}  // namespace sample_app
