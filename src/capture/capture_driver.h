// One capture: find the chosen window again by its title, write its title and menu
// sections, and hand every descendant control to the reader for its class.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "capture/captured_text.h"
#include "capture/child_walk.h"

namespace glean::capture {

enum class CaptureOutcome {
  Captured,       // the lines are complete
  WindowNotFound, // no window has the title; the lines are empty
  NotResponding,  // the target stopped answering; the lines end with the error line
  Stopped,        // the user stopped it; the lines read so far end with the stop line
  Ignored,        // a capture was already running on this thread (asked from its message loop)
};

struct CaptureRequest {
  std::string SelectedTitle;
  // When set, this window is read and SelectedTitle only names it (a window followed
  // while its title changes).
  HWND Window = nullptr;
  std::string WindowsFolder;  // where the desktop folder of the desktop entry lies
  std::function<void(const std::string&)> ShowProgress;
  std::function<void()> ProcessMessages;
  // Asked between rows, items and controls: true stops the capture.
  std::function<bool()> StopRequested;
  CaptureLimits Limits;
};

// The window a capture of `title` reads (null when none has the title).
HWND FindChosenWindow(const std::string& title);
// Whether a capture of `title` lists the desktop folder: the desktop entry, while no
// window bears its title.
bool ListsDesktopFolder(const std::string& title);

// The one mark, per thread, that a capture is running there. The list-view reader lets
// pending messages be handled, so a click can ask for another capture or a search
// meanwhile: such requests are refused. A capture on another thread (the watch's
// re-reads) has lines of its own and does not count.
class CaptureRun {
 public:
  // Takes the mark unless a capture already holds it on this thread.
  CaptureRun();
  ~CaptureRun();
  CaptureRun(const CaptureRun&) = delete;
  CaptureRun& operator=(const CaptureRun&) = delete;
  // Whether this run holds the mark (a capture may go on).
  explicit operator bool() const { return held_; }

 private:
  bool held_ = false;
};

// True while a capture runs on this thread.
bool CaptureInProgress();

// Fills `lines` and `hits` (emptied first), and `sources` (emptied first) with where each
// line came from, when given. A control whose memory in its process cannot be read ends
// with an error line and the capture goes on; other errors propagate, and then the
// partial lines must not be shown. `run` must hold the mark (else Ignored).
CaptureOutcome CaptureWindow(const CaptureRun& run, const CaptureRequest& request, const CaptureOptions& options,
                             TStringList& lines, ItemHitTable& hits, LineSources* sources = nullptr);
// The same with a run of its own: Ignored when a capture already runs on this thread.
CaptureOutcome CaptureWindow(const CaptureRequest& request, const CaptureOptions& options,
                             TStringList& lines, ItemHitTable& hits, LineSources* sources = nullptr);

// Dispatch of one descendant control by its window class.
void CaptureChild(CapturedText& out, const ChildFacts& child);

// Appends the names in `folder` (".lnk" dropped, any case), in file-system order.
void ListDesktopFolder(const std::string& folder, TStrings& lines);

// The folder the desktop entry lists: the Windows folder's desktop folder where it
// exists, else the user's desktop folder.
std::string DesktopFolderFor(const std::string& windowsFolder);

}  // namespace glean::capture
