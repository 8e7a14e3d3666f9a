#include "scenarios.h"

namespace sample_app {

const Scenario* FindScenario(std::string_view name) {
  for (const Scenario& scenario : kScenarios)
    if (scenario.name == name) return &scenario;
  return nullptr;
}

}  // namespace sample_app
