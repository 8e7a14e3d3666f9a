// Glean.exe as a user starts it: the settings it leaves, a second start that restores
// the first's place, the compact layout from the file, and the error reports.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>
#include <gtest/gtest.h>

#include "base/strings.h"
#include "harness/input.h"
#include "harness/desktop.h"
#include "harness/process.h"
#include "main/glean_copy.h"
#include "procmem/uProcessMemMgr.h"

namespace glean::test {
namespace {

const char kTitle[] = "グリーナ！";

// Waits for a message box of `process` captioned with our title, returns its text and
// presses its button.
std::string DismissMessageBox(const TestProcess& process) {
  HWND box = process.WaitForWindow("#32770", kTitle, 10000);
  if (!box) return "<no message box>";
  char text[1024] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  WaitUntil([&] { return !IsWindow(box); }, 5000);
  return text;
}

TEST(GleanProcess, ASecondStartComesBackWhereTheFirstWasClosed) {
  GleanCopy copy;
  ASSERT_TRUE(copy.Copied());
  WriteFileBytes(copy.Ini(), "[common]\r\nwindow_left=50\r\nwindow_top=60\r\nwindow_width=560\r\nwindow_height=420\r\n");
  TestProcess sample = TestProcess::Start(SampleAppPath(false), "--scenario empty --title \"Glean 二度目の窓\"");
  ASSERT_NE(sample.WaitForWindow("GleanSampleApp", "Glean 二度目の窓"), nullptr);
  {
    TestProcess glean = TestProcess::Start(copy.Exe());
    HWND body = glean.WaitForWindow("TBody", kTitle);
    ASSERT_NE(body, nullptr);
    RECT r{};
    GetWindowRect(body, &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 560);
    HWND list = FindChild(body, "SysListView32");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) >= 2; }));
    EXPECT_TRUE(IsWindowVisible(list));
    HWND pane = FindChild(body, "TEditor");
    ASSERT_NE(pane, nullptr);
    // A screen reader that speaks MSAA reads the pane from here: a text with its name and
    // the whole text in UTF-16.
    OleInitialize(nullptr);
    IAccessible* acc = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(pane, DWORD(OBJID_CLIENT), __uuidof(IAccessible), reinterpret_cast<void**>(&acc)), S_OK);
    VARIANT self{}, role{};
    self.vt = VT_I4;
    BSTR name = nullptr, value = nullptr;
    EXPECT_EQ(acc->get_accRole(self, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_TEXT);
    acc->get_accName(self, &name);
    acc->get_accValue(self, &value);
    EXPECT_EQ(std::wstring(name ? name : L""), L"取得データ");
    const std::string text = WindowText(pane);
    std::wstring wide(text.size(), L'\0');
    wide.resize(size_t(MultiByteToWideChar(932, 0, text.data(), int(text.size()), wide.data(), int(wide.size()))));
    EXPECT_EQ(std::wstring(value ? value : L"", value ? SysStringLen(value) : 0), wide);
    EXPECT_FALSE(wide.empty());
    SysFreeString(name);
    SysFreeString(value);
    acc->Release();
    OleUninitialize();

    SetWindowPos(body, nullptr, 140, 150, 600, 440, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return IniValue(copy.Ini(), "window_width") == "600"; }));
    PostMessageA(body, WM_CLOSE, 0, 0);
    ASSERT_TRUE(glean.WaitForExit(10000));
  }
  EXPECT_EQ(IniValue(copy.Ini(), "window_left"), "140");
  EXPECT_EQ(IniValue(copy.Ini(), "window_top"), "150");
  EXPECT_EQ(IniValue(copy.Ini(), "window_maximized"), "0");

  TestProcess again = TestProcess::Start(copy.Exe());
  HWND body = again.WaitForWindow("TBody", kTitle);
  ASSERT_NE(body, nullptr);
  RECT r{};
  GetWindowRect(body, &r);
  EXPECT_EQ(r.left, 140);
  EXPECT_EQ(r.top, 150);
  EXPECT_EQ(r.right - r.left, 600);
  EXPECT_EQ(r.bottom - r.top, 440);
}

// The pane's text as a screen reader reads it; empty optional while the pane does not
// answer the edit-control messages.
bool PaneAnswersEditMessages(HWND pane) {
  DWORD_PTR lines = 0;
  SendMessageTimeoutA(pane, EM_GETLINECOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &lines);
  return lines > 0;  // an edit control always has a line
}

std::vector<std::string> PaneLines(HWND pane) { return SplitLines(WindowText(pane)); }

TEST(GleanProcess, ThePaneShowsTheFirstCaptureAndAnEntryChosenWithTheKeyboard) {
  GleanCopy copy;
  ASSERT_TRUE(copy.Copied());
  const std::string lower = "Glean 下の窓", upper = "Glean 上の窓";
  TestProcess a = TestProcess::Start(SampleAppPath(false), "--scenario empty --title \"" + lower + "\"");
  ASSERT_NE(a.WaitForWindow("GleanSampleApp", lower.c_str()), nullptr);
  TestProcess b = TestProcess::Start(SampleAppPath(false), "--scenario empty --title \"" + upper + "\"");
  ASSERT_NE(b.WaitForWindow("GleanSampleApp", upper.c_str()), nullptr);
  TestProcess glean = TestProcess::Start(copy.Exe());
  HWND body = glean.WaitForWindow("TBody", kTitle);
  ASSERT_NE(body, nullptr);
  HWND pane = FindChild(body, "TEditor");
  ASSERT_NE(pane, nullptr);
  if (!PaneAnswersEditMessages(pane)) GTEST_SKIP() << "the pane does not answer edit-control messages yet";

  auto captureOf = [](const std::string& title) {
    return std::vector<std::string>{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", title, "", "読み込み可能な文字データがありません。"};
  };
  EXPECT_TRUE(WaitUntil([&] { return PaneLines(pane) == captureOf(upper); }));
  SetForegroundWindow(body);
  // The list has the focus after the search. The search marks its entry selected but not
  // focused, so the first Down may only focus entry 0 (and capture it again).
  Press(VK_DOWN);
  if (!WaitUntil([&] { return PaneLines(pane) == captureOf(lower); }, 2000)) Press(VK_DOWN);
  EXPECT_TRUE(WaitUntil([&] { return PaneLines(pane) == captureOf(lower); })) << "the second entry";
}

// The simple text of another process's status bar, through a buffer placed there.
std::string SimpleStatusText(HWND status) {
  auto m = CreateMemMgrForWindow(status);
  ProcessAddress buffer = m->AllocMem(4096);
  m->WriteString("", buffer);
  SendMessageA(status, SB_GETTEXTA, 0, static_cast<LPARAM>(buffer));  // a bar in simple mode gives its simple text
  return m->ReadString(buffer);
}

// Selects the entry of Glean's window list that shows `title`, through records placed in
// Glean; false when there is none.
bool SelectEntry(HWND list, const std::string& title) {
  auto m = CreateMemMgrForWindow(list);
  ProcessAddress item = m->AllocMem(sizeof(LVITEMA)), text = m->AllocMem(512);
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LVITEMA query{};
    query.pszText = reinterpret_cast<char*>(text);
    query.cchTextMax = 512;
    m->WriteBuffer(&query, item, sizeof query);
    SendMessageA(list, LVM_GETITEMTEXTA, i, static_cast<LPARAM>(item));
    if (m->ReadString(text).find(title) == std::string::npos) continue;
    LVITEMA select{};
    select.stateMask = select.state = LVIS_SELECTED | LVIS_FOCUSED;
    m->WriteBuffer(&select, item, sizeof select);
    return SendMessageA(list, LVM_SETITEMSTATE, i, static_cast<LPARAM>(item)) != 0;
  }
  return false;
}

// A long capture of every row: its progress shows the row count after a second, Glean
// answers throughout, and Esc stops it with what was read kept.
TEST(GleanProcess, EscStopsALongCaptureShownWithItsProgress) {
  GleanCopy copy;
  ASSERT_TRUE(copy.Copied());
  WriteFileBytes(copy.Ini(), "[text_type]\r\nread_all_items=1\r\n");
  const std::string title = "Glean 長いリスト";
  TestProcess sample = TestProcess::Start(SampleAppPath(false), "--scenario wholelist --title \"" + title + "\"");
  ASSERT_NE(sample.WaitForWindow("GleanSampleApp", title.c_str(), 30000), nullptr);
  TestProcess glean = TestProcess::Start(copy.Exe());
  HWND body = glean.WaitForWindow("TBody", kTitle);
  ASSERT_NE(body, nullptr);
  HWND pane = FindChild(body, "TEditor");
  HWND status = FindChild(body, "msctls_statusbar32");
  ASSERT_TRUE(pane && status);
  // Once the captures of the start are done (other tests' windows may lie on top), the
  // list's entry is chosen and Home released in the window list captures it.
  HWND list = FindChild(body, "SysListView32");
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return !PaneLines(pane).empty() && SimpleStatusText(status).empty(); }, 60000));
  ASSERT_TRUE(SelectEntry(list, title));
  PostMessageA(list, WM_KEYUP, VK_HOME, 0xC0470001);
  std::string progress;
  ASSERT_TRUE(WaitUntil([&] { return (progress = SimpleStatusText(status)).find("/5000") != std::string::npos; }, 20000))
      << progress;
  EXPECT_EQ(progress.rfind("データを取得中...お待ち下さい：", 0), 0u) << progress;
  DWORD_PTR answer = 0;
  EXPECT_TRUE(SendMessageTimeoutA(body, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer)) << "Glean did not answer";
  // Esc as the window list receives it (input from here reaches Glean only while it is
  // in the foreground, which a test cannot make sure of).
  PostMessageA(list, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  std::vector<std::string> lines;
  ASSERT_TRUE(WaitUntil([&] {
    lines = PaneLines(pane);
    return !lines.empty() && lines.back() == "Error: 取得を中止しました。‡";
  }, 20000)) << (lines.empty() ? "" : lines.back());
  ASSERT_GT(lines.size(), 10u);
  EXPECT_EQ(lines[3], "∇ ﾘｽﾄﾋﾞｭｰ項目 ∇");
  EXPECT_EQ(lines[4], "《番号》0");
  EXPECT_LT(lines.size(), 5u + 3 * 5000);
  EXPECT_EQ(SimpleStatusText(status), "");
}

TEST(GleanProcess, CarriesItsIconAndVersion) {
  const std::string exe = GleanExePath();
  const FileVersion version = FileVersionOf(exe);
  EXPECT_EQ(version.major, 2);
  EXPECT_EQ(version.minor, 1);

  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  EXPECT_NE(FindResourceA(module, "MAINICON", MAKEINTRESOURCEA(14)), nullptr);  // RT_GROUP_ICON
  FreeLibrary(module);
}

TEST(GleanProcess, CompactLayoutFromTheSettingsFile) {
  GleanCopy copy;
  ASSERT_TRUE(copy.Copied());
  WriteFileBytes(copy.Ini(), "[common]\r\ncompact_style=1\r\ncompact_left=200\r\ncompact_top=210\r\n"
                             "compact_width=400\r\ncompact_height=300\r\n");
  TestProcess glean = TestProcess::Start(copy.Exe());
  HWND body = glean.WaitForWindow("TBody", kTitle);
  ASSERT_NE(body, nullptr);
  RECT r{};
  GetWindowRect(body, &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 210);
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(r.bottom - r.top, 300);
  HWND combo = FindChild(body, "ComboBox");
  ASSERT_NE(combo, nullptr);
  EXPECT_TRUE(IsWindowVisible(combo));
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(combo, CB_GETCOUNT, 0, 0) >= 1; }));
  EXPECT_FALSE(IsWindowVisible(FindChild(body, "SysListView32")));
  EXPECT_FALSE(IsWindowVisible(FindChild(body, "msctls_statusbar32")));
  PostMessageA(body, WM_CLOSE, 0, 0);
  ASSERT_TRUE(glean.WaitForExit(10000));
  EXPECT_EQ(IniValue(copy.Ini(), "compact_style"), "1");
  EXPECT_EQ(IniValue(copy.Ini(), "compact_left"), "200");
}

TEST(GleanProcess, AnUnreadableListIsReportedInThePaneWithoutAMessageBox) {
  GleanCopy copy;
  ASSERT_TRUE(copy.Copied());
  TestProcess sample = TestProcess::Start(SampleAppPath(false), "--scenario badpointer --title \"Glean 壊れた窓\"");
  ASSERT_NE(sample.WaitForWindow("GleanSampleApp", "Glean 壊れた窓"), nullptr);
  TestProcess glean = TestProcess::Start(copy.Exe());
  HWND body = glean.WaitForWindow("TBody", kTitle);
  ASSERT_NE(body, nullptr);
  // The first capture on showing reads the broken list view, and the controls after it.
  HWND pane = FindChild(body, "TEditor");
  ASSERT_NE(pane, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(pane).find("後のラベル") != std::string::npos; }, 10000))
      << WindowText(pane);
  const std::string text = WindowText(pane);
  const size_t error = text.find("\r\nError: ");
  ASSERT_NE(error, std::string::npos) << text;
  EXPECT_NE(text.find("‡\r\n", error), std::string::npos) << "one error line";
  EXPECT_EQ(glean.WaitForWindow("#32770", kTitle, 500), nullptr) << "no dialog for one broken list";
  EXPECT_FALSE(glean.WaitForExit(300)) << "the program goes on";
  PostMessageA(body, WM_CLOSE, 0, 0);
  EXPECT_TRUE(glean.WaitForExit(10000));
}

TEST(GleanProcess, AnUnwritableSettingsFileIsReportedAndGleanStillCloses) {
  GleanCopy copy;
  ASSERT_TRUE(copy.Copied());
  ASSERT_TRUE(CreateDirectoryA(copy.Ini().c_str(), nullptr));  // a folder: no file can be written
  TestProcess glean = TestProcess::Start(copy.Exe());
  const std::string expected = copy.Ini() + " に書き込めません";
  EXPECT_EQ(DismissMessageBox(glean), expected);  // the window size written at start
  HWND body = glean.WaitForWindow("TBody", kTitle);
  ASSERT_NE(body, nullptr);
  SetWindowPos(body, nullptr, 0, 0, 480, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(glean.WaitForWindow("#32770", kTitle, 500), nullptr) << "one report is enough for resizing";
  PostMessageA(body, WM_CLOSE, 0, 0);
  EXPECT_EQ(DismissMessageBox(glean), expected);
  EXPECT_TRUE(glean.WaitForExit(10000));
}

}  // namespace
}  // namespace glean::test
