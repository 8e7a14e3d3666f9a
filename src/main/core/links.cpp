#include "main/core/links.h"

namespace glean {

namespace {
bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }
}  // namespace

DetectedLink DetectAddress(const std::string& token) {
  for (const char* prefix : {"http://", "https://", "ftp://"})
    if (StartsWith(token, prefix)) return {LinkKind::Web, token};
  if (StartsWith(token, "www.")) return {LinkKind::Web, "http://" + token};
  const size_t at = token.find('@');
  if (at != std::string::npos && at >= 1 && token.find('.', at + 1) != std::string::npos)
    return {LinkKind::Mail, "mailto:" + token};
  return {};
}

}  // namespace glean
