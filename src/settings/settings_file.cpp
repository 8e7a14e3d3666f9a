#include "settings/settings_file.h"

#include <algorithm>

#include "base/errors.h"
#include "settings/profile_values.h"

namespace glean {

namespace {
constexpr const char* kCommon = kCommonSection;

struct SizeKeys {
  const char* width;
  const char* height;
};
SizeKeys SizeKeysOf(bool compact) {
  return compact ? SizeKeys{"compact_width", "compact_height"}
                 : SizeKeys{"window_width", "window_height"};
}
}  // namespace

std::string WriteFailureMessage(const std::string& fileName) {
  return Format("%s に書き込めません", fileName.c_str());
}

// The writes of one operation: after the first refused one nothing more is written, and
// the user hears of it once.
class TSettingsFile::Writer {
 public:
  explicit Writer(TSettingsFile& file) : file_(file) {}

  void Put(const char* section, const std::string& key, const std::string& value) {
    if (ok_) ok_ = file_.profile_.WriteString(section, key, value);
  }
  void PutInt(const char* section, const char* key, int value) {
    Put(section, key, FormatProfileInt(value));
  }
  void PutBool(const char* section, const char* key, bool value) {
    Put(section, key, FormatProfileBool(value));
  }
  void Delete(const char* section, const std::string& key) {
    if (ok_) ok_ = file_.profile_.DeleteKey(section, key);
  }
  bool Finish() {
    if (!ok_ && file_.onWriteFailure_) file_.onWriteFailure_(file_.profile_.FileName());
    return ok_;
  }

 private:
  TSettingsFile& file_;
  bool ok_ = true;
};

int TSettingsFile::ReadInt(const char* section, const char* key, int fallback) {
  return ProfileIntOr(profile_.ReadString(section, key), fallback);
}

bool TSettingsFile::ReadBool(const char* section, const char* key, bool fallback) {
  return ProfileBoolOr(profile_.ReadString(section, key), fallback);
}

void TSettingsFile::LoadList(TStrings& list) {
  list.Clear();
  int count = std::min(ReadInt(kCommon, "count", 0), kMaxListEntries);
  for (int i = 0; i < count; ++i) {
    std::string entry = profile_.ReadString(kCommon, NoAccessKey(i));
    if (!entry.empty()) list.Add(entry);
  }
}

LayoutSize TSettingsFile::LoadSettings(CaptureOptions& capture, ViewSettings& view) {
  for (const auto& k : kCaptureOptionRows) capture.*k.member = ReadBool(k.section, k.key, k.fallback);
  view.send_clipboard = ReadBool(kCommon, "send_clipboard", false);
  view.list_font_sixe = ReadInt(kCommon, "list_font_sixe", 9);
  view.data_font_sixe = ReadInt(kCommon, "data_font_sixe", 9);
  view.always_foreground = ReadBool(kCommon, "always_foreground", false);
  view.compact_top = ReadInt(kCommon, "compact_top", 174);
  view.compact_left = ReadInt(kCommon, "compact_left", 257);
  view.window_top = ReadInt(kCommon, "window_top", 174);
  view.window_left = ReadInt(kCommon, "window_left", 257);
  view.compact_style = ReadBool(kCommon, "compact_style", false);
  LayoutSize size = ReadLayoutSize(view.compact_style);
  (view.compact_style ? view.compact_width : view.window_width) = size.width;
  (view.compact_style ? view.compact_height : view.window_height) = size.height;
  view.window_maximized = ReadBool(kCommon, "window_maximized", false);
  view.uia_notify = ReadBool(kCommon, "uia_notify", true);
  view.watch_interval_ms = ReadInt(kCommon, "watch_interval_ms", 1000);
  view.system_colors = ReadInt(kCommon, "system_colors", 2);
  if (view.system_colors < 0 || view.system_colors > 2) view.system_colors = 2;
  LoadList(capture.no_access);
  return size;
}

LayoutSize TSettingsFile::ReadLayoutSize(bool compact) {
  SizeKeys keys = SizeKeysOf(compact);
  LayoutSize size;
  size.width = ReadInt(kCommon, keys.width, 506);
  size.height = ReadInt(kCommon, keys.height, 454);
  return size;
}

bool TSettingsFile::SaveWindowSize(bool compact, int width, int height) {
  SizeKeys keys = SizeKeysOf(compact);
  Writer w(*this);
  w.PutInt(kCommon, keys.width, width);
  w.PutInt(kCommon, keys.height, height);
  return w.Finish();
}

bool TSettingsFile::SaveOnClose(const ViewSettings& view, bool alwaysForeground,
                                int listFontSize, int dataFontSize, bool maximized) {
  Writer w(*this);
  w.PutBool(kCommon, "always_foreground", alwaysForeground);
  w.PutBool(kCommon, "send_clipboard", view.send_clipboard);
  w.PutInt(kCommon, "list_font_sixe", listFontSize);
  w.PutInt(kCommon, "data_font_sixe", dataFontSize);
  // A maximized window's position says nothing about where it stands when restored.
  if (!maximized) {
    w.PutInt(kCommon, "compact_top", view.compact_top);
    w.PutInt(kCommon, "compact_left", view.compact_left);
    w.PutInt(kCommon, "window_top", view.window_top);
    w.PutInt(kCommon, "window_left", view.window_left);
  }
  w.PutBool(kCommon, "window_maximized", maximized);
  w.PutBool(kCommon, "compact_style", view.compact_style);
  w.PutBool(kCommon, "uia_notify", view.uia_notify);
  return w.Finish();
}

bool TSettingsFile::SaveSystemColors(int systemColors) {
  Writer w(*this);
  w.PutInt(kCommon, "system_colors", systemColors);
  return w.Finish();
}

bool TSettingsFile::SaveCaptureOptions(const CaptureOptions& capture) {
  Writer w(*this);
  for (const auto& k : kCaptureOptionRows) w.PutBool(k.section, k.key, capture.*k.member);
  // Old entries go by the count in the file; an emptied list leaves "count" as it was,
  // since its entries are gone and the loader skips absent ones.
  int old = std::min(ReadInt(kCommon, "count", 0), kMaxListEntries);
  for (int i = 0; i < old; ++i) w.Delete(kCommon, NoAccessKey(i));
  const TStrings& list = capture.no_access;
  if (list.Count() > 0) {
    w.PutInt(kCommon, "count", list.Count());
    for (int i = 0; i < list.Count(); ++i) w.Put(kCommon, NoAccessKey(i), list.Get(i));
  }
  return w.Finish();
}

}  // namespace glean
