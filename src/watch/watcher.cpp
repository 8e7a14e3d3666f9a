#include "watch/watcher.h"

#include <algorithm>

#include "watch/core/place_map.h"
#include "watch/core/watch_texts.h"
#include "watch/event_hooks.h"
#include "watch/reread_worker.h"
#include "win/os_error.h"

namespace glean::watch {

namespace {
constexpr char kClassName[] = "GleanWatch";
constexpr UINT kReadEnded = WM_APP + 1;
constexpr UINT_PTR kTimer = 1;
// How often a vanished window is looked for when nothing else is due.
constexpr int64_t kAliveCheckMs = 500;
// Re-reads in a row that time out before the user hears that the window does not answer.
constexpr int kTimeoutsToSay = 3;

int64_t Now() { return static_cast<int64_t>(GetTickCount64()); }

void RegisterOnce() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  win::Win32Check(RegisterClassA(&wc));
  registered = true;
}
}  // namespace

TWatcher::TWatcher(WatchHandlers handlers) : handlers_(std::move(handlers)) {
  RegisterOnce();
  hwnd_ = CreateWindowA(kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!hwnd_) win::RaiseLastOSError();
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc));
  worker_ = std::make_unique<RereadWorker>(hwnd_, kReadEnded);
}

TWatcher::~TWatcher() {
  hooks_.reset();
  // The worker is told to stop and left to end by itself: Glean does not wait for a
  // window that does not answer.
  worker_.reset();
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK TWatcher::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<TWatcher*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self && msg == WM_TIMER && wp == kTimer) {
    KillTimer(hwnd, kTimer);
    self->Tick();
    return 0;
  }
  if (self && msg == kReadEnded) {
    self->ReadEnded();
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

void TWatcher::Start(HWND window, const std::string& title, const std::vector<std::string>& lines,
                     const std::string& windowsFolder, int intervalMs) {
  Stop();
  active_ = true;
  ++generation_;
  window_ = window;
  title_ = title;
  windowsFolder_ = windowsFolder;
  lines_ = PaneLines(lines);
  schedule_ = ReadSchedule(intervalMs, Now());
  merger_ = ChangeMerger();
  timeouts_ = 0;
  if (window_) hooks_ = std::make_unique<EventHooks>(window_, this);
  Arm();
}

void TWatcher::Stop() {
  if (!active_) return;
  active_ = false;
  hooks_.reset();
  KillTimer(hwnd_, kTimer);
  // A re-read under way ends at its next control; its answer is ignored.
  if (worker_->Busy()) worker_->StopCurrent();
}

void TWatcher::WindowEvent(DWORD event, HWND hwnd, LONG object) {
  if (!active_ || !hwnd) return;
  if (hwnd == window_ && event == EVENT_OBJECT_DESTROY && object == OBJID_WINDOW) {
    SetTimer(hwnd_, kTimer, USER_TIMER_MINIMUM, nullptr);  // see at once whether it has gone
    return;
  }
  if (hwnd != window_ && !IsChild(window_, hwnd)) return;
  if (schedule_.EventPending()) return;
  schedule_.Event(Now());
  Arm();
}

// One timer for everything due: the next re-read, the waiting speech, and the look for a
// window that has gone.
void TWatcher::Arm() {
  if (!active_) return;
  const int64_t now = Now();
  int64_t next = now + kAliveCheckMs;
  if (auto read = schedule_.Next()) next = std::min(next, *read);
  if (merger_.Pending()) next = std::min(next, merger_.DueAt());
  const int64_t delay = std::max<int64_t>(next - now, USER_TIMER_MINIMUM);
  SetTimer(hwnd_, kTimer, static_cast<UINT>(delay), nullptr);
}

void TWatcher::Tick() {
  if (!active_) return;
  if (window_ && !IsWindow(window_)) {
    End(WatchClosed(title_));
    return;
  }
  const int64_t now = Now();
  SayDue(now);
  auto read = schedule_.Next();
  if (read && now >= *read && !worker_->Busy()) StartRead(now);
  Arm();
}

void TWatcher::StartRead(int64_t now) {
  schedule_.Started(now);
  RereadJob job;
  job.Window = window_;
  job.Title = title_;
  job.WindowsFolder = windowsFolder_;
  if (handlers_.Options) job.Options = handlers_.Options();
  job.Generation = generation_;
  worker_->Begin(std::move(job));
}

void TWatcher::ReadEnded() {
  std::optional<RereadResult> result = worker_->Take();
  if (!result || !active_ || result->Generation != generation_) {
    Arm();
    return;
  }
  const int64_t now = Now();
  using capture::CaptureOutcome;
  schedule_.Finished(now, result->Outcome == CaptureOutcome::NotResponding);
  if (result->Failed) {
    // A reader's error: the capture is not whole; the next one may be.
  } else if (result->Outcome == CaptureOutcome::WindowNotFound) {
    if (window_ && !IsWindow(window_)) {
      End(WatchClosed(title_));
      return;
    }
  } else if (result->Outcome == CaptureOutcome::NotResponding) {
    // Nothing is said of a partial capture; after three in a row, that it does not answer.
    if (++timeouts_ == kTimeoutsToSay && handlers_.Speak) handlers_.Speak(WatchNotResponding(title_));
  } else if (result->Outcome == CaptureOutcome::Captured) {
    timeouts_ = 0;
    std::vector<std::string> lines = PaneLines(result->Lines);
    const LineDiff diff = DiffLines(lines_, lines);
    const bool same = lines.size() == lines_.size() &&
                      std::find(diff.NewToOld.begin(), diff.NewToOld.end(), -1) == diff.NewToOld.end();
    if (!same) {
      const std::vector<int> changed = ChangedLines(diff, lines_, lines);
      const capture::LineSources sources = capture::ByPaneLine(result->Sources, result->Lines);
      merger_.Take(diff, changed, now);
      if (handlers_.Changed) handlers_.Changed(CaptureChange{lines_, lines, diff, changed, result->Hits, sources});
      if (!active_) return;  // a handler may end the watch
      lines_ = std::move(lines);
      SayDue(now);
    }
  }
  Arm();
}

void TWatcher::SayDue(int64_t now) {
  if (!merger_.Pending() || now < merger_.DueAt()) return;
  const std::string text = merger_.Say(lines_, now);
  if (!text.empty() && handlers_.Speak) handlers_.Speak(text);
}

void TWatcher::End(const std::string& text) {
  Stop();
  if (handlers_.Ended) handlers_.Ended(text);
}

}  // namespace glean::watch
