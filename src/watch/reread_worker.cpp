#include "watch/reread_worker.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace glean::watch {

struct RereadWorker::State {
  std::mutex mutex;
  std::condition_variable wake;
  std::optional<RereadJob> job;
  std::optional<RereadResult> result;
  bool busy = false;
  bool quit = false;
  std::atomic<bool> stop{false};
  HWND notify;
  UINT message;
};

namespace {
RereadResult Read(const RereadJob& job, std::atomic<bool>& stop) {
  RereadResult result;
  result.Generation = job.Generation;
  capture::CaptureRequest request;
  request.SelectedTitle = job.Title;
  request.Window = job.Window;
  request.WindowsFolder = job.WindowsFolder;
  // Nothing of Glean's windows is touched from here: no progress, no message pump.
  request.StopRequested = [&stop] { return stop.load(); };
  TStringList lines;
  try {
    result.Outcome = capture::CaptureWindow(request, job.Options, lines, result.Hits, &result.Sources);
  } catch (...) {
    result.Failed = true;
  }
  result.Lines = lines.Items();
  return result;
}

void Run(std::shared_ptr<RereadWorker::State> state) {
  std::unique_lock lock(state->mutex);
  for (;;) {
    state->wake.wait(lock, [&] { return state->quit || state->job; });
    if (state->quit) return;
    RereadJob job = std::move(*state->job);
    state->job.reset();
    lock.unlock();
    RereadResult result = Read(job, state->stop);
    lock.lock();
    if (state->quit) return;
    state->result = std::move(result);
    state->busy = false;
    PostMessageA(state->notify, state->message, 0, 0);
  }
}
}  // namespace

RereadWorker::RereadWorker(HWND notify, UINT message) : state_(std::make_shared<State>()) {
  state_->notify = notify;
  state_->message = message;
  std::thread(Run, state_).detach();
}

RereadWorker::~RereadWorker() {
  {
    std::lock_guard lock(state_->mutex);
    state_->quit = true;
  }
  state_->stop = true;
  state_->wake.notify_all();
}

bool RereadWorker::Busy() const {
  std::lock_guard lock(state_->mutex);
  return state_->busy;
}

void RereadWorker::Begin(RereadJob job) {
  {
    std::lock_guard lock(state_->mutex);
    state_->job = std::move(job);
    state_->result.reset();
    state_->busy = true;
    state_->stop = false;
  }
  state_->wake.notify_all();
}

std::optional<RereadResult> RereadWorker::Take() {
  std::lock_guard lock(state_->mutex);
  std::optional<RereadResult> result = std::move(state_->result);
  state_->result.reset();
  return result;
}

void RereadWorker::StopCurrent() { state_->stop = true; }

}  // namespace glean::watch
