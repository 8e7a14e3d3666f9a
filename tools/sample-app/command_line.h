#pragma once
// The sample app's command line, parsed from the ANSI (Shift-JIS) text the system gives.
#include <string>
#include <string_view>
#include <vector>

#include "sample_ids.h"

namespace sample_app {

struct Options {
  std::string title = kDefaultTitle;
  std::string scenario = kDefaultScenario;
  int hang_after_ms = -1;  // -1: never hang
  std::string folder;
};

// Splits like the C runtime does (quotes, backslashes before quotes), stepping over
// double-byte characters so that a trail byte 0x5C is not taken for a backslash.
// The first element is the program name.
std::vector<std::string> SplitCommandLine(std::string_view line);

// Fills `out` from the arguments after the program name; returns an error text, or an
// empty string when the arguments are valid.
std::string ParseOptions(const std::vector<std::string>& args, Options& out);

}  // namespace sample_app
