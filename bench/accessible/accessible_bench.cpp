// The accessibility-tree walk under Wine against a baseline measured in the same run:
// the sample app's document of 2,041 objects walked by Glean's walker (worker thread,
// line rules, limits, cycle check) and by a bare loop on a thread of its own that makes
// the same IAccessible calls and keeps nothing. Prints the ratio and objects per second.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <memory>
#include <thread>

#include "../../tools/sample-app/sample_ids.h"
#include "capture/accessible/tree_walk.h"
#include "capture/accessible/worker.h"
#include "harness/process.h"

using namespace glean;
using namespace glean::capture::accessible;

namespace {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return double(c.QuadPart) / double(f.QuadPart);
}

LRESULT AskForTree(HWND view) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(view, WM_GETOBJECT, 0, static_cast<LPARAM>(static_cast<LONG>(OBJID_CLIENT)),
                      SMTO_ABORTIFHUNG, 5000, &answer);
  return static_cast<LRESULT>(answer);
}

// Role, state, name, value, child count; the enumerator asked for; each child by number,
// asked for IAccessible and its identity, and walked.
int BareWalk(IAccessible* object) {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role, state;
  VariantInit(&role);
  VariantInit(&state);
  object->get_accRole(self, &role);
  object->get_accState(self, &state);
  BSTR name = nullptr, value = nullptr;
  object->get_accName(self, &name);
  object->get_accValue(self, &value);
  SysFreeString(name);
  SysFreeString(value);
  long count = 0;
  object->get_accChildCount(&count);
  int objects = 1;
  if (count <= 0) return objects;
  IEnumVARIANT* list = nullptr;
  if (SUCCEEDED(object->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&list))) && list)
    list->Release();
  for (long i = 1; i <= count; ++i) {
    VARIANT id = self;
    id.lVal = i;
    IDispatch* child = nullptr;
    if (object->get_accChild(id, &child) != S_OK || !child) continue;
    IAccessible* kid = nullptr;
    if (SUCCEEDED(child->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&kid))) && kid) {
      IUnknown* identity = nullptr;
      kid->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
      if (identity) identity->Release();
      objects += BareWalk(kid);
      kid->Release();
    }
    child->Release();
  }
  return objects;
}

double TimeBare(HWND view, int& objects) {
  const LRESULT answer = AskForTree(view);
  double seconds = 0;
  std::thread([&] {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* root = nullptr;
    const double start = Now();
    if (SUCCEEDED(ObjectFromLresult(answer, __uuidof(IAccessible), 0, reinterpret_cast<void**>(&root))) && root) {
      objects = BareWalk(root);
      root->Release();
    }
    seconds = Now() - start;
    CoUninitialize();
  }).join();
  return seconds;
}

double TimeGlean(HWND view, int& objects, size_t& lines) {
  const LRESULT answer = AskForTree(view);
  auto share = std::make_shared<WorkerShare>();
  auto count = std::make_shared<WalkCount>();
  const double start = Now();
  // The window's time limit is left out: a slow Wine would cut the tree.
  RunWorker(share, [answer, count](WorkerShare& s) { WalkTree(s, answer, true, *count); }, 600000, nullptr);
  const double seconds = Now() - start;
  objects = count->objects;
  lines = share->Lines().size();
  return seconds;
}

}  // namespace

int main() {
  std::string app = test::SampleAppPath(false);
  if (app.empty()) app = "SampleApp.exe";
  auto p = test::TestProcess::Start(app, "--scenario docbench --title \"glean bench document\"");
  HWND window = p.WaitForWindow(sample_app::kUnicodeWindowClass, nullptr, 30000);
  HWND view = GetDlgItem(window, sample_app::document::kView);
  if (!view) {
    std::printf("the sample app's document did not appear\n");
    return 1;
  }
  double bare = 0, glean = 0;
  int bareObjects = 0, gleanObjects = 0;
  size_t lines = 0;
  for (int round = 0; round < 2; ++round) {  // alternate, so drift hits both alike
    bare += TimeBare(view, bareObjects);
    glean += TimeGlean(view, gleanObjects, lines);
  }
  std::printf("tree of %d objects (%zu lines): walker %.2f s, bare loop (%d objects) %.2f s, ratio %.3f (goal <= 1.2)\n",
              gleanObjects, lines, glean / 2, bareObjects, bare / 2, glean / bare);
  std::printf("walker: %.0f objects per second\n", gleanObjects / (glean / 2));
  return 0;
}
