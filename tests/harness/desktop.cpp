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

bool PutOnClipboard(const std::string& text, const char* alsoAs) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  auto put = [&](UINT format) {
    if (HGLOBAL m = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
      std::memcpy(GlobalLock(m), text.c_str(), text.size() + 1);
      GlobalUnlock(m);
      if (!SetClipboardData(format, m)) GlobalFree(m);
    }
  };
  put(CF_TEXT);
  if (alsoAs) put(RegisterClipboardFormatA(alsoAs));
  CloseClipboard();
  return true;
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

std::string IniValue(const std::string& ini, const char* key, const char* section) {
  char value[1024] = {};
  GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value, ini.c_str());
  return value;
}

FileVersion FileVersionOf(const std::string& exe) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
  std::string info(size, '\0');
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (size == 0 || !GetFileVersionInfoA(exe.c_str(), 0, size, info.data()) ||
      !VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length))
    return {};
  return {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS)};
}

}  // namespace glean::test
