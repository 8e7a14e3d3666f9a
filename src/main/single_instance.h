// Glean runs once: a second start brings the first instance's window back and ends.
#pragma once

#include "win/handle.h"

namespace glean {

extern const char kInstanceMutexName[];  // "hGlean"
extern const char kMainWindowClass[];    // "TBody"

// When another instance runs (its mutex exists), restores and raises its main window
// (a "TBody" window whose title holds "グリーナ！") and returns true.
bool ActivateRunningInstance();

// Creates the instance mutex (not owned); it lives as long as the returned handle.
win::UniqueHandle CreateInstanceMutex();

}  // namespace glean
