#include "main/model/save_name.h"

#include "base/sjis.h"

namespace glean {

namespace {
char Replacement(char c) {
  switch (c) {
    case ' ': case ':': case ';': case '\\': case '/': case ',': case '?': case '*': case '|':
      return '_';
    case '"': return '\'';
    case '<': return '[';
    case '>': return ']';
    default: return c;
  }
}
}  // namespace

std::string SafeFileName(const std::string& name) {
  std::string out;
  out.reserve(name.size());
  for (size_t i = 0; i < name.size(); ++i) {
    if (sjis::IsLeadByte(name[i]) && i + 1 < name.size()) {
      out += name[i];
      out += name[++i];
      continue;
    }
    out += Replacement(name[i]);
  }
  return out;
}

std::string ProposedSaveName(const std::string& name) { return SafeFileName(name) + ".txt"; }

}  // namespace glean
