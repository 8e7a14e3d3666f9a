// The window search and the capture into the pane, driven as the main window's own
// handlers run them, against sample-app windows in other processes.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "capture/section_headers.h"
#include "main/body_fixture.h"
#include "main/main_texts.h"
#include "ui/application.h"

namespace glean::test {
namespace {

using Lines = std::vector<std::string>;

Lines EmptyWindowCapture(const std::string& title) {
  return {capture::kTitleHeader, title, "", capture::kNothingReadable};
}

TEST_F(BodyTest, FirstShowListsTheWindowsAndCapturesTheTopOne) {
  const std::string title = "Glean 空の窓 一";
  StartSample(title);
  auto body = StartBody();

  ASSERT_GE(body->WinList().Count(), 2);
  EXPECT_EQ(body->WinList().Caption(0), " " + title);
  EXPECT_EQ(body->WinList().Caption(body->WinList().Count() - 1), " ﾃﾞｽｸﾄｯﾌﾟ");
  EXPECT_EQ(body->WinList().Selected(), 0);
  EXPECT_EQ(PaneLines(*body), EmptyWindowCapture(title));
  EXPECT_EQ(body->CapturedLines().Items(), EmptyWindowCapture(title));
  EXPECT_EQ(body->Data().SelStart(), 0);
  EXPECT_EQ(body->Data().TopRow(), 0);
  EXPECT_TRUE(body->Data().Marks().EofMark().Visible());
  EXPECT_EQ(body->StatusBar1().SimpleText(), "");
  EXPECT_EQ(body->SrchBtn().Caption(), texts::kSearchAgainCaption);
  EXPECT_EQ(GetFocus(), body->WinList().Handle());
  EXPECT_FALSE(body->WinCombo().Visible());
  EXPECT_FALSE(body->AnnounceActive);
  EXPECT_TRUE(body->Data().WordWrap());
  for (int i = 0; i < body->WinList().Count(); ++i)
    EXPECT_NE(body->WinList().Caption(i), " グリーナ！") << "our own window is never listed";

  // Tab order: the buttons, the check boxes, the list, then the captured text.
  HWND h = body->SrchBtn().Handle();
  std::vector<std::string> order;
  for (int i = 0; i < 6; ++i, h = GetNextDlgTabItem(body->Handle(), h, FALSE)) order.push_back(WindowText(h));
  EXPECT_EQ(order, (std::vector<std::string>{"ｳｨﾝﾄﾞｳ再検索(&R)", "コピー(&C)", "ﾌｧｲﾙに保存(&S)...", "終　了(&X)",
                                              "自動再検索(&A)", "常に手前に表示(&B)"}));
  EXPECT_EQ(h, body->WinList().Handle());
  EXPECT_EQ(GetNextDlgTabItem(body->Handle(), h, FALSE), body->Data().Handle());
}

TEST_F(BodyTest, SearchReselectsTheRememberedPositionOrNothingPastTheEnd) {
  const std::string first = "Glean 空の窓 A", second = "Glean 空の窓 B";
  StartSample(first);
  StartSample(second);
  auto body = StartBody();
  int index = ListIndexOf(*body, first);
  ASSERT_GE(index, 0);
  body->ReselectIndex = index;
  body->SrchBtnClick();
  EXPECT_EQ(body->WinList().Selected(), index);
  EXPECT_EQ(PaneLines(*body), EmptyWindowCapture(first));

  // Past the end: no entry is selected and the pane keeps what it showed.
  body->ReselectIndex = body->WinList().Count();
  body->SrchBtnClick();
  EXPECT_EQ(body->WinList().Selected(), -1);
  EXPECT_EQ(PaneLines(*body), EmptyWindowCapture(first));
  body->ReselectIndex = -1;
  body->SrchBtnClick();
  EXPECT_EQ(body->WinList().Selected(), -1) << "a negative position selects nothing either";
}

TEST_F(BodyTest, ClickKeyAndFocusInTheListCaptureTheSelectedEntry) {
  const std::string first = "Glean 空の窓 C", second = "Glean 空の窓 D";
  StartSample(first);
  StartSample(second);
  auto body = StartBody();
  int a = ListIndexOf(*body, first), b = ListIndexOf(*body, second);
  ASSERT_GE(a, 0);
  ASSERT_GE(b, 0);

  body->WinList().Select(a);
  SendMessageA(body->WinList().Handle(), WM_KEYUP, VK_DOWN, 0xC0000001);
  EXPECT_EQ(PaneLines(*body), EmptyWindowCapture(first));
  EXPECT_EQ(body->ReselectIndex, a);

  // A key that does not move through the list captures nothing.
  SendMessageA(body->WinList().Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), [] {
    static LVITEMA none{};
    none.stateMask = LVIS_SELECTED;
    return reinterpret_cast<LPARAM>(&none);
  }());
  body->WinList().Select(b);
  SendMessageA(body->WinList().Handle(), WM_KEYUP, 'A', 0xC0000001);
  EXPECT_EQ(PaneLines(*body), EmptyWindowCapture(first));

  SetFocus(body->Data().Handle());
  SetFocus(body->WinList().Handle());  // receiving the focus captures
  EXPECT_EQ(PaneLines(*body), EmptyWindowCapture(second));
  EXPECT_EQ(body->ReselectIndex, b);
}

TEST_F(BodyTest, AWindowThatChangedItsTitleIsReportedInThePane) {
  const std::string title = "Glean 空の窓 E";
  HWND sample = StartSample(title);
  auto body = StartBody();
  int index = ListIndexOf(*body, title);
  ASSERT_GE(index, 0);
  body->ReselectIndex = index;
  body->SrchBtnClick();
  ASSERT_EQ(PaneLines(*body), EmptyWindowCapture(title));

  SetWindowTextA(sample, "Glean 改名された窓");
  body->WinList().Select(index);
  body->WinListClick();
  EXPECT_EQ(PaneLines(*body), Lines{capture::kWindowNotFound});
  EXPECT_EQ(body->CapturedLines().Count(), 0);
}

TEST_F(BodyTest, TitlesWithBlanksAtTheirEndsAreFoundInBothLayouts) {
  const std::string title = "Glean 空白付き ";
  StartSample(title);
  auto body = StartBody();
  int index = ListIndexOf(*body, title);
  ASSERT_GE(index, 0);
  body->ReselectIndex = index;
  body->SrchBtnClick();
  EXPECT_EQ(PaneLines(*body), EmptyWindowCapture(title));
  body->SetCompactMode(true);
  EXPECT_EQ(body->WinCombo().ItemText(index), title);
  EXPECT_EQ(PaneLines(*body), EmptyWindowCapture(title));
}

TEST_F(BodyTest, AnUnreadableListEndsWithItsErrorLineAndTheCaptureAndTheNextOneRun) {
  const std::string broken = "Glean 壊れた項目", plain = "Glean 空の窓 F";
  StartSample(broken, "badpointer");
  StartSample(plain);
  auto body = StartBody();
  int bad = ListIndexOf(*body, broken), good = ListIndexOf(*body, plain);
  ASSERT_GE(bad, 0);
  ASSERT_GE(good, 0);

  body->WinList().Select(bad);
  body->WinListClick();  // nothing escapes to the message loop's dialog
  const Lines pane = PaneLines(*body);
  ASSERT_GE(pane.size(), 4u);
  EXPECT_EQ(pane.back(), "後のラベル");
  EXPECT_EQ(pane[pane.size() - 4].rfind("Error: ", 0), 0u) << pane[pane.size() - 4];

  body->ReselectIndex = good;
  body->SrchBtnClick();  // not taken for a capture still running
  EXPECT_EQ(PaneLines(*body), EmptyWindowCapture(plain));
}

TEST_F(BodyTest, ACloseAskedForDuringACaptureWaitsForItsEnd) {
  const std::string title = "Glean 空の窓 H";
  StartSample(title);
  auto body = StartBody();
  int index = ListIndexOf(*body, title);
  ASSERT_GE(index, 0);
  HWND window = body->Handle();
  body->WinList().Select(index);
  // The capture lets waiting messages through before it reads the window.
  PostMessageA(window, WM_CLOSE, 0, 0);
  body->WinListClick();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(PaneLines(*body), EmptyWindowCapture(title));
  ui::ProcessMessages(window);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(body->Handle(), nullptr);
}

TEST_F(BodyTest, CompactLayoutListsTheSameWindowsInTheComboBox) {
  const std::string title = "Glean 空の窓 G";
  StartSample(title);
  WriteIni("[common]\r\ncompact_style=1\r\n");
  auto body = StartBody();
  TImageComboBox& combo = body->WinCombo();
  EXPECT_TRUE(combo.Visible());
  EXPECT_FALSE(body->WinList().Visible());
  EXPECT_FALSE(body->StatusBar1().Visible());
  ASSERT_GE(combo.Count(), 2);
  EXPECT_EQ(combo.ItemText(0), title);
  EXPECT_EQ(combo.ItemText(combo.Count() - 1), "ﾃﾞｽｸﾄｯﾌﾟ");
  EXPECT_EQ(combo.ItemIndex(), 0);
  EXPECT_EQ(PaneLines(*body), EmptyWindowCapture(title));
  EXPECT_EQ(GetFocus(), combo.Handle());

  // Choosing another entry captures it.
  int desktop = combo.Count() - 1;
  combo.SetItemIndex(desktop);
  body->WinComboClick();
  EXPECT_EQ(body->ReselectIndex, desktop);
  // The desktop listing: folder entries, no title section.
  EXPECT_EQ(PaneLines(*body), body->CapturedLines().Items());
  ASSERT_FALSE(PaneLines(*body).empty());
  EXPECT_NE(PaneLines(*body).front(), capture::kTitleHeader);
}

}  // namespace
}  // namespace glean::test
