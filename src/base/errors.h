// The one exception hierarchy of Glean: every error carries its message text (Shift-JIS).
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace glean {

// printf-style formatting into a std::string (the format's bytes are kept as they are).
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// An index outside a string list's range.
class EListError : public Exception {
 public:
  explicit EListError(int index);
  int Index() const noexcept { return index_; }

 private:
  int index_;
};

// A failed operating-system call. The system's message text comes from the Windows side,
// so the portable class takes it as a parameter.
class EOSError : public Exception {
 public:
  // No code: the system did not say why the call failed.
  EOSError();
  EOSError(uint32_t code, const std::string& systemMessage);
  uint32_t Code() const noexcept { return code_; }

 private:
  uint32_t code_ = 0;
};

// An internal consistency check that failed: "message (source, line 行)".
class EAssertionFailed : public Exception {
 public:
  EAssertionFailed(const std::string& message, const std::string& source, int line);
};

// A file that cannot be opened, created, read or written.
class EFileError : public Exception {
 public:
  using Exception::Exception;
};
class EFOpenError : public EFileError {
 public:
  explicit EFOpenError(const std::string& fileName);
};
class EFCreateError : public EFileError {
 public:
  explicit EFCreateError(const std::string& fileName);
};
class EReadError : public EFileError {
 public:
  explicit EReadError(const std::string& fileName);
};
class EWriteError : public EFileError {
 public:
  explicit EWriteError(const std::string& fileName);
};

// Raised by the process memory managers for their own (non-OS) failures.
class EProcessMemMgr : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace glean

// Checks an internal invariant; `source` names the unit the failure is reported from.
#define GLEAN_ASSERT(condition, message, source)                              \
  do {                                                                        \
    if (!(condition)) throw ::glean::EAssertionFailed((message), (source), __LINE__); \
  } while (0)
