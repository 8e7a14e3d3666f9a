// What one capture produces: the lines, the item rectangles, and the small amount of
// state the readers share while they append to them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/strings.h"
#include "settings/capture_options.h"

namespace glean::capture {

// One captured item's text and where it lies on the screen (signed screen pixels).
struct HitRow {
  std::string Text;
  int Left = 0, Top = 0, Bottom = 0, Right = 0;
  bool operator==(const HitRow&) const = default;
};

using ItemHitTable = std::vector<HitRow>;

class CapturedText {
 public:
  CapturedText(TStringList& lines, ItemHitTable& hits, const CaptureOptions& options)
      : lines_(lines), hits_(hits), options_(options) {}

  const CaptureOptions& Options() const { return options_; }
  TStringList& Lines() { return lines_; }

  void Add(const std::string& line) { lines_.Add(line); }
  // A header line, only while headers are wanted.
  void AddHeader(const char* header) {
    if (options_.show_text_type) Add(header);
  }
  // A header that is written once per capture: a second list of the same kind
  // continues under the first one's header.
  void AddHeaderOnce(const char* header) {
    if (options_.show_text_type && !Contains(header)) Add(header);
  }
  // The empty line that closes a section, only while headers are wanted.
  void EndSection() {
    if (options_.show_text_type) Add("");
  }
  // An empty line before a new section unless the text already ends with one.
  void AddSectionBreak() {
    if (options_.show_text_type && lines_.Count() > 0 && !LastLineEmpty()) Add("");
  }
  bool LastLineEmpty() const {
    int n = lines_.Count();
    return n > 0 && lines_.Items()[static_cast<size_t>(n - 1)].empty();
  }
  bool Contains(const std::string& line) const { return lines_.IndexOf(line) >= 0; }

  void AddHit(const std::string& text, const RECT& screen) {
    hits_.push_back({text, static_cast<int>(screen.left), static_cast<int>(screen.top),
                     static_cast<int>(screen.bottom), static_cast<int>(screen.right)});
  }

  // The raw text of the last child that passed the repeat test.
  std::string LastChildText;
  // The chosen window has an accessibility tree of its own, read after the children:
  // no child is read through its tree. TreeSectionEnd: the line count after the last
  // tree's section, so that the next tree right after it shares its header.
  bool WholeWindowTree = false;
  int TreeSectionEnd = -1;

  // Progress of a long list-view read (the status bar's simple text), and a chance for
  // the user interface to handle pending messages between rows. Both may be empty.
  std::function<void(const std::string&)> ShowProgress;
  std::function<void()> ProcessMessages;

 private:
  TStringList& lines_;
  ItemHitTable& hits_;
  const CaptureOptions& options_;
};

}  // namespace glean::capture
