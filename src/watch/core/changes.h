// What changed in a re-read, and how it is said: the lines added or changed, in order,
// without header lines, empty lines and lines that only moved; merged over a second so
// that a fast change is said once, as it is now.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "watch/core/line_diff.h"

namespace glean::watch {

// A capture's section header ("∇ ... ∇").
bool IsHeaderLine(const std::string& line);
// Nothing but blanks (half- or full-width).
bool IsEmptyLine(const std::string& line);

// The new lines that are the change: not kept, not a header, not empty, and not a
// removed line's text met again elsewhere (each removed line accounts for one).
std::vector<int> ChangedLines(const LineDiff& diff, const std::vector<std::string>& before,
                              const std::vector<std::string>& after);

// At most the first three lines joined with "。", then "ほか<n>行" for the rest.
std::string SpeechText(const std::vector<std::string>& lines);

// Changes waiting to be said. A line that changed again before it was said is said once,
// in its latest text; a waiting line that was removed is not said.
class ChangeMerger {
 public:
  static constexpr int64_t kMinGapMs = 1000;

  // A re-read at `now` whose diff against the previous capture is `diff`.
  void Take(const LineDiff& diff, const std::vector<int>& changed, int64_t now);
  bool Pending() const { return !lines_.empty(); }
  // When the waiting change may be said: at once, or a second after the last speech.
  int64_t DueAt() const;
  // The speech of the waiting change in the capture's lines `current`; clears it.
  std::string Say(const std::vector<std::string>& current, int64_t now);
  // Indexes (in the latest capture) of the lines waiting to be said.
  const std::vector<int>& Lines() const { return lines_; }

 private:
  std::vector<int> lines_;
  int64_t since_ = 0;
  int64_t lastSpoken_ = INT64_MIN / 2;
};

}  // namespace glean::watch
