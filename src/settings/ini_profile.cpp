#include "settings/ini_profile.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "base/sjis.h"

namespace glean {

std::string TIniProfile::ReadString(const std::string& section, const std::string& key) {
  char buffer[kMaxValueLength + 1] = {};
  DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer,
                                     fileName_.c_str());
  std::string value(buffer, std::min<size_t>(n, kMaxValueLength));
  // A value cut at the buffer's end must not end in half a character.
  if (!value.empty()) {
    size_t last = sjis::CharBoundaryAtOrBefore(value, value.size() - 1);
    if (last + 1 == value.size() && sjis::IsLeadByte(value[last])) value.resize(last);
  }
  return value;
}

bool TIniProfile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                    fileName_.c_str()) != FALSE;
}

bool TIniProfile::DeleteKey(const std::string& section, const std::string& key) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, fileName_.c_str()) !=
         FALSE;
}

std::string GleanIniPath() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::string exe(path.begin(), path.end());
  // The folder as the path gives it, with its trailing separator; a trail byte of a
  // double-byte character may look like a backslash.
  size_t folderEnd = 0;
  for (size_t i = 0; i < exe.size(); i = sjis::NextCharPos(exe, i))
    if (exe[i] == '\\' || exe[i] == '/' || exe[i] == ':') folderEnd = i + 1;
  return exe.substr(0, folderEnd) + "Glean.ini";
}

void ShowWriteFailure(const std::string& fileName) {
  MessageBoxA(GetActiveWindow(), WriteFailureMessage(fileName).c_str(), "グリーナ！", MB_OK);
}

}  // namespace glean
