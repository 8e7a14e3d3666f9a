#include "capture/accessible/accessible_reader.h"

#include <oleacc.h>

#include <memory>
#include <system_error>
#include <thread>

#include "capture/accessible/tree_walk.h"
#include "capture/classes/control_classes.h"
#include "capture/accessible/worker.h"
#include "capture/section_headers.h"
#include "capture/target_messages.h"
#include "win/com.h"

namespace glean::capture::accessible {

namespace {
// Chromium builds its tree only once a client asks; a first walk finding this little is
// taken for a tree not built yet and done once more after the pause.
constexpr int kFewObjects = 3;
constexpr DWORD kRewalkPauseMs = 300;

// Classes whose texts the message readers take; their trees would repeat them.
bool IsMessageReadClass(const std::string& c) { return FamilyOf(c, ClassUse::MessageRead) != ControlFamily::None; }

struct TreeResult {
  std::vector<std::string> lines;
  std::vector<std::vector<int>> paths;  // each line's object, as child indexes
  bool cut = false;
  bool finished = true;
  bool stopped = false;
  int objects = 0;
};

TreeResult WalkOnce(LRESULT answer, bool skipInvisible, const CapturedText& out) {
  auto share = std::make_shared<WorkerShare>();
  auto count = std::make_shared<WalkCount>();
  TreeResult result;
  const WorkerEnd end = RunWorker(
      share, [answer, skipInvisible, count](WorkerShare& s) { WalkTree(s, answer, skipInvisible, *count); },
      kWindowLimitMs, out.ProcessMessages, out.StopRequested);
  result.lines = share->Lines();
  result.paths = share->Paths();
  // A tree that still answers after the window's time is too large to read in it, not
  // hung: what was read stays, and the capture goes on.
  result.finished = end == WorkerEnd::Finished || end == WorkerEnd::OutOfTime;
  result.stopped = end == WorkerEnd::Stopped;
  result.cut = share->Cut() || end == WorkerEnd::OutOfTime;
  if (end == WorkerEnd::Finished) result.objects = count->objects;  // an abandoned worker may still count
  return result;
}

void WriteSection(CapturedText& out, HWND window, const TreeResult& tree) {
  if (tree.lines.empty() && !tree.cut) return;
  TStringList& lines = out.Lines();
  // Consecutive trees share one header.
  if (out.Options().show_text_type && out.TreeSectionEnd == lines.Count() && out.LastLineEmpty()) {
    lines.Delete(lines.Count() - 1);
  } else {
    out.AddSectionBreak();
    out.AddHeader(kAccessibleHeader);
  }
  LineSource source;
  source.window = reinterpret_cast<uintptr_t>(window);
  source.kind = SourceKind::Accessible;
  for (size_t i = 0; i < tree.lines.size(); ++i) {
    source.path = i < tree.paths.size() ? tree.paths[i] : std::vector<int>{};
    out.SetSource(source);
    out.Add(tree.lines[i]);
  }
  out.ClearSource();
  if (tree.cut) out.AddNote(kTooManyItems);
  if (!tree.finished) return;  // the driver ends the capture with the error line
  out.EndSection();
  out.TreeSectionEnd = lines.Count();
}
}  // namespace

TreeAnswer::~TreeAnswer() {
  if (!answer_) return;
  const LRESULT answer = answer_;
  try {
    std::thread([answer] {
      const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
      {
        win::ComPtr<IAccessible> object;
        ObjectFromLresult(answer, __uuidof(IAccessible), 0, object.PutVoid());
      }
      if (SUCCEEDED(init)) CoUninitialize();
    }).detach();
  } catch (const std::system_error&) {
    // No thread to be had: the answer stays with the program, as nothing else can be done.
  }
}

TreeAnswer AskForOwnTree(HWND hwnd) {
  return TreeAnswer(SendToTargetW(hwnd, WM_GETOBJECT, 0, static_cast<LPARAM>(static_cast<LONG>(OBJID_CLIENT))));
}

void ReadWindowTree(CapturedText& out, HWND window, TreeAnswer answer) {
  const bool skipInvisible = out.Options().not_get_hidden;
  TreeResult tree = WalkOnce(answer.Hand(), skipInvisible, out);
  if (tree.finished && !tree.stopped && !tree.cut && tree.objects < kFewObjects) {
    PauseServing(kRewalkPauseMs, out.ProcessMessages);
    try {
      if (TreeAnswer again = AskForOwnTree(window)) tree = WalkOnce(again.Hand(), skipInvisible, out);
    } catch (const ETargetNotResponding&) {
      WriteSection(out, window, tree);  // what the first walk read stays before the error line
      throw;
    }
  }
  WriteSection(out, window, tree);
  if (tree.stopped) out.CheckStop();
  if (!tree.finished) throw ETargetNotResponding();
}

void ReadChildTree(CapturedText& out, HWND child, const std::string& className) {
  if (!out.Options().read_accessible || out.WholeWindowTree || IsMessageReadClass(className)) return;
  if (TreeAnswer answer = AskForOwnTree(child)) ReadWindowTree(out, child, std::move(answer));
}

std::string AccessibleTextAtPoint(HWND window, POINT at, const std::function<void()>& pump) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) return {};
  // Only a window with a tree of its own: the system's standard objects hold nothing the
  // message readers do not read, and where they read nothing, nothing is to be read.
  TreeAnswer own = AskForOwnTree(window);
  if (!own) return {};
  const LRESULT answer = own.Hand();
  auto share = std::make_shared<WorkerShare>();
  if (RunWorker(share, [answer, at](WorkerShare& s) { ReadObjectAtPoint(s, answer, at); }, kIdleLimitMs, pump) !=
      WorkerEnd::Finished)
    throw ETargetNotResponding();
  std::vector<std::string> lines = share->Lines();
  return lines.empty() ? std::string() : lines.front();
}

}  // namespace glean::capture::accessible
