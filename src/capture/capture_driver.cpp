#include "capture/capture_driver.h"

#include <shlobj.h>

#include <cstring>
#include <utility>

#include "capture/accessible/accessible_reader.h"
#include "capture/classes/control_classes.h"
#include "capture/cross_process_readers.h"
#include "capture/in_process_readers.h"
#include "capture/section_headers.h"
#include "capture/target_messages.h"
#include "capture/window_search.h"
#include "win/os_error.h"

namespace glean::capture {

namespace {
constexpr int kMaxLinesWithoutData = 3;

// The top-level window with the whole title, the first in Z order as with FindWindowA,
// but with two differences. Hidden windows above a visible one are passed over: the list
// offers only visible windows, and a program's hidden helper window of the same title
// would read as empty in its place. And titles are compared exactly as the list holds
// them, in code page 932: FindWindowA compares the window's own characters, so a title
// with one the code page lacks ("?" in the list) would never be found.
struct TitleSearch {
  const std::string* title;
  HWND visible = nullptr;
  HWND any = nullptr;
};

BOOL CALLBACK MatchTitle(HWND hwnd, LPARAM parameter) {
  auto* search = reinterpret_cast<TitleSearch*>(parameter);
  if (WholeWindowTitle(hwnd) != *search->title) return TRUE;
  if (!search->any) search->any = hwnd;
  if (!IsWindowVisible(hwnd)) return TRUE;
  search->visible = hwnd;
  return FALSE;
}

}  // namespace

HWND FindChosenWindow(const std::string& title) {
  TitleSearch search{&title};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.visible ? search.visible : search.any;
}

bool ListsDesktopFolder(const std::string& title) {
  return title == kDesktopTitle && !FindWindowA(nullptr, kDesktopTitle);
}

namespace {
void EndWithError(CapturedText& out, int linesBefore, const std::string& line) {
  out.ClearSource();  // the error came in the middle of an item
  if (out.Lines().Count() == linesBefore) out.AddSectionBreak();
  out.AddNote(line);
  out.EndSection();
}

// The line that ends a control that could not be read: the system's reason on one line.
std::string ReadErrorLine(const Exception& e) {
  const auto* os = dynamic_cast<const EOSError*>(&e);
  std::string reason = os && os->Code() ? win::SystemErrorMessage(os->Code()) : std::string();
  if (reason.empty()) reason = e.Message();
  for (char& c : reason)
    if (c == '\r' || c == '\n') c = ' ';
  return kErrorLineStart + reason + kErrorLineEnd;
}

void ReadChildByClass(CapturedText& out, const ChildFacts& facts) {
  const CaptureOptions& options = out.Options();
  const HWND child = facts.hwnd;
  const std::string& className = facts.className;
  const ControlFamily family = FamilyOf(className, ClassUse::Reader);
  if (family == ControlFamily::ListView) {
    if (options.read_listview) {
      out.AddSectionBreak();
      ReadListView(out, child);
    }
  } else if (family == ControlFamily::TreeView) {
    if (options.read_treeview) {
      out.AddSectionBreak();
      ReadTreeView(out, child);
      out.EndSection();
    }
  } else if (family == ControlFamily::StatusBar) {
    if (options.read_status) ReadStatusBar(out, child);
  } else if (family == ControlFamily::ToolBar) {
    if (options.read_tool) ReadToolBar(out, child);
  } else {
    if (options.read_list && FamilyOf(className, ClassUse::NotListBox) == ControlFamily::None)
      ReadListBox(out, child);
    if (!ReadChildText(out, facts)) accessible::ReadChildTree(out, child, className);
  }
}
}  // namespace

// A control whose memory cannot be read or reserved (a text pointer into nowhere, a
// process that may not be opened) loses only its own lines: the error ends them and the
// capture goes on with the next control, with no dialog for one broken list.
void CaptureChild(CapturedText& out, const ChildFacts& facts) {
  out.Breathe();
  const int before = out.Lines().Count();
  try {
    ReadChildByClass(out, facts);
  } catch (const EOSError& e) {
    EndWithError(out, before, ReadErrorLine(e));
  } catch (const EProcessMemMgr& e) {
    EndWithError(out, before, ReadErrorLine(e));
  }
}

std::string DesktopFolderFor(const std::string& windowsFolder) {
  std::string folder = windowsFolder + "\\" + kDesktopFolderName;
  if (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return folder;
  char path[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path)))
    return path;
  return folder;
}

void ListDesktopFolder(const std::string& folder, TStrings& lines) {
  WIN32_FIND_DATAA fd;
  HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &fd);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = fd.cFileName;
    if (name == "." || name == "..") continue;
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && lstrcmpiA(name.c_str() + dot, ".lnk") == 0) name.erase(dot);
    lines.Add(name);
  } while (FindNextFileA(find, &fd));
  FindClose(find);
}

namespace {
thread_local bool captureRunning = false;
}  // namespace

CaptureRun::CaptureRun() : held_(!captureRunning) { captureRunning = true; }

CaptureRun::~CaptureRun() {
  if (held_) captureRunning = false;
}

bool CaptureInProgress() { return captureRunning; }

CaptureOutcome CaptureWindow(const CaptureRequest& request, const CaptureOptions& options,
                             TStringList& lines, ItemHitTable& hits, LineSources* sources) {
  CaptureRun run;
  return CaptureWindow(run, request, options, lines, hits, sources);
}

CaptureOutcome CaptureWindow(const CaptureRun& run, const CaptureRequest& request, const CaptureOptions& options,
                             TStringList& lines, ItemHitTable& hits, LineSources* sources) {
  if (!run) return CaptureOutcome::Ignored;
  lines.Clear();
  hits.clear();
  if (sources) sources->Clear();
  CapturedText out(lines, hits, options);
  out.Sources = sources;
  out.LastChildText = request.SelectedTitle;
  out.ShowProgress = request.ShowProgress;
  out.ProcessMessages = request.ProcessMessages;
  out.StopRequested = request.StopRequested;
  out.Limits = request.Limits;

  if (ListsDesktopFolder(request.SelectedTitle)) {
    ListDesktopFolder(DesktopFolderFor(request.WindowsFolder), lines);
  } else {
    HWND window = request.Window ? request.Window : FindChosenWindow(request.SelectedTitle);
    if (!window || !IsWindow(window)) return CaptureOutcome::WindowNotFound;
    out.AddHeader(kTitleHeader);
    LineSource title;
    title.window = reinterpret_cast<uintptr_t>(window);
    out.SetSource(title);
    out.Add(request.SelectedTitle);
    out.ClearSource();
    out.AddNote("");
    try {
      // Released on every way out, the answer of a tree not read included.
      accessible::TreeAnswer ownTree = options.read_accessible ? accessible::AskForOwnTree(window)
                                                               : accessible::TreeAnswer();
      out.WholeWindowTree = static_cast<bool>(ownTree);
      if (options.read_menu) ReadMenuBar(out, window);
      ChildWalk walk(window, options.not_get_hidden);
      for (ChildFacts child; walk.Next(child);) CaptureChild(out, child);
      if (ownTree) accessible::ReadWindowTree(out, window, std::move(ownTree));
    } catch (const ETargetNotResponding& e) {
      out.ClearSource();
      out.AddSectionBreak();
      out.AddNote(e.Message());
      return CaptureOutcome::NotResponding;
    } catch (const ECaptureStopped&) {
      out.ClearSource();
      out.AddSectionBreak();
      out.AddNote(kCaptureStopped);
      return CaptureOutcome::Stopped;
    }
  }
  if (lines.Count() <= kMaxLinesWithoutData) lines.Add(kNothingReadable);
  return CaptureOutcome::Captured;
}

}  // namespace glean::capture
