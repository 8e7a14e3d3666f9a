// When the watch reads the window again. Two sources: window events (a re-read 300 ms
// after the first event, at most one every 500 ms while they keep coming, and one more
// after the last) and a poll every interval. Either way, a re-read that took t ms is
// followed by the next no sooner than 10 × t after its start, so that watching a large
// window costs at most about a tenth of a core. Times are milliseconds of one clock.
#pragma once

#include <cstdint>
#include <optional>

namespace glean::watch {

inline constexpr int kDefaultIntervalMs = 1000;
inline constexpr int kMinIntervalMs = 250;

// The interval a setting asks for: 0 is events only; less than the minimum is the
// minimum; a negative value is the default.
int WatchInterval(int configured);

class ReadSchedule {
 public:
  static constexpr int64_t kEventDelayMs = 300;
  static constexpr int64_t kEventGapMs = 500;
  static constexpr int64_t kCostFactor = 10;

  // Starts at `now`, right after the capture the watch begins from.
  ReadSchedule(int intervalMs, int64_t now) : interval_(intervalMs), lastStart_(now) {}

  void Event(int64_t now);
  void Started(int64_t now);
  // `waited`: the re-read ended because the window did not answer; its time went on
  // waiting, not working, and does not slow the next one down.
  void Finished(int64_t now, bool waited);
  bool Reading() const { return reading_; }
  bool EventPending() const { return eventPending_; }
  // When the next re-read should start; none while one runs or when nothing asks.
  std::optional<int64_t> Next() const;

 private:
  int interval_;
  int64_t lastStart_;
  int64_t lastCost_ = 0;
  int64_t firstEvent_ = 0;
  bool eventPending_ = false;
  bool reading_ = false;
};

}  // namespace glean::watch
