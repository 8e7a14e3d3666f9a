// Hints: a control's hint may have two parts separated by "|"; the tool tip shows the
// first, the status bar the second (each the whole hint when there is no "|").
#pragma once

#include <string>

namespace glean::ui {

std::string ShortHint(const std::string& hint);
std::string LongHint(const std::string& hint);

}  // namespace glean::ui
