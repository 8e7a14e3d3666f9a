// One key at a time of a private profile (INI) file, with no copy kept in between.
// Portable: the Windows side implements it with the system's profile-string calls, the
// tests with a recording fake.
#pragma once

#include <string>

namespace glean {

class TProfile {
 public:
  static constexpr size_t kMaxValueLength = 1023;

  virtual ~TProfile() = default;

  // The value, at most kMaxValueLength bytes; empty when the key is absent.
  virtual std::string ReadString(const std::string& section, const std::string& key) = 0;
  // False when the system refuses the write.
  virtual bool WriteString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
  virtual bool DeleteKey(const std::string& section, const std::string& key) = 0;
  // The file's full path, for the user's message when a write is refused.
  virtual std::string FileName() const = 0;
};

}  // namespace glean
