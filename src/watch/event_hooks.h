// The out-of-context window-event hooks on the watched window's process: the events
// that tell of a changed text or a changed set of controls, each range its own hook so
// that the frequent location and focus events never reach Glean.
#pragma once

#include <windows.h>

#include <vector>

namespace glean::watch {

class TWatcher;

class EventHooks {
 public:
  EventHooks(HWND window, TWatcher* watcher);
  ~EventHooks();
  EventHooks(const EventHooks&) = delete;  // owns the hooks
  EventHooks& operator=(const EventHooks&) = delete;

 private:
  std::vector<HWINEVENTHOOK> hooks_;
};

}  // namespace glean::watch
