// A piece of work that calls into another program's objects, run on a thread of its own
// with its own COM apartment. Such a call has no time limit of its own and nothing stops
// it under Wine, so the user-interface thread waits with deadlines, serving its
// messages, and abandons a worker that stops answering: never terminated, its objects
// never used again, it cannot keep Glean from closing.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace glean::capture::accessible {

// Without any new answer for this long, the other program counts as not answering.
inline constexpr DWORD kIdleLimitMs = 2000;
// One window's walk may take this long in all.
inline constexpr DWORD kWindowLimitMs = 10000;

// What a worker shares with the thread that waits for it. Kept alive by both, so an
// abandoned worker still has it to write to.
class WorkerShare {
 public:
  WorkerShare();
  ~WorkerShare();
  WorkerShare(const WorkerShare&) = delete;
  WorkerShare& operator=(const WorkerShare&) = delete;

  // Called by the worker after every call that came back.
  void Answered() { answers_.fetch_add(1, std::memory_order_relaxed); }
  bool Abandoned() const { return abandoned_.load(std::memory_order_relaxed); }
  void AddLine(std::string line, std::vector<int> path = {});
  void MarkCut() { cut_.store(true); }

  // For the waiting thread.
  long Answers() const { return answers_.load(std::memory_order_relaxed); }
  void Abandon() { abandoned_.store(true); }
  bool Cut() const { return cut_.load(); }
  std::vector<std::string> Lines();
  // The child indexes of each line's object, line for line.
  std::vector<std::vector<int>> Paths();
  HANDLE DoneEvent() const { return done_; }
  void SetDone() { SetEvent(done_); }

 private:
  std::atomic<long> answers_{0};
  std::atomic<bool> abandoned_{false};
  std::atomic<bool> cut_{false};
  std::mutex mutex_;
  std::vector<std::string> lines_;
  std::vector<std::vector<int>> paths_;
  HANDLE done_;
};

enum class WorkerEnd {
  Finished,
  Silent,     // no answer for kIdleLimitMs: the program does not respond; abandoned
  OutOfTime,  // still answering after the time given; abandoned
  Stopped,    // the user stopped the capture meanwhile; abandoned
};

// Runs `job` on a new worker and waits for it, calling `pump` for the messages that
// arrive meanwhile and giving up as soon as `stop` (when given) says so.
WorkerEnd RunWorker(const std::shared_ptr<WorkerShare>& share, std::function<void(WorkerShare&)> job,
                    DWORD limitMs, const std::function<void()>& pump,
                    const std::function<bool()>& stop = nullptr);

// Lets messages be handled for `ms` (the walk's pause before asking a tree again).
void PauseServing(DWORD ms, const std::function<void()>& pump);

}  // namespace glean::capture::accessible
