#include "main/save_dialog.h"

#include <commdlg.h>

#include <vector>

namespace glean {

namespace {
constexpr DWORD kSaveNameBuffer = 1024;
}  // namespace

std::optional<SaveChoice> AskSaveName(HWND owner, const std::string& proposed, const char* filter,
                                      const char* defaultExtension) {
  std::vector<char> buffer(kSaveNameBuffer, '\0');
  proposed.copy(buffer.data(), buffer.size() - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrDefExt = defaultExtension;
  // The program finds its own files by its module's folder, but keeping the working
  // folder spares other programs started from here a surprise.
  dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                 OFN_NOCHANGEDIR;
  if (!GetSaveFileNameA(&dialog)) return std::nullopt;
  return SaveChoice{buffer.data(), dialog.nFilterIndex};
}

}  // namespace glean
