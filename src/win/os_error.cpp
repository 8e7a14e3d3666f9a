#include "win/os_error.h"

namespace glean::win {

std::string SystemErrorMessage(DWORD code) {
  char* buffer = nullptr;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                           nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text;
  if (n && buffer) text.assign(buffer, n);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
    text.pop_back();
  return text;
}

void RaiseOSError(DWORD code) {
  if (code == 0) throw EOSError();
  throw EOSError(code, SystemErrorMessage(code));
}

void RaiseLastOSError() { RaiseOSError(GetLastError()); }

}  // namespace glean::win
