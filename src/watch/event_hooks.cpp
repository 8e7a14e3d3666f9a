#include "watch/event_hooks.h"

#include "watch/watcher.h"

namespace glean::watch {

namespace {
#ifndef EVENT_OBJECT_LIVEREGIONCHANGED
#define EVENT_OBJECT_LIVEREGIONCHANGED 0x8019
#endif

// Created, destroyed, shown, hidden and reordered objects; state, name and value
// changes; live regions.
constexpr DWORD kRanges[][2] = {
    {EVENT_OBJECT_CREATE, EVENT_OBJECT_REORDER},
    {EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE},
    {EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE},
    {EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE},
    {EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED},
};

// Out-of-context events come to the thread that set the hook, one watch at a time.
TWatcher* hooked = nullptr;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG, DWORD, DWORD) {
  if (hooked) hooked->WindowEvent(event, hwnd, object);
}
}  // namespace

EventHooks::EventHooks(HWND window, TWatcher* watcher) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (!process) return;
  hooked = watcher;
  for (const auto& range : kRanges) {
    // A hook the system refuses leaves the poll to notice changes.
    if (HWINEVENTHOOK hook = SetWinEventHook(range[0], range[1], nullptr, OnEvent, process, 0,
                                             WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS))
      hooks_.push_back(hook);
  }
}

EventHooks::~EventHooks() {
  for (HWINEVENTHOOK hook : hooks_) UnhookWinEvent(hook);
  hooked = nullptr;
}

}  // namespace glean::watch
