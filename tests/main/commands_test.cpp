// The main window's commands and menus, driven through the window's own messages: the
// menus' states as each opens, copy, undo, select line, font sizes, the layouts' save
// names, and the view switches.
#include <gtest/gtest.h>

#include "main/body_fixture.h"
#include "main/menus.h"
#include "main/model/save_name.h"
#include "main/shell_open.h"

namespace glean::test {
namespace {

void SetClipboard(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  if (text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    memcpy(GlobalLock(memory), text, strlen(text) + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
  }
  CloseClipboard();
}

class CommandTest : public BodyTest {
 protected:
  // The menu as the window sees it when it opens.
  void Open(TBody& body, HMENU menu) { SendMessageA(body.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0); }
  void Command(TBody& body, UINT id) { SendMessageA(body.Handle(), WM_COMMAND, id, 0); }
  // The pane as a user reaches it first: the editing commands are offered from then on.
  void EnterPane(TBody& body) {
    SetForegroundWindow(body.Handle());
    SetFocus(body.Data().Handle());
    ASSERT_TRUE(WaitUntil([&] { return body.Menus().EditMenuEnabled(); }));
  }
};

TEST_F(CommandTest, TheEditMenuWaitsForThePaneAndFollowsSelectionUndoAndClipboard) {
  StartSample("Glean 編集の窓");
  auto body = StartBody();
  TBodyMenus& m = body->Menus();
  EXPECT_EQ(m.Caption(menu::W1), "ｳｨﾝﾄﾞｳ再検索(&R)") << "after the first search";
  EXPECT_FALSE(m.EditMenuEnabled());
  // Shortcuts of the disabled menu do nothing either.
  SetClipboard("そのまま");
  Command(*body, menu::SelectAll2);
  EXPECT_EQ(body->Data().SelLength(), 0);
  EnterPane(*body);

  Open(*body, m.Edit1());
  EXPECT_FALSE(m.Enabled(menu::Undo2)) << "a fresh capture has nothing to undo";
  EXPECT_FALSE(m.Enabled(menu::Cut2));
  EXPECT_FALSE(m.Enabled(menu::Copy2));
  EXPECT_FALSE(m.Enabled(menu::Delete2));
  EXPECT_TRUE(m.Enabled(menu::Paste2));
  Command(*body, menu::SelectAll2);
  SetClipboard(nullptr);
  Open(*body, m.Edit1());
  EXPECT_TRUE(m.Enabled(menu::Cut2));
  EXPECT_TRUE(m.Enabled(menu::Copy2));
  EXPECT_TRUE(m.Enabled(menu::Delete2));
  EXPECT_FALSE(m.Enabled(menu::Paste2));

  // The popup menu follows the same rules; an edit makes undo possible.
  Command(*body, menu::Delete1);
  EXPECT_EQ(body->Data().Lines().GetText(), "");
  Open(*body, m.PopupMenu1());
  EXPECT_TRUE(m.Enabled(menu::Undo1));
  EXPECT_FALSE(m.Enabled(menu::Copy1));
  EXPECT_FALSE(m.LinkItemsShown()) << "no address under the caret";

  // Undo from the popup switches its caption each time; the main menu's stays.
  Command(*body, menu::Undo1);
  EXPECT_NE(body->Data().Lines().GetText(), "");
  EXPECT_EQ(m.Caption(menu::Undo1), "繰り返し(&R)");
  Command(*body, menu::Undo1);
  EXPECT_EQ(m.Caption(menu::Undo1), "元に戻す(&U)");
  EXPECT_EQ(m.Caption(menu::Undo2), "元に戻す(&U)");
}

TEST_F(CommandTest, CopyTakesTheSelectionOrEverythingAndAnEmptyPaneLeavesTheClipboard) {
  const std::string title = "Glean 写しの窓";
  StartSample(title);
  auto body = StartBody();
  const std::string text = body->Data().Lines().GetText();
  ASSERT_NE(text.find(title), std::string::npos);

  body->Data().SetSelStart(2);
  body->Data().SetSelLength(5);
  body->CopyBtnClick();
  EXPECT_EQ(ClipboardText(), text.substr(2, 5));

  body->Data().SetSelLength(0);
  body->CopyBtnClick();
  EXPECT_EQ(ClipboardText(), text) << "the whole text";
  EXPECT_EQ(body->Data().SelLength(), body->Data().GetTextLen()) << "and it stays selected";

  SetClipboard("前の内容");
  body->Data().Lines().Clear();
  body->CopyBtnClick();
  EXPECT_EQ(ClipboardText(), "前の内容");
}

TEST_F(CommandTest, SelectLineTakesTheCaretsLineWithoutItsBreakAndSkipsAnEmptyOne) {
  StartSample("Glean 一行の窓");
  auto body = StartBody();
  EnterPane(*body);
  TEditor& pane = body->Data();
  pane.Lines().SetText("first\r\n\r\nthird line\r\n");
  pane.SetSelStart(static_cast<int>(strlen("first\r\n\r\nth")));
  Command(*body, menu::S1);
  EXPECT_EQ(pane.SelText(), "third line");

  SetFocus(body->WinList().Handle());  // (which captures the chosen window again)
  pane.Lines().SetText("first\r\n\r\nthird line\r\n");
  pane.SetRowCol(1, 0);
  Command(*body, menu::N4);
  EXPECT_EQ(pane.SelLength(), 0);
  EXPECT_EQ(GetFocus(), body->WinList().Handle()) << "an empty line leaves the focus where it was";
}

TEST_F(CommandTest, FontSizesTickTheListsSizeAndNoneForAnother) {
  WriteIni("[common]\r\nlist_font_sixe=14\r\n");
  auto body = StartBody();
  TBodyMenus& m = body->Menus();
  Open(*body, m.L1());
  for (const auto& item : kFontSizeItems) EXPECT_FALSE(m.Checked(item[0])) << item[1];

  Command(*body, menu::L2);
  Open(*body, m.L1());
  for (const auto& item : kFontSizeItems) EXPECT_EQ(m.Checked(item[0]), item[1] == 11) << item[1];
  SendMessageA(body->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(IniValue("list_font_sixe"), "11");
  EXPECT_EQ(IniValue("data_font_sixe"), "11");
}

TEST_F(CommandTest, TheSaveNameComesFromTheChosenEntryInBothLayouts) {
  const std::string title = "a:b/c?";
  StartSample(title);
  auto body = StartBody();
  int index = ListIndexOf(*body, title);
  ASSERT_GE(index, 0);
  body->WinList().Select(index);
  EXPECT_EQ(ProposedSaveName(body->SaveName()), "_a_b_c_.txt");

  body->SetCompactMode(true);
  int comboIndex = -1;
  for (int i = 0; i < body->WinCombo().Count(); ++i)
    if (body->WinCombo().ItemText(i) == title) comboIndex = i;
  ASSERT_GE(comboIndex, 0);
  body->WinCombo().SetItemIndex(comboIndex);
  EXPECT_EQ(ProposedSaveName(body->SaveName()), "a_b_c_.txt");
}

TEST_F(CommandTest, TheViewMenuShowsTheSwitchesAndTheToggles) {
  StartSample("Glean 表示の窓");
  auto body = StartBody();
  TBodyMenus& m = body->Menus();
  Open(*body, m.Show1());
  EXPECT_TRUE(m.Checked(menu::A1));
  EXPECT_FALSE(m.Checked(menu::B1));
  EXPECT_FALSE(m.Checked(menu::C2));
  EXPECT_TRUE(m.Enabled(menu::W2)) << "no reader, no clipboard speech";
  EXPECT_TRUE(m.Checked(menu::W2));
  EXPECT_FALSE(m.Checked(menu::Watch1));

  // The watch is ticked in both menus while it runs; either item ends it.
  Command(*body, menu::Watch1);
  Open(*body, m.Show1());
  EXPECT_TRUE(m.Checked(menu::Watch1));
  Open(*body, m.PopupMenu1());
  EXPECT_TRUE(m.Checked(menu::Watch2));
  Command(*body, menu::Watch2);
  Open(*body, m.Show1());
  EXPECT_FALSE(m.Checked(menu::Watch1));

  Command(*body, menu::A1);
  Command(*body, menu::B1);
  EXPECT_TRUE(body->AlwsFrgrnd().Checked());
  Open(*body, m.Show1());
  EXPECT_FALSE(m.Checked(menu::A1));
  EXPECT_TRUE(m.Checked(menu::B1));

  // Word wrap keeps the caret's offset and goes to both wrap items.
  body->Data().SetSelStart(3);
  Command(*body, menu::Wordrap);
  EXPECT_FALSE(body->Data().WordWrap());
  EXPECT_FALSE(m.Checked(menu::W2));
  EXPECT_EQ(body->Data().SelStart(), 3);
  Command(*body, menu::W2);
  EXPECT_TRUE(body->Data().WordWrap());
  EXPECT_TRUE(m.Checked(menu::Wordrap));

  // The layout toggle and the focus moves.
  Command(*body, menu::C2);
  EXPECT_TRUE(body->View().compact_style);
  EXPECT_TRUE(body->WinCombo().Visible());
  Open(*body, m.Show1());
  EXPECT_TRUE(m.Checked(menu::C2));
  SetForegroundWindow(body->Handle());
  Command(*body, menu::M1);
  EXPECT_EQ(GetFocus(), body->Data().Handle());
  Command(*body, menu::N13);
  EXPECT_EQ(GetFocus(), body->WinCombo().Handle());
  Command(*body, menu::C2);
  EXPECT_FALSE(body->View().compact_style);
  Command(*body, menu::N13);
  EXPECT_EQ(GetFocus(), body->WinList().Handle());

  // The input-method item changes both captions and hands the focus to the pane.
  Command(*body, menu::O1);
  EXPECT_EQ(m.Caption(menu::O1), "日本語入力 - オフ(&L)");
  EXPECT_EQ(m.Caption(menu::O2), "日本語入力 - オフ(&L)");
  EXPECT_EQ(GetFocus(), body->Data().Handle());
  Command(*body, menu::O2);
  EXPECT_EQ(m.Caption(menu::O1), "日本語入力 - オン(&O)");
}

TEST_F(CommandTest, TheLayoutToggleSaysWhichLayoutItSwitchedTo) {
  WriteIni("[common]\r\nsend_clipboard=1\r\n");
  StartSample("Glean 切り替えの窓");
  auto body = StartBody();
  Command(*body, menu::C2);
  EXPECT_EQ(ClipboardText(), "コンパクトモードに切り替えました。");
  Command(*body, menu::C2);
  EXPECT_EQ(ClipboardText(), "通常モードに切り替えました。");
  // While the clipboard speaks, the wrap item of the view menu is out of reach and the
  // search took both ticks off.
  TBodyMenus& m = body->Menus();
  Open(*body, m.Show1());
  EXPECT_FALSE(m.Enabled(menu::W2));
  EXPECT_FALSE(m.Checked(menu::W2));
  EXPECT_FALSE(m.Checked(menu::Wordrap));
  EXPECT_FALSE(body->Data().WordWrap());
}

// A shortcut from the stored state, before any menu has opened: the switches toggle what
// the window shows, not a tick that no menu has set yet.
TEST_F(CommandTest, ShortcutsToggleTheStoredLayoutAndAlwaysOnTopBeforeAnyMenuOpens) {
  WriteIni("[common]\r\ncompact_style=1\r\nalways_foreground=1\r\n");
  auto body = StartBody();
  ASSERT_TRUE(body->View().compact_style);
  ASSERT_TRUE(body->AlwsFrgrnd().Checked());
  Command(*body, menu::C2);
  EXPECT_FALSE(body->View().compact_style);
  EXPECT_TRUE(body->WinList().Visible());
  Command(*body, menu::B1);
  EXPECT_FALSE(body->AlwsFrgrnd().Checked());
  EXPECT_FALSE(body->Menus().Checked(menu::B1));
  Command(*body, menu::C2);
  EXPECT_TRUE(body->View().compact_style);
  EXPECT_TRUE(body->Menus().Checked(menu::C2));
}

TEST_F(CommandTest, TheHelpMenuOpensTheReadmeBesideTheProgramAndTheProductPage) {
  std::vector<std::string> opened;
  SetShellOpener([&](HWND, const std::string& target) { opened.push_back(target); });
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string readme = exe;
  readme = readme.substr(0, readme.find_last_of('\\') + 1) + "Readme.txt";
  WriteFileBytes(readme, "read me\r\n");
  auto body = StartBody();
  Command(*body, menu::ReadmeR1);
  Command(*body, menu::C1);
  DeleteFileA(readme.c_str());
  SetShellOpener(nullptr);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], readme);
  EXPECT_EQ(opened[1].rfind("https://", 0), 0u) << opened[1];
}

}  // namespace
}  // namespace glean::test
