// The save dialog as Glean's commands ask it: a proposed name, the kinds of file to
// choose from, and a question before a file is written over.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace glean {

struct SaveChoice {
  std::string path;
  DWORD kind = 1;  // the chosen entry of `filter`, from 1
};

// None when the user cancelled. `filter`: pairs of description and pattern, each ended by
// a zero byte, the whole by a second one.
std::optional<SaveChoice> AskSaveName(HWND owner, const std::string& proposed, const char* filter,
                                      const char* defaultExtension);

}  // namespace glean
