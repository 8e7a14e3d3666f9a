// Glean.exe's commands as a user or a screen reader reaches them from outside: the
// buttons, the shortcuts in the program's own message loop, the save dialog, the
// settings dialog and the help menu.
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "base/strings.h"
#include "capture/remote_items.h"
#include "harness/input.h"
#include "harness/desktop.h"
#include "harness/process.h"
#include "main/glean_copy.h"
#include "main/menus.h"

namespace glean::test {
namespace {

const char kTitle[] = "グリーナ！";

std::string PaneText(HWND pane) { return WindowText(pane); }

// The message box's text; its button pressed.
std::string Dismiss(HWND box, WPARAM button = IDOK) {
  if (!box) return "<no message box>";
  char text[1024] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  PostMessageA(box, WM_COMMAND, button, 0);
  WaitUntil([&] { return !IsWindow(box); }, 5000);
  return text;
}

// A combo box's entries in another process (asked in UTF-16, which Wine answers right
// across processes).
std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t wide[256] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) >= 255) continue;
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
    char text[512] = {};
    WideCharToMultiByte(932, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    items.push_back(text);
  }
  return items;
}

int ListCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

// Whether Glean's window list shows a window of this title (an entry is the title after a
// blank). Read by its titles, not by its count: tests running beside this one open and
// close windows of their own.
bool Listed(HWND list, const std::string& title) {
  auto memory = CreateMemMgrForWindow(list);
  capture::RemoteListView view(list, *memory, 512);
  for (int row = 0, rows = ListCount(list); row < rows; ++row)
    if (view.Cell(row, 0) == " " + title) return true;
  return false;
}

HWND FocusOf(const TestProcess& process, HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  (void)process;
  return info.hwndFocus;
}

// Glean beside one sample window, its pane filled with that window's capture.
class GleanCommands : public ::testing::Test {
 protected:
  void Start(const std::string& sampleTitle) {
    ASSERT_TRUE(copy_.Copied());
    sample_ = TestProcess::Start(SampleAppPath(false), "--scenario empty --title \"" + sampleTitle + "\"");
    ASSERT_NE(sample_.WaitForWindow("GleanSampleApp", sampleTitle.c_str()), nullptr);
    glean_ = TestProcess::Start(copy_.Exe());
    body_ = glean_.WaitForWindow("TBody", kTitle);
    ASSERT_NE(body_, nullptr);
    pane_ = FindChild(body_, "TEditor");
    list_ = FindChild(body_, "SysListView32");
    ASSERT_NE(pane_, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return PaneText(pane_).find(sampleTitle) != std::string::npos; }));
  }
  void Command(UINT id) { PostMessageA(body_, WM_COMMAND, id, 0); }
  void Close() {
    PostMessageA(body_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(glean_.WaitForExit(10000));
  }

  GleanCopy copy_;
  TempFolder folder_;
  TestProcess sample_, glean_;
  HWND body_ = nullptr, pane_ = nullptr, list_ = nullptr;
};

TEST_F(GleanCommands, CopyButtonTakesTheSelectionOrTheWholeText) {
  Start("Glean 写しの窓");
  HWND copy = FindChild(body_, "Button", "コピー(&C)");
  ASSERT_NE(copy, nullptr);
  SendMessageA(pane_, EM_SETSEL, 2, 7);
  SendMessageA(copy, BM_CLICK, 0, 0);
  const std::string text = PaneText(pane_);
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == text.substr(2, 5); }));
  SendMessageA(pane_, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  SendMessageA(copy, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == text; })) << "everything, without a selection";
  DWORD start = 0, end = 0;
  SendMessageA(pane_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, text.size()) << "and it stays selected";
  Close();
}

TEST_F(GleanCommands, ShortcutsWorkInTheProgramsOwnLoop) {
  Start("Glean 近道の窓");
  SetForegroundWindow(body_);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == body_; }));
  HWND combo = FindChild(body_, "ComboBox");
  Press(VK_F12);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(combo) && !IsWindowVisible(list_); })) << "compact";
  Press(VK_F12);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(list_); })) << "normal again";
  Press('M', {VK_CONTROL});
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(glean_, body_) == pane_; })) << "Ctrl+M: the pane";
  Press('L', {VK_CONTROL});
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(glean_, body_) == list_; })) << "Ctrl+L: the list";
  Close();
}

TEST_F(GleanCommands, SaveProposesTheSafeNameAndWritesTheTextAfterAsking) {
  Start("a:b/c?");
  const std::string file = folder_.File("保存.txt");
  auto saveAs = [&](const std::string& name) -> HWND {
    Command(menu::F1);
    HWND dialog = glean_.WaitForWindow("#32770", nullptr, 10000);
    if (!dialog) return nullptr;
    HWND nameField = GetDlgItem(dialog, cmb13);
    if (!nameField) nameField = GetDlgItem(dialog, edt1);
    EXPECT_EQ(WindowText(nameField), "_a_b_c_.txt") << "the list's caption begins with a blank";
    HWND readOnly = GetDlgItem(dialog, chx1);
    EXPECT_TRUE(!readOnly || !IsWindowVisible(readOnly)) << "no read-only box";
    EXPECT_EQ(ComboItems(GetDlgItem(dialog, cmb1)),
              (std::vector<std::string>{"ﾃｷｽﾄﾌｧｲﾙ(*.txt)", "すべてのﾌｧｲﾙ(*.*)"}));
    SetWindowTextA(nameField, name.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return dialog;
  };
  HWND dialog = saveAs(file);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES; }));
  const std::string text = PaneText(pane_);
  EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(file) == text; }));
  EXPECT_NE(text.find("a:b/c?\r\n"), std::string::npos) << "Shift-JIS lines ended by CR LF";

  // Saving over the file asks first; "No" keeps the old content, "Yes" writes.
  WriteFileBytes(file, "old");
  ASSERT_NE(saveAs(file), nullptr);
  HWND ask = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    ask = glean_.WaitForWindow("#32770", nullptr, 100);
    return ask && FindChild(ask, "Button", nullptr) && GetDlgItem(ask, IDYES);
  }));
  Dismiss(ask, IDYES);
  EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(file) == text; }));

  // A cancelled save writes nothing.
  Command(menu::F1);
  HWND cancelled = glean_.WaitForWindow("#32770", nullptr, 10000);
  ASSERT_NE(cancelled, nullptr);
  PostMessageA(cancelled, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(cancelled); }));

  // With every line deleted there is nothing to save, and no dialog opens.
  SendMessageA(pane_, EM_SETSEL, 0, -1);
  SendMessageA(pane_, WM_CLEAR, 0, 0);
  ASSERT_EQ(PaneText(pane_), "");
  Command(menu::F1);
  EXPECT_EQ(Dismiss(glean_.WaitForWindow("#32770", kTitle)), "コピーすべき文字列データがありません。");
  Close();
}

TEST_F(GleanCommands, TheHelpMenuReportsAMissingReadmeAndShowsTheVersion) {
  Start("Glean 助けの窓");
  Command(menu::ReadmeR1);  // the copy's folder holds no Readme.txt
  EXPECT_EQ(Dismiss(glean_.WaitForWindow("#32770", kTitle)),
            "Readme.txt が見つかりません。\n削除されたか、移動またはリネームされた可能性があります。");
  Command(menu::N12);
  std::string version = Dismiss(glean_.WaitForWindow("#32770", "バージョン情報"));
  EXPECT_EQ(version.substr(0, version.find('\n', version.find('\n') + 1)), "グリーナ！\nVersion 2.1");
  EXPECT_EQ(std::count(version.begin(), version.end(), '\n'), 2);
  EXPECT_FALSE(glean_.WaitForExit(200)) << "the program goes on";
  Close();
}

TEST_F(GleanCommands, TheBuildPutsAShiftJisReadmeBesideTheProgram) {
  std::string exe = GleanExePath();
  std::string readme = ReadFileBytes(exe.substr(0, exe.find_last_of('\\') + 1) + "Readme.txt");
  EXPECT_NE(readme.find("グリーナ！"), std::string::npos);
  EXPECT_NE(readme.find("\r\n"), std::string::npos);
  EXPECT_EQ(readme.find("\n\n"), std::string::npos) << "every line ends with CR LF";
}

// The settings dialog of the running program: its list buttons, and what OK and Cancel
// leave in Glean.ini and in the next search.
class SettingsDialog : public GleanCommands {
 protected:
  HWND Open() {
    Command(menu::N18);
    dialog_ = glean_.WaitForWindow("#32770", "環境設定");
    if (!dialog_) return nullptr;
    combo_ = FindChild(dialog_, "ComboBox");
    edit_ = FindWindowExA(combo_, nullptr, "Edit", nullptr);
    add_ = FindChild(dialog_, "Button", "追加(&A)");
    delete_ = FindChild(dialog_, "Button", "削除(&D)");
    return dialog_;
  }
  void Type(const std::string& text) {
    SendMessageA(edit_, EM_SETSEL, 0, -1);
    SendMessageA(edit_, WM_CLEAR, 0, 0);
    for (char c : text) SendMessageA(edit_, WM_CHAR, static_cast<unsigned char>(c), 0);
  }
  bool Enabled(HWND button) { return IsWindowEnabled(button) != FALSE; }
  int Entries() { return static_cast<int>(SendMessageA(combo_, CB_GETCOUNT, 0, 0)); }
  void Click(const char* caption) {
    PostMessageA(FindChild(dialog_, "Button", caption), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog_); })) << caption;
  }
  // The window list after a search: the search is asked for and its end awaited.
  // Whether a search lists the title. A search asked for while the capture on Glean's
  // activation runs is ignored, so it is asked for again until the list shows the title.
  bool ListedAfterSearch(const std::string& title, bool listed = true) {
    int polls = 0;
    return WaitUntil([&] {
      if (polls++ % 30 == 0) SendMessageA(body_, WM_COMMAND, menu::W1, 0);
      return Listed(list_, title) == listed;
    });
  }

  HWND dialog_ = nullptr, combo_ = nullptr, edit_ = nullptr, add_ = nullptr, delete_ = nullptr;
};

TEST_F(SettingsDialog, StandsAtItsPlaceWithItsControls) {
  Start("Glean 設定の窓");
  ASSERT_NE(Open(), nullptr);
  RECT client{};
  GetClientRect(dialog_, &client);
  EXPECT_EQ(client.right, 392);
  EXPECT_EQ(client.bottom, 448);  // grown by rows for the accessibility and colour check boxes
  HWND first = FindChild(dialog_, "Button", "テキストの種類を表示(&W)");
  ASSERT_NE(first, nullptr);
  RECT r{};
  GetWindowRect(first, &r);
  MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 16 + 24);
  EXPECT_EQ(r.top, 8 + 24);
  // Tab order: the first group, the second, then OK and Cancel.
  std::vector<std::string> order;
  HWND c = GetNextDlgTabItem(dialog_, nullptr, FALSE);
  for (int i = 0; i < 20 && c; ++i) {
    order.push_back(ClassName(c) == "ComboBox" ? "<combo>" : WindowText(c));
    c = GetNextDlgTabItem(dialog_, c, FALSE);
    if (c && WindowText(c) == order.front()) break;
  }
  const std::vector<std::string> expected = {
      "テキストの種類を表示(&W)", "<combo>", "隠れているデータは取得しない(&H)",
      "アクセスキー・プレフィクス '&&' を表示しない(&P)", "システムの配色を使う(&K)", "スタティックテキスト(&S)", "エディットテキスト(&E)",
      "リスト項目(&L)", "コンボボックス(&B)", "ステータスバー(&U)", "リストビュー項目(&V)", "ツリービュー項目(&R)",
      "ツールバー(&O)", "メニュー項目(&M)", "すべての項目を読む(&I)",
      "アクセシビリティ情報を読む(&Y)", "ＯＫ(&O)", "ｷｬﾝｾﾙ(&C)"};
  EXPECT_EQ(order, expected) << "(the list buttons are disabled with an empty list)";

  // The label's access key reaches the combo box; Esc cancels.
  SetForegroundWindow(dialog_);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog_; }));
  Press('N', {VK_MENU});
  EXPECT_TRUE(WaitUntil([&] { return GetParent(FocusOf(glean_, dialog_)) == combo_; }));
  Press(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog_); }));
  Close();
}

TEST_F(SettingsDialog, ListButtonsOkAndCancel) {
  const std::string title = "Glean Hide Me 窓";
  Start(title);
  ASSERT_TRUE(Listed(list_, title));

  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(WindowText(edit_), "");
  EXPECT_FALSE(Enabled(add_));
  EXPECT_FALSE(Enabled(delete_));
  Type("Hide Me");
  EXPECT_TRUE(WaitUntil([&] { return Enabled(add_); }));
  EXPECT_FALSE(Enabled(delete_));
  SendMessageA(add_, BM_CLICK, 0, 0);
  EXPECT_EQ(Entries(), 1);
  EXPECT_FALSE(Enabled(add_));
  EXPECT_TRUE(Enabled(delete_));
  Type("hIDE mE");  // the same entry in other letter case
  EXPECT_FALSE(Enabled(add_));
  EXPECT_TRUE(Enabled(delete_));
  Type("other");
  SendMessageA(add_, BM_CLICK, 0, 0);
  EXPECT_EQ(Entries(), 2);
  Click("ｷｬﾝｾﾙ(&C)");
  EXPECT_EQ(IniValue(copy_.Ini(), "count"), "<absent>") << "cancelled entries reach neither the file";
  EXPECT_TRUE(ListedAfterSearch(title)) << "nor the list";

  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(Entries(), 0);
  Type("Hide Me");
  SendMessageA(add_, BM_CLICK, 0, 0);
  Click("ＯＫ(&O)");
  EXPECT_TRUE(WaitUntil([&] { return IniValue(copy_.Ini(), "no_access[0]") == "Hide Me"; }));
  EXPECT_EQ(IniValue(copy_.Ini(), "count"), "1");
  EXPECT_TRUE(WaitUntil([&] { return !Listed(list_, title); })) << "OK searches again without the window";

  // Deleting takes the entry out of the search at once, even when the dialog is then
  // cancelled; the file keeps it.
  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(WindowText(edit_), "Hide Me") << "entry 0 is shown";
  EXPECT_TRUE(Enabled(delete_));
  SendMessageA(delete_, BM_CLICK, 0, 0);
  EXPECT_EQ(Entries(), 0);
  Click("ｷｬﾝｾﾙ(&C)");
  EXPECT_TRUE(ListedAfterSearch(title));
  EXPECT_EQ(IniValue(copy_.Ini(), "no_access[0]"), "Hide Me");

  // OK with an emptied list clears the file's list.
  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(Entries(), 0);
  Click("ＯＫ(&O)");
  EXPECT_TRUE(WaitUntil([&] { return IniValue(copy_.Ini(), "no_access[0]") == "<absent>"; }));
  Close();
}

TEST_F(SettingsDialog, ChoosingAnEntryWithTheKeyboardSetsTheListButtons) {
  ASSERT_TRUE(copy_.Copied());
  WriteFileBytes(copy_.Ini(), "[common]\r\ncount=2\r\nno_access[0]=first\r\nno_access[1]=second\r\n");
  Start("Glean 選ぶ設定の窓");
  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(WindowText(edit_), "first");
  EXPECT_TRUE(Enabled(delete_));
  EXPECT_FALSE(Enabled(add_));
  Type("firs");
  EXPECT_TRUE(Enabled(add_));
  EXPECT_FALSE(Enabled(delete_));
  SetForegroundWindow(dialog_);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog_; }));
  SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(combo_), TRUE);
  Press(VK_DOWN);
  EXPECT_TRUE(WaitUntil([&] { return Enabled(delete_) && !Enabled(add_); })) << WindowText(edit_);
  Click("ｷｬﾝｾﾙ(&C)");
  Close();
}

TEST_F(SettingsDialog, OkOnAnUnwritableSettingsFileIsReportedAndStillSearches) {
  ASSERT_TRUE(copy_.Copied());
  ASSERT_TRUE(CreateDirectoryA(copy_.Ini().c_str(), nullptr));  // a folder: no file can be written
  const std::string refused = copy_.Ini() + " に書き込めません";
  sample_ = TestProcess::Start(SampleAppPath(false), "--scenario empty --title \"Glean 書けない設定の窓\"");
  ASSERT_NE(sample_.WaitForWindow("GleanSampleApp", "Glean 書けない設定の窓"), nullptr);
  glean_ = TestProcess::Start(copy_.Exe());
  EXPECT_EQ(Dismiss(glean_.WaitForWindow("#32770", kTitle)), refused) << "the size written at start";
  body_ = glean_.WaitForWindow("TBody", kTitle);
  ASSERT_NE(body_, nullptr);
  list_ = FindChild(body_, "SysListView32");
  ASSERT_TRUE(WaitUntil([&] { return Listed(list_, "Glean 書けない設定の窓"); }));

  ASSERT_NE(Open(), nullptr);
  Type("書けない設定");
  EXPECT_TRUE(WaitUntil([&] { return Enabled(add_); }));
  SendMessageA(add_, BM_CLICK, 0, 0);
  PostMessageA(FindChild(dialog_, "Button", "ＯＫ(&O)"), BM_CLICK, 0, 0);
  EXPECT_EQ(Dismiss(glean_.WaitForWindow("#32770", kTitle)), refused);
  EXPECT_TRUE(ListedAfterSearch("Glean 書けない設定の窓", false)) << "the options apply for this run";
  EXPECT_FALSE(glean_.WaitForExit(200)) << "the program goes on";
  PostMessageA(body_, WM_CLOSE, 0, 0);
  EXPECT_EQ(Dismiss(glean_.WaitForWindow("#32770", kTitle)), refused);
  EXPECT_TRUE(glean_.WaitForExit(10000));
}

TEST_F(SettingsDialog, ItsControlsNameThemselvesWhileSpeechIsOn) {
  WriteFileBytes(copy_.Ini(), "[common]\r\nsend_clipboard=1\r\n");
  Start("Glean 読み上げ設定の窓");
  ASSERT_NE(Open(), nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == "テキストの種類を表示(&W)のチェックボックス チェック"; }))
      << ClipboardText();
  HWND box = FindChild(dialog_, "Button", "スタティックテキスト(&S)");
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_EQ(ClipboardText(), "スタティックテキスト(&S)のチェックボックス チェックなし") << "the state after the click";
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_EQ(ClipboardText(), "スタティックテキスト(&S)のチェックボックス チェック");
  SetFocus(nullptr);
  SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(combo_), TRUE);
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == "次の文字列を含むウィンドウは取得しない(&N)のコンボボックス"; }));
  SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(FindChild(dialog_, "Button", "ｷｬﾝｾﾙ(&C)")), TRUE);
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == "ｷｬﾝｾﾙ(&C)のプッシュボタン"; }));
  // Two check boxes keep quiet.
  SendMessageA(FindChild(dialog_, "Button", "隠れているデータは取得しない(&H)"), BM_CLICK, 0, 0);
  EXPECT_EQ(ClipboardText(), "ｷｬﾝｾﾙ(&C)のプッシュボタン");
  Click("ｷｬﾝｾﾙ(&C)");
  Close();
}

}  // namespace
}  // namespace glean::test
