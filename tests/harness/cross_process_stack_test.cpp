// The whole stack at once: the sample app runs as a separate process, and one list-view
// cell is read from it through memory reserved inside it, in the structure layout of
// its bitness. The real readers build on exactly these steps.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "capture/layout/remote_layout.h"
#include "harness/process.h"
#include "win/handle.h"

namespace glean::test {
namespace {

using capture::Bitness;
using capture::ListViewItem;
using capture::StructImage;

// Reads cell (row, column) of a list view in another process with plain system calls.
std::string ReadCell(HWND listView, int row, int column) {
  DWORD pid = 0;
  GetWindowThreadProcessId(listView, &pid);
  win::UniqueHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                            PROCESS_QUERY_INFORMATION,
                                        FALSE, pid));
  if (!process) return "<open failed>";
  BOOL wow64 = FALSE;
  IsWow64Process(process.Get(), &wow64);
  Bitness bits = wow64 ? Bitness::Bits32 : Bitness::Bits64;
  const auto& L = ListViewItem(bits);

  auto* remote = static_cast<char*>(
      VirtualAllocEx(process.Get(), nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!remote) return "<alloc failed>";
  char* text = remote + 1024;
  StructImage item(L.size, bits);
  item.PutU32(L.mask, LVIF_TEXT);
  item.PutU32(L.iItem, static_cast<uint32_t>(row));
  item.PutU32(L.iSubItem, static_cast<uint32_t>(column));
  item.PutPointer(L.pszText, reinterpret_cast<uintptr_t>(text));
  item.PutU32(L.cchTextMax, 200);
  std::string result = "<message failed>";
  if (WriteProcessMemory(process.Get(), remote, item.Data(), item.Size(), nullptr) &&
      SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote)) &&
      ReadProcessMemory(process.Get(), remote, item.Data(), item.Size(), nullptr)) {
    char buffer[201] = {};
    auto at = reinterpret_cast<const void*>(static_cast<uintptr_t>(item.GetPointer(L.pszText)));
    ReadProcessMemory(process.Get(), at, buffer, 200, nullptr);
    result = buffer;
  }
  VirtualFreeEx(process.Get(), remote, 0, MEM_RELEASE);
  return result;
}

void ExpectCellsOfSampleApp(bool is32) {
  TestProcess app = TestProcess::Start(SampleAppPath(is32), "--title \"glean stack\" --scenario all");
  HWND window = app.WaitForWindow("GleanSampleApp", "glean stack");
  ASSERT_NE(window, nullptr);
  HWND listView = FindWindowExA(window, nullptr, "SysListView32", nullptr);
  ASSERT_NE(listView, nullptr);
  EXPECT_EQ(ReadCell(listView, 0, 0), "書類.txt");
  EXPECT_EQ(ReadCell(listView, 1, 2), "画像");
  EXPECT_EQ(ReadCell(listView, 3, 1), "4 MB");
}

TEST(CrossProcessStack, Reads64BitSampleApp) { ExpectCellsOfSampleApp(false); }

TEST(CrossProcessStack, Reads32BitSampleApp) {
  GLEAN_REQUIRE_32BIT();
  ExpectCellsOfSampleApp(true);
}

}  // namespace
}  // namespace glean::test
