// TWatcher: follows one window and tells what changed in it. Window events (an
// out-of-context hook on the window's process) and a poll ask for re-reads, which run on
// a worker thread as the capture the pane shows; each whole re-read is compared with the
// previous one, and the change is said at most once a second. The watch ends by itself
// when the window closes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "capture/captured_text.h"
#include "settings/capture_options.h"
#include "watch/core/changes.h"
#include "watch/core/line_diff.h"
#include "watch/core/read_schedule.h"

namespace glean::watch {

class RereadWorker;
class EventHooks;

// A re-read that changed the capture: the previous lines, the new ones (as the pane's
// lines), the diff between
// them and the lines that are the change.
struct CaptureChange {
  const std::vector<std::string>& Before;
  const std::vector<std::string>& After;
  const LineDiff& Diff;
  const std::vector<int>& Changed;
  const capture::ItemHitTable& Hits;
  // Where each line of After came from.
  const capture::LineSources& Sources;
};

struct WatchHandlers {
  std::function<void(const std::string&)> Speak;
  std::function<void(const CaptureChange&)> Changed;
  // The watch ended by itself (the window closed); the text says so.
  std::function<void(const std::string&)> Ended;
  // The capture options at the time of a re-read.
  std::function<CaptureOptions()> Options;
};

class TWatcher {
 public:
  explicit TWatcher(WatchHandlers handlers);
  ~TWatcher();
  TWatcher(const TWatcher&) = delete;  // owns a window, hooks and a thread
  TWatcher& operator=(const TWatcher&) = delete;

  // Watches `window` (null: the desktop entry, found by its title) from the capture
  // `lines`; a running watch moves here. `intervalMs` as WatchInterval gives it.
  void Start(HWND window, const std::string& title, const std::vector<std::string>& lines,
             const std::string& windowsFolder, int intervalMs);
  void Stop();
  bool Active() const { return active_; }
  HWND Window() const { return window_; }
  const std::string& Title() const { return title_; }

  // For the hook's callback.
  void WindowEvent(DWORD event, HWND hwnd, LONG object);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Arm();
  void Tick();
  void StartRead(int64_t now);
  void ReadEnded();
  void SayDue(int64_t now);
  void End(const std::string& text);

  WatchHandlers handlers_;
  HWND hwnd_ = nullptr;  // message-only: timers and the worker's answers
  std::unique_ptr<RereadWorker> worker_;
  std::unique_ptr<EventHooks> hooks_;
  bool active_ = false;
  HWND window_ = nullptr;
  std::string title_;
  std::string windowsFolder_;
  std::vector<std::string> lines_;
  ReadSchedule schedule_{0, 0};
  ChangeMerger merger_;
  uint64_t generation_ = 0;
  int timeouts_ = 0;
};

}  // namespace glean::watch
