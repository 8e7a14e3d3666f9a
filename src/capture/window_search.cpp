#include "capture/window_search.h"

#include <cstring>
#include <vector>

#include "base/sjis.h"
#include "win/cp932_text.h"

namespace glean::capture {

namespace {
constexpr int kListTitleLimit = 255;

const char* const kReaderTitles[] = {"98Reader", "95Reader", "2000Reader", "XPReader"};

struct EnumState {
  HWND own;
  const TStrings* noAccess;
  WindowEntries* out;
};

BOOL CALLBACK EnumTopWindowProc(HWND hwnd, LPARAM parameter) {
  auto* state = reinterpret_cast<EnumState*>(parameter);
  char className[256] = {};
  GetClassNameA(hwnd, className, 255);
  if (!IsWindowVisible(hwnd)) return TRUE;
  if (hwnd == state->own) return TRUE;
  if (std::strcmp(className, "TApplication") == 0) return TRUE;
  std::string full = WholeWindowTitle(hwnd);
  std::string title = full.substr(0, sjis::CharBoundaryAtOrBefore(full, kListTitleLimit - 1));
  if (title.empty()) return TRUE;
  if (title == "Program Manager") return TRUE;
  if (title == "グリーナ！") return TRUE;
  // The whole title, since the window is captured by it: a blocked word past the cut
  // must keep the window out of reach as well.
  if (IsNoAccessTitle(full, *state->noAccess)) return TRUE;
  state->out->Add({title, full, GetSmallWindowIcon(hwnd)});
  return TRUE;
}

bool EqualsIgnoringCase(const std::string& a, const char* b) {
  return lstrcmpiA(a.c_str(), b) == 0;
}
}  // namespace

std::string WholeWindowTitle(HWND hwnd) { return win::WindowTitle932(hwnd); }

void WindowEntries::Clear() {
  for (auto& e : entries_)
    if (e.Icon) DestroyIcon(e.Icon);
  entries_.clear();
}

bool IsNoAccessTitle(const std::string& title, const TStrings& noAccess) {
  int n = noAccess.Count();
  for (int i = 0; i < n; ++i) {
    std::string entry = noAccess.Get(i);
    if (!entry.empty() && title.find(entry) != std::string::npos) return true;
  }
  return false;
}

HICON GetSmallWindowIcon(HWND hwnd) {
  auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICONSM));
  DWORD_PTR answer = 0;
  // Icons of other programs are asked for with a timeout: a hung window has none.
  if (!icon && SendMessageTimeoutA(hwnd, WM_GETICON, ICON_SMALL, 0, SMTO_ABORTIFHUNG, 1000, &answer))
    icon = reinterpret_cast<HICON>(answer);
  if (!icon && SendMessageTimeoutA(hwnd, WM_GETICON, ICON_BIG, 0, SMTO_ABORTIFHUNG, 1000, &answer))
    icon = reinterpret_cast<HICON>(answer);
  if (!icon) return nullptr;
  return static_cast<HICON>(CopyImage(icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), 0));
}

void EnumerateTopWindows(HWND own, const TStrings& noAccess, WindowEntries& out) {
  EnumState state{own, &noAccess, &out};
  EnumWindows(EnumTopWindowProc, reinterpret_cast<LPARAM>(&state));
}

bool DetectScreenReader(const std::vector<std::string>& texts) {
  for (const char* reader : kReaderTitles)
    for (const auto& text : texts)
      if (EqualsIgnoringCase(text, reader)) return true;
  return false;
}

}  // namespace glean::capture
