// The process memory managers and the factory that picks the right one for a window.
#pragma once

#include <windows.h>

#include <memory>

#include "procmem/foreign_process_mem_mgr.h"
#include "procmem/own_process_mem_mgr.h"
#include "procmem/process_mem_mgr.h"
#include "procmem/win9x_process_mem_mgr.h"
#include "procmem/winnt_process_mem_mgr.h"

namespace glean {

// The manager for the process that owns `window`; a window that is gone gives process
// id 0, which cannot be opened (the OS error is raised).
std::unique_ptr<TProcessMemMgr> CreateMemMgrForWindow(HWND window);

// Own process: plain memory. Other processes: the NT or the 9x manager by platform.
std::unique_ptr<TProcessMemMgr> CreateMemMgrForProcess(DWORD processId);

}  // namespace glean
