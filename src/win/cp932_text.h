// The one conversion of UTF-16 texts to code page 932 on Windows, the titles of Unicode
// windows read through it, and the widening of code page 932 texts back to UTF-16.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/cp932_conversion.h"

namespace glean::win {

// Characters the code page lacks become their Latin base letter or "〓" (or are dropped,
// as `missing` says), never "?".
std::string ToCodePage932(std::wstring_view text, sjis::TMissing missing = sjis::TMissing::Replace);

// Code page 932 to UTF-16, by the system's table.
std::u16string FromCodePage932(std::string_view text);

// The whole title of a top-level window as Glean lists it: a Unicode window's title is
// read in UTF-16 and converted, another's in code page 932. No message is sent.
std::string WindowTitle932(HWND hwnd);

}  // namespace glean::win
