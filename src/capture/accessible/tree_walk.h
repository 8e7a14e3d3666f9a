// The worker's side of reading an accessibility tree: depth first in the order the tree
// gives, bounded in depth and count, never entering an object again on its own path.
// Runs on the worker thread; every call that comes back is counted as an answer.
#pragma once

#include <windows.h>

#include "capture/accessible/worker.h"

namespace glean::capture::accessible {

struct WalkCount {
  int objects = 0;
};

// Reads the tree whose WM_GETOBJECT answer (OBJID_CLIENT) was `answer`, writing its lines
// to `share`.
void WalkTree(WorkerShare& share, LRESULT answer, bool skipInvisible, WalkCount& count);

// Writes the line of the object at the screen point `at`, if it gives one. `answer` is
// the window's WM_GETOBJECT answer, which must be taken once.
void ReadObjectAtPoint(WorkerShare& share, LRESULT answer, POINT at);

}  // namespace glean::capture::accessible
