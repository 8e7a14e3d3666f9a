// What the Windows tests read off the desktop: the clipboard, child windows, Glean.ini.
#pragma once

#include <windows.h>

#include <string>

namespace glean::test {

// The clipboard's text; "<none>" when it holds none, "<closed>" when it cannot be opened.
std::string ClipboardText();
// The text as CF_TEXT and, unless null, under the registered format `alsoAs` too; false when
// the clipboard cannot be opened.
bool PutOnClipboard(const std::string& text, const char* alsoAs = nullptr);

// The first child (at any depth) of `parent` with the class and, unless null, the text.
HWND FindChild(HWND parent, const char* className, const char* text = nullptr);

// A value of a settings file, "<absent>" when the key is missing.
std::string IniValue(const std::string& ini, const char* key, const char* section = "common");

// The file version (major, minor, patch) a program's version resource carries; zeros when
// it carries none.
struct FileVersion {
  int major = 0, minor = 0, patch = 0;
};
FileVersion FileVersionOf(const std::string& exe);

}  // namespace glean::test
