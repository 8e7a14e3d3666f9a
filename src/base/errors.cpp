#include "base/errors.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace glean {

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out;
  if (n > 0) {
    std::vector<char> buffer(static_cast<size_t>(n) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    out.assign(buffer.data(), static_cast<size_t>(n));
  }
  va_end(args);
  return out;
}

EListError::EListError(int index)
    : Exception(Format("ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (%d)", index)), index_(index) {}

EOSError::EOSError() : Exception("Win32 API 呼び出しに失敗しました") {}

EOSError::EOSError(uint32_t code, const std::string& systemMessage)
    : Exception(Format("Win32 ｴﾗｰ。ｺｰﾄﾞ: %d.", static_cast<int>(code)) + "\n" + systemMessage),
      code_(code) {}

EAssertionFailed::EAssertionFailed(const std::string& message, const std::string& source, int line)
    : Exception(Format("%s (%s, %d 行)", message.c_str(), source.c_str(), line)) {}

EFOpenError::EFOpenError(const std::string& fileName)
    : EFileError(Format("ファイル %s を開けません", fileName.c_str())) {}
EFCreateError::EFCreateError(const std::string& fileName)
    : EFileError(Format("ファイル %s を作成できません", fileName.c_str())) {}
EReadError::EReadError(const std::string& fileName)
    : EFileError(Format("ファイル %s の読み込みエラー", fileName.c_str())) {}
EWriteError::EWriteError(const std::string& fileName)
    : EFileError(Format("ファイル %s の書き込みエラー", fileName.c_str())) {}

}  // namespace glean
