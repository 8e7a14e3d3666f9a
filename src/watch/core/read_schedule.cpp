#include "watch/core/read_schedule.h"

#include <algorithm>

namespace glean::watch {

int WatchInterval(int configured) {
  if (configured < 0) return kDefaultIntervalMs;
  if (configured == 0) return 0;
  return std::max(configured, kMinIntervalMs);
}

void ReadSchedule::Event(int64_t now) {
  if (eventPending_) return;
  eventPending_ = true;
  firstEvent_ = now;
}

void ReadSchedule::Started(int64_t now) {
  reading_ = true;
  lastStart_ = now;
  // Events from now on ask for the re-read after this one.
  eventPending_ = false;
}

void ReadSchedule::Finished(int64_t now, bool waited) {
  reading_ = false;
  lastCost_ = waited ? 0 : std::max<int64_t>(0, now - lastStart_);
}

std::optional<int64_t> ReadSchedule::Next() const {
  if (reading_) return std::nullopt;
  const int64_t earliest = lastStart_ + kCostFactor * lastCost_;
  std::optional<int64_t> next;
  if (interval_ > 0) next = std::max(lastStart_ + interval_, earliest);
  if (eventPending_) {
    const int64_t byEvent = std::max({firstEvent_ + kEventDelayMs, lastStart_ + kEventGapMs, earliest});
    next = next ? std::min(*next, byEvent) : byEvent;
  }
  return next;
}

}  // namespace glean::watch
