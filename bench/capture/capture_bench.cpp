// Capture benchmarks under Wine, each against a baseline measured in the same run:
// - a report list view with 500 rows in view and 5 columns, against a raw loop that
//   sends the same LVM_GETITEMA messages with the same structure writes and reads;
// - a window with 1000 static texts: captures per second.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "../../tools/sample-app/sample_ids.h"
#include "capture/capture_driver.h"
#include "capture/layout/remote_layout.h"
#include "harness/process.h"

using namespace glean;

namespace {

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

template <typename F>
double Time(F f) {
  LARGE_INTEGER a, b;
  QueryPerformanceCounter(&a);
  f();
  QueryPerformanceCounter(&b);
  return Seconds(a, b);
}

// What any reader of the list must do at least: per cell one structure write, one
// message, one structure read and one text read in the other process.
void RawLoop(HWND listView, int rows, int columns) {
  DWORD pid = 0;
  GetWindowThreadProcessId(listView, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
  char* text = remote + 1024;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = r;
      item.iSubItem = c;
      item.pszText = text;
      item.cchTextMax = 200;
      WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
      SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote));
      ReadProcessMemory(process, remote, &item, sizeof item, nullptr);
      char buffer[200];
      ReadProcessMemory(process, item.pszText, buffer, sizeof buffer, nullptr);
    }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
}

// Sizes the list so that its page holds exactly `rows` rows: the capture reads the
// rows in view, and rows past the list's end would cost it messages the baseline lacks.
int FitPageTo(HWND list, int rows) {
  RECT r{};
  GetWindowRect(list, &r);
  int low = 50, high = r.bottom - r.top;
  while (low < high) {
    int mid = (low + high) / 2;
    SetWindowPos(list, nullptr, 0, 0, r.right - r.left, mid, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0) < rows)
      low = mid + 1;
    else
      high = mid;
  }
  SetWindowPos(list, nullptr, 0, 0, r.right - r.left, low, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
}

double CaptureOnce(const char* title) {
  CaptureOptions options;
  options.read_menu = false;
  TStringList lines;
  capture::ItemHitTable hits;
  capture::CaptureRequest request;
  request.SelectedTitle = title;
  return Time([&] { capture::CaptureWindow(request, options, lines, hits); });
}

}  // namespace

int main() {
  std::string app = test::SampleAppPath(false);
  if (app.empty()) app = "SampleApp.exe";
  {
    auto p = test::TestProcess::Start(app, "--scenario bigreport --title \"glean bench report\"");
    HWND window = p.WaitForWindow("GleanSampleApp", "glean bench report", 30000);
    HWND list = GetDlgItem(window, sample_app::bench::kReport);
    int perPage = FitPageTo(list, sample_app::bench::kReportRows);
    std::printf("report list: %d rows in view, %d columns\n", perPage, sample_app::bench::kReportColumns);
    double raw = 0, captured = 0;
    for (int round = 0; round < 2; ++round) {  // alternate, so drift hits both alike
      raw += Time([&] { RawLoop(list, sample_app::bench::kReportRows, sample_app::bench::kReportColumns); });
      captured += CaptureOnce("glean bench report");
    }
    std::printf("list view capture %.2f s, raw loop %.2f s, ratio %.2f (goal <= 1.5)\n", captured / 2,
                raw / 2, captured / raw);
  }
  {
    auto p = test::TestProcess::Start(app, "--scenario statics --title \"glean bench statics\"");
    p.WaitForWindow("GleanSampleApp", "glean bench statics", 30000);
    double t = CaptureOnce("glean bench statics");
    std::printf("1000 static texts: %.2f s per capture, %.3f captures per second\n", t, 1.0 / t);
  }
  return 0;
}
