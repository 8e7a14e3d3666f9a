// What one capture produces: the lines, the item rectangles, and the small amount of
// state the readers share while they append to them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/strings.h"
#include "capture/sources/line_sources.h"
#include "settings/capture_options.h"

namespace glean::capture {

// The most items and the longest texts one control gives. A control reports its own
// counts and lengths, and a broken or hostile one must not make a capture run away.
struct CaptureLimits {
  int Items = 100000;          // rows of a whole list, items of a whole tree, selected rows
  int ItemsInView = 10000;     // rows or tree items in view
  int ToolButtons = 1000;
  int StatusParts = 256;
  size_t ItemText = 4096;      // a cell, tree item, status part or button, in bytes
  size_t WindowText = 16 << 20;
};

// A text and whether it was cut at its limit.
struct ItemText {
  std::string text;
  bool cut = false;
};

// Raised when the user stops a capture; the lines read so far stay.
class ECaptureStopped : public Exception {
 public:
  ECaptureStopped() : Exception("stopped") {}
};

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
      : lines_(lines), hits_(hits), options_(options), started_(GetTickCount64()) {}

  const CaptureOptions& Options() const { return options_; }
  TStringList& Lines() { return lines_; }

  // A line of the item or control set by SetSource (if any).
  void Add(const std::string& line) {
    if (source_ && Sources) Sources->Record(lines_.Count(), *source_);
    lines_.Add(line);
  }
  // A line that comes from no item: a header, a note, an empty line.
  void AddNote(const std::string& line) { lines_.Add(line); }
  // A header line, only while headers are wanted.
  void AddHeader(const char* header) {
    if (options_.show_text_type) AddNote(header);
  }
  // A header that is written once per capture: a second list of the same kind
  // continues under the first one's header.
  void AddHeaderOnce(const char* header) {
    if (options_.show_text_type && !Contains(header)) AddNote(header);
  }
  // The empty line that closes a section, only while headers are wanted.
  void EndSection() {
    if (options_.show_text_type) AddNote("");
  }
  // An empty line before a new section unless the text already ends with one.
  void AddSectionBreak() {
    if (options_.show_text_type && lines_.Count() > 0 && !LastLineEmpty()) AddNote("");
  }

  // What the lines added from now on come from, until cleared. Kept only while a
  // record is wanted (Sources).
  void SetSource(const LineSource& source) {
    if (Sources) source_ = source;
  }
  void ClearSource() { source_.reset(); }
  // A list read as a table; its index for LineSource::list (-1 without a record).
  int AddList(SourceList list) { return Sources ? Sources->AddList(std::move(list)) : -1; }
  bool LastLineEmpty() const {
    int n = lines_.Count();
    return n > 0 && lines_.Items()[static_cast<size_t>(n - 1)].empty();
  }
  bool Contains(const std::string& line) const { return lines_.IndexOf(line) >= 0; }

  void AddHit(const std::string& text, const RECT& screen) {
    hits_.push_back({text, static_cast<int>(screen.left), static_cast<int>(screen.top),
                     static_cast<int>(screen.bottom), static_cast<int>(screen.right)});
  }

  // The line that says a control gave more items than `limit`.
  void AddTooManyItems(int limit);
  // A text cut at its limit: the line that says so follows it.
  void AddCutText(const std::string& text, bool cut);

  // Between rows of a list: pending messages are handled, the row is shown in the
  // status bar (with the row count once the capture has run for a second), and a stop
  // asked for meanwhile raises ECaptureStopped.
  void RowStep(int row, int count);
  // Between items and controls: the same, at most every few milliseconds and only
  // after a second (item -1: the generic progress text).
  void Breathe(int item = -1, int count = 0);
  // Raises ECaptureStopped when the user asked to stop.
  void CheckStop() {
    if (StopRequested && StopRequested()) throw ECaptureStopped();
  }

  // The raw text of the last child that passed the repeat test.
  std::string LastChildText;
  CaptureLimits Limits;
  // The chosen window has an accessibility tree of its own, read after the children:
  // no child is read through its tree. TreeSectionEnd: the line count after the last
  // tree's section, so that the next tree right after it shares its header.
  bool WholeWindowTree = false;
  int TreeSectionEnd = -1;

  // Progress of a long read (the status bar's simple text), a chance for the user
  // interface to handle pending messages, and whether the user asked to stop. Each may
  // be empty.
  std::function<void(const std::string&)> ShowProgress;
  std::function<void()> ProcessMessages;
  std::function<bool()> StopRequested;
  // Where the lines come from; none: not recorded.
  LineSources* Sources = nullptr;

 private:
  std::optional<LineSource> source_;
  TStringList& lines_;
  ItemHitTable& hits_;
  const CaptureOptions& options_;
  uint64_t started_, lastBreath_ = 0;  // GetTickCount64
};

}  // namespace glean::capture
