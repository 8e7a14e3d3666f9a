// Web and mail addresses in a token of the captured text, and the target the shell
// opens for them.
#pragma once

#include <string>

namespace glean {

enum class LinkKind { None, Web, Mail };

struct DetectedLink {
  LinkKind Kind = LinkKind::None;
  std::string Target;  // what the shell's "Open" gets
};

// "http://", "https://", "ftp://" and "www." (with "http://" put in front) are web
// addresses; a token with an "@" after its first character and a "." somewhere after
// that "@" is a mail address ("mailto:" in front). Prefixes are matched with their case.
DetectedLink DetectAddress(const std::string& token);

}  // namespace glean
