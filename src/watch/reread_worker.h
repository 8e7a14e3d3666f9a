// The re-read runs on a thread of its own: a capture of a slow or hung window waits up to
// its time limits in the other program's messages, and meanwhile Glean must answer its
// user, take no focus and close at once. The thread is told to stop when the watch ends;
// one still waiting in a hung window is abandoned, never waited for.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "capture/capture_driver.h"
#include "settings/capture_options.h"

namespace glean::watch {

struct RereadJob {
  HWND Window = nullptr;  // null: the desktop entry, read by its title
  std::string Title;
  std::string WindowsFolder;
  CaptureOptions Options;
  uint64_t Generation = 0;  // which watch asked; a moved watch ignores older answers
};

struct RereadResult {
  capture::CaptureOutcome Outcome = capture::CaptureOutcome::Stopped;
  bool Failed = false;  // a reader's error: the lines are not a whole capture
  std::vector<std::string> Lines;
  capture::ItemHitTable Hits;
  capture::LineSources Sources;  // of Lines, as the capture wrote them
  uint64_t Generation = 0;
};

class RereadWorker {
 public:
  // The thread posts `message` to `notify` when a re-read has ended.
  RereadWorker(HWND notify, UINT message);
  ~RereadWorker();
  RereadWorker(const RereadWorker&) = delete;  // owns the thread's shared state
  RereadWorker& operator=(const RereadWorker&) = delete;

  bool Busy() const;
  // Starts a re-read; only when not busy.
  void Begin(RereadJob job);
  // The ended re-read's result, once.
  std::optional<RereadResult> Take();
  // Asks the running re-read to end at its next control.
  void StopCurrent();

  struct State;  // shared with the thread, which may outlive this object

 private:
  std::shared_ptr<State> state_;
};

}  // namespace glean::watch
