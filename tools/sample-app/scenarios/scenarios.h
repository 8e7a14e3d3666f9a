#pragma once
// The scenarios: each is a table of windows and their controls, made for a title.
#include <string>
#include <string_view>
#include <vector>

#include "../control_table.h"

namespace sample_app {

using ScenarioBuilder = std::vector<WindowEntry> (*)(const std::string& title);

struct Scenario {
  std::string_view name;
  ScenarioBuilder build;
};

std::vector<WindowEntry> AllControls(const std::string& title);
std::vector<WindowEntry> Empty(const std::string& title);
std::vector<WindowEntry> ManySelected(const std::string& title);
std::vector<WindowEntry> ListViews(const std::string& title);
std::vector<WindowEntry> LongItems(const std::string& title);
std::vector<WindowEntry> BadPointer(const std::string& title);
std::vector<WindowEntry> Twins(const std::string& title);
std::vector<WindowEntry> Blanks(const std::string& title);
std::vector<WindowEntry> WindowList(const std::string& title);
std::vector<WindowEntry> BigReport(const std::string& title);
std::vector<WindowEntry> ManyStatics(const std::string& title);
std::vector<WindowEntry> WholeList(const std::string& title);
std::vector<WindowEntry> WholeTreeWindow(const std::string& title);
std::vector<WindowEntry> BigText(const std::string& title);
std::vector<WindowEntry> Liars(const std::string& title);
std::vector<WindowEntry> Document(const std::string& title);
std::vector<WindowEntry> DocumentHang(const std::string& title);
std::vector<WindowEntry> DocumentCycle(const std::string& title);
std::vector<WindowEntry> DocumentHuge(const std::string& title);
std::vector<WindowEntry> DocumentBench(const std::string& title);
std::vector<WindowEntry> DocumentLazy(const std::string& title);
std::vector<WindowEntry> SlowRow(const std::string& title);
std::vector<WindowEntry> Sources(const std::string& title);
std::vector<WindowEntry> Ticker(const std::string& title);
std::vector<WindowEntry> TickerStep(const std::string& title);
std::vector<WindowEntry> TickerHang(const std::string& title);
std::vector<WindowEntry> TickerBig(const std::string& title);

inline constexpr Scenario kScenarios[] = {
    {"all", AllControls},       {"empty", Empty},          {"manysel", ManySelected},
    {"listview", ListViews},    {"longitem", LongItems},   {"badpointer", BadPointer},
    {"twins", Twins},           {"blanks", Blanks},        {"windowlist", WindowList},
    {"bigreport", BigReport},   {"statics", ManyStatics},  {"wholelist", WholeList},
    {"wholetree", WholeTreeWindow}, {"bigtext", BigText},  {"liars", Liars},
    {"document", Document},     {"dochang", DocumentHang}, {"doccycle", DocumentCycle},
    {"dochuge", DocumentHuge},   {"docbench", DocumentBench}, {"doclazy", DocumentLazy},
    {"slowrow", SlowRow},
    {"sources", Sources},
    {"ticker", Ticker},         {"tickerstep", TickerStep}, {"tickerhang", TickerHang},
    {"tickerbig", TickerBig},
};

// The scenario of that name, or nullptr.
const Scenario* FindScenario(std::string_view name);

}  // namespace sample_app
