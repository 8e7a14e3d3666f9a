// Glean.ini: which key holds which setting, in which section, and the order in which the
// keys are read and written. Every read and write is one call on the profile; nothing
// is cached. Portable.
#pragma once

#include <functional>
#include <string>

#include "settings/capture_options.h"
#include "settings/profile.h"
#include "settings/view_settings.h"

namespace glean {

// "%s に書き込めません" with the file's path.
std::string WriteFailureMessage(const std::string& fileName);

class TSettingsFile {
 public:
  // Told the file's path when the system refuses a write; the operation then stops.
  using WriteFailureFn = std::function<void(const std::string& fileName)>;

  // A corrupted "count" must not keep start-up reading for hours.
  static constexpr int kMaxListEntries = 10000;

  TSettingsFile(TProfile& profile, WriteFailureFn onWriteFailure)
      : profile_(profile), onWriteFailure_(std::move(onWriteFailure)) {}

  // Fills both records from the file (the size pair of the active layout only) and
  // returns that pair.
  LayoutSize LoadSettings(CaptureOptions& capture, ViewSettings& view);
  LayoutSize ReadLayoutSize(bool compact);

  // Each returns false when a write was refused (reported once; later writes not made).
  bool SaveWindowSize(bool compact, int width, int height);
  // The check box state, the fonts' current sizes and the window state come from the
  // main window; the positions (written only when not maximized) from `view`.
  bool SaveOnClose(const ViewSettings& view, bool alwaysForeground, int listFontSize,
                   int dataFontSize, bool maximized);
  bool SaveSystemColors(int systemColors);
  // Writes the flags and replaces the no_access list by `capture.no_access`.
  bool SaveCaptureOptions(const CaptureOptions& capture);

 private:
  class Writer;

  int ReadInt(const char* section, const char* key, int fallback);
  bool ReadBool(const char* section, const char* key, bool fallback);
  void LoadList(TStrings& list);

  TProfile& profile_;
  WriteFailureFn onWriteFailure_;
};

}  // namespace glean
