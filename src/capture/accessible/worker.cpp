#include "capture/accessible/worker.h"

#include <objbase.h>

#include <thread>

namespace glean::capture::accessible {

WorkerShare::WorkerShare() : done_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
WorkerShare::~WorkerShare() { CloseHandle(done_); }

void WorkerShare::AddLine(std::string line, std::vector<int> path) {
  std::lock_guard lock(mutex_);
  lines_.push_back(std::move(line));
  paths_.push_back(std::move(path));
}

std::vector<std::string> WorkerShare::Lines() {
  std::lock_guard lock(mutex_);
  return lines_;
}

std::vector<std::vector<int>> WorkerShare::Paths() {
  std::lock_guard lock(mutex_);
  return paths_;
}

namespace {
// Messages sent by other threads and programs are handled by PeekMessage itself; the
// posted ones by the caller's pump, which knows the program's dialogs.
void Serve(const std::function<void()>& pump) {
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  if (pump) pump();
}
}  // namespace

WorkerEnd RunWorker(const std::shared_ptr<WorkerShare>& share, std::function<void(WorkerShare&)> job,
                    DWORD limitMs, const std::function<void()>& pump, const std::function<bool()>& stop) {
  std::thread([share, job = std::move(job)] {
    // An apartment of its own: the user-interface thread's stays free of the calls.
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    job(*share);
    if (SUCCEEDED(init)) CoUninitialize();
    share->SetDone();
  }).detach();

  const DWORD start = GetTickCount();
  DWORD lastAnswer = start;
  long seen = share->Answers();
  HANDLE done = share->DoneEvent();
  for (;;) {
    const DWORD r = MsgWaitForMultipleObjects(1, &done, FALSE, 50, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) return WorkerEnd::Finished;
    if (r == WAIT_OBJECT_0 + 1) Serve(pump);
    if (stop && stop()) {
      share->Abandon();
      return WorkerEnd::Stopped;
    }
    const DWORD now = GetTickCount();
    if (const long answers = share->Answers(); answers != seen) {
      seen = answers;
      lastAnswer = now;
    }
    if (now - lastAnswer >= kIdleLimitMs || now - start >= limitMs) {
      share->Abandon();
      return now - lastAnswer >= kIdleLimitMs ? WorkerEnd::Silent : WorkerEnd::OutOfTime;
    }
  }
}

void PauseServing(DWORD ms, const std::function<void()>& pump) {
  const DWORD start = GetTickCount();
  for (DWORD passed = 0; passed < ms; passed = GetTickCount() - start) {
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - passed, QS_ALLINPUT) == WAIT_OBJECT_0) Serve(pump);
  }
}

}  // namespace glean::capture::accessible
