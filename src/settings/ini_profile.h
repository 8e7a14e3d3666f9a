// The Windows private-profile calls on one INI file, and Glean.ini's place.
#pragma once

#include <string>

#include "settings/profile.h"
#include "settings/settings_file.h"

namespace glean {

class TIniProfile : public TProfile {
 public:
  explicit TIniProfile(std::string fileName) : fileName_(std::move(fileName)) {}

  std::string ReadString(const std::string& section, const std::string& key) override;
  bool WriteString(const std::string& section, const std::string& key,
                   const std::string& value) override;
  bool DeleteKey(const std::string& section, const std::string& key) override;
  std::string FileName() const override { return fileName_; }

 private:
  std::string fileName_;
};

// "Glean.ini" in the folder of the running executable.
std::string GleanIniPath();

// The user's message box for a refused write: plain, with the application's title.
void ShowWriteFailure(const std::string& fileName);

// Glean.ini with its path and the message box: what the main window and the settings
// dialog use.
class TGleanIni : public TSettingsFile {
 public:
  explicit TGleanIni(std::string fileName = GleanIniPath(), WriteFailureFn onWriteFailure = ShowWriteFailure)
      : TSettingsFile(profile_, std::move(onWriteFailure)), profile_(std::move(fileName)) {}

 private:
  TIniProfile profile_;
};

}  // namespace glean
