#include "harness/desktop.h"

#include <cstring>

#include "harness/process.h"

namespace glean::test {

std::string ClipboardText() {
  if (!OpenClipboard(nullptr)) return "<closed>";
  std::string text = "<none>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      text = p;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void PutOnClipboard(const std::string& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  if (HGLOBAL m = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    std::memcpy(GlobalLock(m), text.c_str(), text.size() + 1);
    GlobalUnlock(m);
    if (!SetClipboardData(CF_TEXT, m)) GlobalFree(m);
  }
  CloseClipboard();
}

HWND FindChild(HWND parent, const char* className, const char* text) {
  struct Search {
    const char* cls;
    const char* text;
    HWND found;
  } s{className, text, nullptr};
  EnumChildWindows(
      parent,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        if (ClassName(h) == s->cls && (!s->text || WindowText(h) == s->text)) {
          s->found = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::string WindowTextOf(HWND hwnd) {
  DWORD_PTR length = 0;
  SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
  std::string text(length + 1, '\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &got);
  text.resize(got);
  return text;
}

std::string IniValue(const std::string& ini, const char* key, const char* section) {
  char value[1024] = {};
  GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value, ini.c_str());
  return value;
}

}  // namespace glean::test
