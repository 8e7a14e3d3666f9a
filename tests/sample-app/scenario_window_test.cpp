// The sample app's windows, built in this process from the scenario tables and read back
// with the controls' own messages: what the capture tests rely on must really be there.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app.h"
#include "long_text.h"
#include "sample_ids.h"

namespace sample_app {
namespace {

class OpenedScenario {
 public:
  explicit OpenedScenario(const std::string& name, const std::string& title = "サンプル試験") {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&init);
    Options options;
    options.scenario = name;
    options.title = title;
    windows_ = OpenScenario(GetModuleHandleA(nullptr), options);
  }
  ~OpenedScenario() {
    for (HWND window : windows_) DestroyWindow(window);
    MSG msg;  // drop the quit message the last window posts
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  HWND Window(std::size_t i = 0) const { return i < windows_.size() ? windows_[i] : nullptr; }
  std::size_t Count() const { return windows_.size(); }
  HWND Item(int id, std::size_t window = 0) const { return GetDlgItem(Window(window), id); }

 private:
  std::vector<HWND> windows_;
};

std::string Text(HWND window) {
  std::string text(GetWindowTextLengthA(window) + 1, '\0');
  text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT ClientRectOf(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string ListBoxItem(HWND list, int index) {
  std::string text(SendMessageA(list, LB_GETTEXTLEN, index, 0) + 1, '\0');
  text.resize(SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data())));
  return text;
}

std::vector<int> SelectedItems(HWND list) {
  std::vector<int> items(SendMessageA(list, LB_GETSELCOUNT, 0, 0));
  SendMessageA(list, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
  return items;
}

std::string Cell(HWND view, int row, int column) {
  std::string text(8192, '\0');
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  text.resize(SendMessageA(view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
  return text;
}

std::vector<std::string> ColumnTitles(HWND view) {
  std::vector<std::string> titles;
  for (int c = 0;; ++c) {
    char buffer[200] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = buffer;
    column.cchTextMax = sizeof buffer;
    if (!SendMessageA(view, LVM_GETCOLUMNA, c, reinterpret_cast<LPARAM>(&column))) return titles;
    titles.push_back(buffer);
  }
}

std::vector<int> SelectedRows(HWND view) {
  std::vector<int> rows;
  for (int row = -1; (row = static_cast<int>(SendMessageA(view, LVM_GETNEXTITEM, row, LVNI_SELECTED))) >= 0;)
    rows.push_back(row);
  return rows;
}

std::vector<std::string> VisibleTreeTexts(HWND tree) {
  std::vector<std::string> texts;
  const auto count = SendMessageA(tree, TVM_GETVISIBLECOUNT, 0, 0);
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
  while (item && static_cast<LRESULT>(texts.size()) < count) {
    char buffer[4096] = {};
    TVITEMA data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = buffer;
    data.cchTextMax = sizeof buffer;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    texts.push_back(buffer);
    item = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item)));
  }
  return texts;
}

TEST(SampleAppAll, WindowIsFinishedVisibleAndSized) {
  OpenedScenario app("all");
  ASSERT_EQ(app.Count(), 1u);
  EXPECT_EQ(Text(app.Window()), "サンプル試験");
  EXPECT_EQ(ClassOf(app.Window()), kWindowClass);
  EXPECT_TRUE(IsWindowVisible(app.Window()));
  RECT client;
  GetClientRect(app.Window(), &client);
  EXPECT_EQ(client.right, kClientWidth);
  EXPECT_EQ(client.bottom, kClientHeight);
}

TEST(SampleAppAll, ChildrenComeInTableOrderWithTheirClasses) {
  using namespace all;
  OpenedScenario app("all");
  const std::vector<std::pair<int, std::string>> expected = {
      {kToolBar, "ToolbarWindow32"}, {kLabelName, "Static"},      {kLabelTwin1, "Static"},
      {kLabelTwin2, "Static"},       {kLabelAmpersand, "Static"}, {kLabelAscii, "Static"},
      {kEditSingle, "Edit"},         {kEditMulti, "Edit"},        {kButtonRun, "Button"},
      {kCheckOn, "Button"},          {kCheckOff, "Button"},       {kGroup, "Button"},
      {kButtonInGroup, "Button"},    {kComboDropDown, "ComboBox"}, {kComboDropList, "ComboBox"},
      {kListSingle, "ListBox"},      {kListSingleNone, "ListBox"}, {kListMulti, "ListBox"},
      {kListMultiNone, "ListBox"},   {kListView, "SysListView32"}, {kTreeView, "SysTreeView32"},
      {kPage0Label, "Static"},       {kPage0Edit, "Edit"},        {kPage1Label, "Static"},
      {kPage1Button, "Button"},      {kTab, "SysTabControl32"},   {kStatusBar, "msctls_statusbar32"},
  };
  std::vector<std::pair<int, std::string>> actual;
  for (HWND child = GetWindow(app.Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    actual.emplace_back(GetDlgCtrlID(child), ClassOf(child));
  EXPECT_EQ(actual, expected);
}

TEST(SampleAppAll, StaticsButtonsAndEditsCarryTheirTexts) {
  using namespace all;
  OpenedScenario app("all");
  EXPECT_EQ(Text(app.Item(kLabelName)), "名前(&N):");
  EXPECT_EQ(Text(app.Item(kLabelTwin1)), "同じラベル");
  EXPECT_EQ(Text(app.Item(kLabelTwin2)), "同じラベル");
  EXPECT_EQ(Text(app.Item(kLabelAmpersand)), "&");
  EXPECT_EQ(Text(app.Item(kLabelAscii)), "Plain ASCII label");
  EXPECT_EQ(Text(app.Item(kEditSingle)), "一行の編集 Edit");
  EXPECT_EQ(Text(app.Item(kEditMulti)), "一行目\r\n二行目\r\nThird line");
  EXPECT_EQ(Text(app.Item(kButtonRun)), "実行(&R)");
  EXPECT_EQ(SendMessageA(app.Item(kCheckOn), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(app.Item(kCheckOff), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(Text(app.Item(kGroup)), "グループ枠");
  EXPECT_EQ(Text(app.Item(kButtonInGroup)), "枠内のボタン");
}

TEST(SampleAppAll, ButtonLiesInsideItsGroupFrame) {
  using namespace all;
  OpenedScenario app("all");
  RECT group, button, inside;
  GetWindowRect(app.Item(kGroup), &group);
  GetWindowRect(app.Item(kButtonInGroup), &button);
  IntersectRect(&inside, &group, &button);
  EXPECT_TRUE(EqualRect(&inside, &button));
  const RECT label = ClientRectOf(app.Item(kLabelName));
  EXPECT_EQ(label.left, 10);
  EXPECT_EQ(label.top, 40);
  EXPECT_EQ(label.right, 210);
  EXPECT_EQ(label.bottom, 60);
}

TEST(SampleAppAll, CombosShowTheirSelection) {
  using namespace all;
  OpenedScenario app("all");
  EXPECT_EQ(SendMessageA(app.Item(kComboDropDown), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(app.Item(kComboDropDown), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Text(app.Item(kComboDropDown)), "みかん");
  EXPECT_EQ(SendMessageA(app.Item(kComboDropList), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(Text(app.Item(kComboDropList)), "Nagoya");
  // The drop-down combo's edit field repeats the combo's text.
  HWND edit = FindWindowExA(app.Item(kComboDropDown), nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(Text(edit), "みかん");
}

TEST(SampleAppAll, ListBoxesHoldTheirSelections) {
  using namespace all;
  OpenedScenario app("all");
  EXPECT_EQ(SendMessageA(app.Item(kListSingle), LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageA(app.Item(kListSingle), LB_GETSELCOUNT, 0, 0), LB_ERR);
  EXPECT_EQ(ListBoxItem(app.Item(kListSingle), 1), "二番目");
  EXPECT_EQ(SendMessageA(app.Item(kListSingleNone), LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(ListBoxItem(app.Item(kListSingleNone), 0), "未選択の先頭");
  EXPECT_EQ(SelectedItems(app.Item(kListMulti)), (std::vector<int>{2, 5, 7}));
  EXPECT_EQ(ListBoxItem(app.Item(kListMulti), 5), "項目5");
  EXPECT_EQ(SendMessageA(app.Item(kListMultiNone), LB_GETSELCOUNT, 0, 0), 0);
}

TEST(SampleAppAll, ListViewHasTitledEmptyAndBlankColumnsAndRoomToSpare) {
  OpenedScenario app("all");
  HWND view = app.Item(all::kListView);
  EXPECT_EQ(ColumnTitles(view), (std::vector<std::string>{"名前", "", " "}));
  ASSERT_EQ(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_EQ(Cell(view, 0, 0), "書類.txt");
  EXPECT_EQ(Cell(view, 1, 1), "1.5 MB");
  EXPECT_EQ(Cell(view, 3, 2), "音声");
  EXPECT_EQ(SendMessageA(view, LVM_GETSELECTEDCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageA(view, LVM_GETTOPINDEX, 0, 0), 0);
  EXPECT_GT(SendMessageA(view, LVM_GETCOUNTPERPAGE, 0, 0), 4);
}

TEST(SampleAppAll, TreeShowsTenNodesOneOfThemEmpty) {
  OpenedScenario app("all");
  EXPECT_EQ(VisibleTreeTexts(app.Item(all::kTreeView)),
            (std::vector<std::string>{"ルート", "子項目一", "孫項目", "子項目二", "", "Child three",
                                      "二つ目のルート", "枝", "葉っぱ", "Last root"}));
}

TEST(SampleAppAll, StatusBarPartsHaveTheirDrawingTypes) {
  OpenedScenario app("all");
  HWND bar = app.Item(all::kStatusBar);
  ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 0, 0), 5);
  char buffer[256] = {};
  EXPECT_EQ(SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buffer)), 0);
  EXPECT_EQ(SendMessageA(bar, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(buffer)), 8);
  EXPECT_STREQ(buffer, "準備完了");
  EXPECT_EQ(SendMessageA(bar, SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(buffer)), 0x2A);
  EXPECT_EQ(SendMessageA(bar, SB_GETTEXTA, 3, reinterpret_cast<LPARAM>(buffer)), MAKELONG(0, SBT_POPOUT));
  EXPECT_EQ(SendMessageA(bar, SB_GETTEXTA, 4, reinterpret_cast<LPARAM>(buffer)), 13);
  EXPECT_STREQ(buffer, "Line 1, Col 1");
  RECT part;
  SendMessageA(bar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
  EXPECT_LE(part.right, 240);
  EXPECT_GE(part.left, 80);
}

TEST(SampleAppAll, ToolbarCommandsAreNotTheirPositions) {
  OpenedScenario app("all");
  HWND bar = app.Item(all::kToolBar);
  ASSERT_EQ(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0), 6);
  const int commands[] = {0, 4, 3, 0, 2, 1};
  const char* const texts[] = {"", "新規", "開く", "", "Save", "印刷"};
  for (int position = 0; position < 6; ++position) {
    TBBUTTON button{};
    SendMessageA(bar, TB_GETBUTTON, position, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.idCommand, commands[position]) << position;
    EXPECT_EQ((button.fsStyle & BTNS_SEP) != 0, commands[position] == 0) << position;
    if (commands[position] == 0) continue;
    char text[256] = {};
    SendMessageA(bar, TB_GETBUTTONTEXTA, button.idCommand, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, texts[position]);
  }
}

TEST(SampleAppAll, MenuBarHasASeparatorBetweenItsEntries) {
  OpenedScenario app("all");
  HMENU menu = GetMenu(app.Window());
  ASSERT_EQ(GetMenuItemCount(menu), 4);
  const char* const texts[] = {"ファイル(&F)", "編集(&E)", "", "&Help"};
  for (int i = 0; i < 4; ++i) {
    char text[256] = {};
    GetMenuStringA(menu, i, text, 255, MF_BYPOSITION);
    EXPECT_STREQ(text, texts[i]);
  }
  EXPECT_TRUE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST(SampleAppAll, HiddenTabPageShowsWhenItsTabIsChosen) {
  using namespace all;
  OpenedScenario app("all");
  EXPECT_TRUE(IsWindowVisible(app.Item(kPage0Label)));
  EXPECT_TRUE(IsWindowVisible(app.Item(kPage0Edit)));
  EXPECT_FALSE(IsWindowVisible(app.Item(kPage1Label)));
  EXPECT_FALSE(IsWindowVisible(app.Item(kPage1Button)));
  EXPECT_EQ(Text(app.Item(kPage1Label)), "隠しページのラベル");

  HWND tab = app.Item(kTab);
  SendMessageA(tab, TCM_SETCURSEL, 1, 0);
  NMHDR change{tab, static_cast<UINT_PTR>(kTab), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(app.Window(), WM_NOTIFY, kTab, reinterpret_cast<LPARAM>(&change));
  EXPECT_FALSE(IsWindowVisible(app.Item(kPage0Label)));
  EXPECT_TRUE(IsWindowVisible(app.Item(kPage1Label)));
  EXPECT_TRUE(IsWindowVisible(app.Item(kPage1Button)));
}

TEST(SampleAppManySelected, SelectsEveryItemOfTheBigListAndThreeOfTheOther) {
  OpenedScenario app("manysel");
  HWND big = app.Item(manysel::kListAll);
  EXPECT_EQ(SendMessageA(big, LB_GETCOUNT, 0, 0), manysel::kItemCount);
  EXPECT_EQ(SendMessageA(big, LB_GETSELCOUNT, 0, 0), manysel::kItemCount);
  EXPECT_EQ(ListBoxItem(big, 1100), "選択項目 1100");
  EXPECT_EQ(SelectedItems(app.Item(manysel::kListThree)), (std::vector<int>{1, 4, 8}));
}

TEST(SampleAppListViews, RowsRoomAndSelections) {
  using namespace listview;
  OpenedScenario app("listview");
  HWND roomy = app.Item(kRoomy);
  EXPECT_EQ(ColumnTitles(roomy), (std::vector<std::string>{"名前", "種類"}));
  EXPECT_EQ(SendMessageA(roomy, LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_GE(SendMessageA(roomy, LVM_GETCOUNTPERPAGE, 0, 0), 10);
  EXPECT_EQ(Cell(roomy, 2, 0), "Third row");

  EXPECT_EQ(SelectedRows(app.Item(kOneSelected)), (std::vector<int>{2}));
  EXPECT_EQ(Cell(app.Item(kOneSelected), 2, 0), "単一選択2");

  HWND three = app.Item(kThreeSelected);
  EXPECT_EQ(SelectedRows(three), (std::vector<int>{1, 3, 15}));
  EXPECT_EQ(SendMessageA(three, LVM_GETTOPINDEX, 0, 0), 0);
  EXPECT_LE(SendMessageA(three, LVM_GETCOUNTPERPAGE, 0, 0), 15);  // row 15 is out of view
  EXPECT_EQ(Cell(three, 15, 1), "値15");

  HWND bare = app.Item(kNoColumns);
  EXPECT_TRUE(ColumnTitles(bare).empty());
  EXPECT_EQ(SendMessageA(bare, LVM_GETITEMCOUNT, 0, 0), 2);
}

TEST(SampleAppLongItems, TextsOutgrowEveryBuffer) {
  using namespace longitem;
  OpenedScenario app("longitem");
  HWND list = app.Item(kListBox);
  EXPECT_EQ(ListBoxItem(list, 0), LongText("長いリスト項目", 12000));
  EXPECT_EQ(ListBoxItem(list, 1).size(), 300u);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Cell(app.Item(kListView), 1, 0), LongText("長いセル五千", 5000));
  EXPECT_EQ(Text(app.Item(kLabel)), LongText("長いラベル", 12000));
  EXPECT_EQ(Text(app.Item(kEdit)), LongText("長い編集", 12000));
  // SB_GETTEXTA answers in bytes (SB_GETTEXTLENGTHA, under Wine, in UTF-16 units).
  HWND status = app.Item(kStatusBar);
  std::string part(8192, '\0');
  EXPECT_EQ(LOWORD(SendMessageA(status, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(part.data()))), 600);
  EXPECT_EQ(part.c_str(), LongText("長いパート六百", 600));
  EXPECT_EQ(LOWORD(SendMessageA(status, SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(part.data()))), 5000);
  EXPECT_EQ(SendMessageA(app.Item(kToolBar), TB_GETBUTTONTEXTA, kToolButton, 0), 300);
  EXPECT_EQ(VisibleTreeTexts(app.Item(kTreeView)).at(1), LongText("長い枝", 2000));
}

TEST(SampleAppLongItems, LongTextNeverEndsInALoneLeadByte) {
  EXPECT_EQ(LongText("ab", 8), "abあいう");
  EXPECT_EQ(LongText("ab", 9), "abあいう.");  // would end in the lead byte of "え"
  EXPECT_EQ(LongText("ab", 7), "abあい.");
  EXPECT_EQ(LongText("長い", 2), "長");
}

TEST(SampleAppBadPointer, ItemQueriesPointAtUnreadableMemory) {
  using namespace badpointer;
  OpenedScenario app("badpointer");
  EXPECT_EQ(Cell(app.Item(kReadable), 0, 0), "読める行");

  char buffer[200] = {};
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  ASSERT_TRUE(SendMessageA(app.Item(kUnreadable), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  ASSERT_NE(item.pszText, buffer);
  EXPECT_STREQ(buffer, "読めない行一");  // the control answered before the pointer was bent
  char copy[16];
  SIZE_T read = 0;
  EXPECT_FALSE(ReadProcessMemory(GetCurrentProcess(), item.pszText, copy, sizeof copy, &read));
  EXPECT_EQ(read, 0u);
  // The control still knows its texts; only the answers are broken.
  EXPECT_EQ(SendMessageA(app.Item(kUnreadable), LVM_GETITEMCOUNT, 0, 0), 2);
}

TEST(SampleAppWindows, EmptyTwinsAndBlanks) {
  OpenedScenario empty("empty");
  ASSERT_EQ(empty.Count(), 1u);
  EXPECT_EQ(GetWindow(empty.Window(), GW_CHILD), nullptr);
  EXPECT_EQ(GetMenu(empty.Window()), nullptr);

  OpenedScenario twins("twins", "双子");
  ASSERT_EQ(twins.Count(), 2u);
  EXPECT_EQ(Text(twins.Window(0)), "双子");
  EXPECT_EQ(Text(twins.Window(1)), "双子");
  EXPECT_EQ(Text(twins.Item(twins::kLabel, 0)), "双子の一番目");
  EXPECT_EQ(Text(twins.Item(twins::kLabel, 1)), "双子の二番目");

  OpenedScenario blanks("blanks", "空白");
  EXPECT_EQ(Text(blanks.Window()), "空白  ");
}

TEST(SampleAppWindows, WindowListHasWindowsToLeaveOut) {
  using namespace windowlist;
  OpenedScenario app("windowlist", "一覧");
  ASSERT_EQ(app.Count(), 5u);
  EXPECT_EQ(Text(app.Window(0)), std::string("一覧") + kTApplicationSuffix);
  EXPECT_EQ(ClassOf(app.Window(0)), kTApplicationClass);
  EXPECT_TRUE(IsWindowVisible(app.Window(0)));
  EXPECT_EQ(Text(app.Window(1)), "一覧 隠れた窓");
  EXPECT_FALSE(IsWindowVisible(app.Window(1)));
  EXPECT_EQ(Text(app.Window(2)), "一覧 ツール窓");
  EXPECT_TRUE(GetWindowLongA(app.Window(2), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(Text(app.Window(3)), "");
  EXPECT_TRUE(IsWindowVisible(app.Window(3)));
  EXPECT_EQ(Text(app.Window(4)), "一覧");
  EXPECT_EQ(ClassOf(app.Window(4)), kWindowClass);
}

TEST(SampleAppWindows, UnknownScenarioOpensNothing) {
  OpenedScenario app("no-such-scenario");
  EXPECT_EQ(app.Count(), 0u);
}

TEST(SampleAppFolder, HoldsTwoShortcutsAndATextFile) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "glean-sample-desktop-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(FillDesktopFolder(folder));
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &found);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    names.push_back(name);
    DeleteFileA((folder + "\\" + name).c_str());
  } while (FindNextFileA(find, &found));
  FindClose(find);
  RemoveDirectoryA(folder.c_str());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"メモ帳.lnk", "電卓.LNK", "読んでね.txt"}));
}

}  // namespace
}  // namespace sample_app
