// The file name the save dialog proposes for a captured window: the window's name with
// every character a file name cannot hold (and the blank) replaced. Portable.
#pragma once

#include <string>

namespace glean {

// `name` with each " ", ":", ";", "\", "/", ",", "?", "*", "|" made "_", a double quote
// made an apostrophe, "<" made "[" and ">" made "]". Double-byte characters are stepped
// over whole: their second byte may be "\" or "|" and must stay as it is.
std::string SafeFileName(const std::string& name);

// SafeFileName(name) + ".txt".
std::string ProposedSaveName(const std::string& name);

}  // namespace glean
