// Glean.ini as anyone may have left it: every value any text. Loading must end, keep the
// no_access list within its bound and free of empty titles, and a setting written back
// must read as the same value.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "settings/profile_values.h"
#include "settings/settings_file.h"

namespace {

// The first read of a key takes the next line of the input as its value; the key keeps
// it (or what is written to it) afterwards, as a file would.
class InputProfile : public glean::TProfile {
 public:
  explicit InputProfile(std::string_view data) : data_(data) {}
  std::string ReadString(const std::string& section, const std::string& key) override {
    auto written = store_.find(section + "\n" + key);
    if (written != store_.end()) return written->second;
    ++reads_;
    if (reads_ > 100000) std::abort();  // loading ran away
    size_t end = data_.find('\n');
    std::string value(data_.substr(0, end));
    data_ = end == std::string_view::npos ? std::string_view() : data_.substr(end + 1);
    if (value.size() > kMaxValueLength) value.resize(kMaxValueLength);
    store_[section + "\n" + key] = value;
    return value;
  }
  bool WriteString(const std::string& section, const std::string& key,
                   const std::string& value) override {
    store_[section + "\n" + key] = value;
    return true;
  }
  bool DeleteKey(const std::string& section, const std::string& key) override {
    store_[section + "\n" + key] = "";
    return true;
  }
  std::string FileName() const override { return "Glean.ini"; }

 private:
  std::string_view data_;
  std::map<std::string, std::string> store_;
  int reads_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  std::string_view data(reinterpret_cast<const char*>(bytes), size);

  // Any text: a value that parses prints back to itself.
  std::string first(data.substr(0, data.find('\n')));
  if (auto v = glean::ParseProfileInt(first)) {
    if (glean::ParseProfileInt(glean::FormatProfileInt(*v)) != *v) std::abort();
  }

  InputProfile profile(data);
  glean::TSettingsFile file(profile, [](const std::string&) { std::abort(); });
  glean::CaptureOptions capture;
  glean::ViewSettings view;
  file.LoadSettings(capture, view);
  if (capture.no_access.Count() > glean::TSettingsFile::kMaxListEntries) std::abort();
  for (int i = 0; i < capture.no_access.Count(); ++i)
    if (capture.no_access[i].empty()) std::abort();

  // Stored and read again (the written keys shadow the input), the options are the same.
  if (!file.SaveCaptureOptions(capture)) std::abort();
  glean::CaptureOptions again;
  glean::ViewSettings viewAgain;
  file.LoadSettings(again, viewAgain);
  if (again.no_access.GetText() != capture.no_access.GetText() ||
      again.read_menu != capture.read_menu || again.no_ampersand != capture.no_ampersand)
    std::abort();
  return 0;
}
