#pragma once
// The scenarios: each is a table of windows and their controls, made for a title.
#include <string>
#include <string_view>
#include <vector>

#include "../control_spec.h"

namespace sample_app {

using ScenarioBuilder = std::vector<WindowSpec> (*)(const std::string& title);

struct Scenario {
  std::string_view name;
  ScenarioBuilder build;
};

std::vector<WindowSpec> AllControls(const std::string& title);
std::vector<WindowSpec> Empty(const std::string& title);
std::vector<WindowSpec> ManySelected(const std::string& title);
std::vector<WindowSpec> ListViews(const std::string& title);
std::vector<WindowSpec> LongItems(const std::string& title);
std::vector<WindowSpec> BadPointer(const std::string& title);
std::vector<WindowSpec> Twins(const std::string& title);
std::vector<WindowSpec> Blanks(const std::string& title);

inline constexpr Scenario kScenarios[] = {
    {"all", AllControls},       {"empty", Empty},          {"manysel", ManySelected},
    {"listview", ListViews},    {"longitem", LongItems},   {"badpointer", BadPointer},
    {"twins", Twins},           {"blanks", Blanks},
};

// The scenario of that name, or nullptr.
const Scenario* FindScenario(std::string_view name);

}  // namespace sample_app
