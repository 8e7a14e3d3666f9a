// The pane's addresses (caret, mouse, double click, the popup's N14, Shift+F10), the
// pointer reader over the sample app's controls, and the re-search when Glean becomes
// the active application.
#include <gtest/gtest.h>

#include "../../tools/sample-app/sample_ids.h"
#include "harness/input.h"
#include "main/body_fixture.h"
#include "main/menus.h"
#include "main/shell_open.h"
#include "main/speech_fixture.h"

namespace glean::test {
namespace {

namespace ids = sample_app::all;

// The status bar's text, read into room enough for any of ours (its length answer
// counts UTF-16 units here, fewer than the bytes of a Japanese text).
std::string StatusText(TBody& body) {
  char text[1024] = {};
  SendMessageA(body.StatusBar1().Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

POINT Center(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class PaneTest : public BodyTest {
 protected:
  std::unique_ptr<TBody> StartInFront() {
    auto body = StartBody();
    ui::SetShortcuts(body->Handle(), body->Shortcuts());
    SetForegroundWindow(body->Handle());
    PumpFor(body->Handle(), 300);
    return body;
  }
  // What the shell was asked to open, instead of a browser.
  void SetUp() override {
    SetShellOpener([this](HWND, const std::string& target) { opened.push_back(target); });
  }
  void TearDown() override { SetShellOpener(nullptr); }
  std::vector<std::string> opened;
  // The screen point of the caret, lowered by half the font's height.
  static POINT CaretPointer(TEditor& pane) {
    POINT p{pane.CaretPos().X, pane.CaretPos().Y};
    ClientToScreen(pane.Handle(), &p);
    p.y += pane.FontHeight() / 2;
    return p;
  }
};

TEST_F(PaneTest, ACaretOnAnAddressPutsThePointerThereAndTheShellOpensIt) {
  auto body = StartInFront();
  TEditor& pane = body->Data();
  pane.Lines().SetText("見て下さい\r\nwww.example.com です\r\n宛先 a.b@example.jp\r\n「www.example.org 」");
  SetFocus(pane.Handle());

  pane.SetRowCol(1, 3);
  EXPECT_EQ(body->CurrentLink(), "http://www.example.com");
  EXPECT_EQ(body->Menus().Caption(menu::N14), "このＵＲＬを開く(&L)");
  EXPECT_EQ(StatusText(*body), "ダブルクリックするとブラウザを起動します。");
  POINT cursor{};
  const POINT expected = CaretPointer(pane);
  PumpUntil(body->Handle(), [&] {
    GetCursorPos(&cursor);
    return cursor.x == expected.x && cursor.y == expected.y;
  }, 1000);
  EXPECT_EQ(cursor.x, expected.x);
  EXPECT_EQ(cursor.y, expected.y);
  // The move the pointer made finds the same address under it.
  PumpFor(body->Handle(), 100);
  EXPECT_EQ(body->CurrentLink(), "http://www.example.com");
  SendMessageA(body->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(body->Menus().PopupMenu1()), 0);
  EXPECT_TRUE(body->Menus().LinkItemsShown());

  ASSERT_TRUE(body->MenuCommand(menu::N14));
  EXPECT_EQ(opened, std::vector<std::string>{"http://www.example.com"});
  pane.DblClick();  // the pane's double-click event, as its window raises it
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[1], "http://www.example.com");

  pane.SetRowCol(2, 5);
  EXPECT_EQ(body->CurrentLink(), "mailto:a.b@example.jp");
  EXPECT_EQ(body->Menus().Caption(menu::N14), "このアドレスにメールを書く(&L)");
  EXPECT_EQ(StatusText(*body), "ダブルクリックするとこのアドレス宛にメールを作成します。");

  // Inside a run opened by a full-width character of the quotation byte: no address.
  pane.SetRowCol(3, 4);
  EXPECT_EQ(body->CurrentLink(), "");
  pane.SetRowCol(0, 1);
  EXPECT_EQ(body->CurrentLink(), "");
  EXPECT_EQ(StatusText(*body), "指定されたウィンドウ上の文字列をリストアップします");
  SendMessageA(body->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(body->Menus().PopupMenu1()), 0);
  EXPECT_FALSE(body->Menus().LinkItemsShown());
  ASSERT_TRUE(body->MenuCommand(menu::N14));
  EXPECT_EQ(opened.size(), 2u) << "no address, nothing opened";
}

TEST_F(PaneTest, TheMouseOverAnAddressShowsTheHandAndMakesItCurrent) {
  auto body = StartInFront();
  TEditor& pane = body->Data();
  pane.Lines().SetText("普通の行\r\nhttps://example.jp/a 先");
  auto cellPoint = [&](int row, int col) {
    POINT p{pane.LeftOffset() + col * pane.CharWidth() + 2,
            pane.TopOffset() + row * pane.RowHeight() + pane.RowHeight() / 2};
    ClientToScreen(pane.Handle(), &p);
    return p;
  };
  // Wine now and then merges a move into one it sent before; a move a pixel further on
  // comes through.
  auto moveUntil = [&](POINT p, auto condition) {
    for (int nudge = 0; nudge < 3; ++nudge) {
      MoveMouse({p.x + nudge, p.y});
      if (PumpUntil(body->Handle(), condition, 1500)) return true;
    }
    return false;
  };
  // Into the pane first: entering it shows its hint in the status bar. Only then over the
  // address, or the hint of the entry would come after the address's text.
  POINT plain = cellPoint(0, 2);
  ASSERT_TRUE(moveUntil(plain, [&] { return StatusText(*body) == "指定されたウィンドウ上の文字列をリストアップします"; }));
  POINT link = cellPoint(1, 4);
  const bool found = moveUntil(link, [&] { return body->CurrentLink() == "https://example.jp/a"; });
  POINT at{};
  GetCursorPos(&at);
  POINT client = at;
  ScreenToClient(pane.Handle(), &client);
  ASSERT_TRUE(found) << "pointer " << at.x << "," << at.y << " wanted " << link.x << "," << link.y << " token "
                     << pane.TokenAtPos(TPoint{client.x, client.y}) << " window "
                     << ClassName(WindowFromPoint(at));
  EXPECT_EQ(pane.CurrentCursor(), crHandPoint);
  EXPECT_EQ(StatusText(*body), "ダブルクリックするとブラウザを起動します。");
  ASSERT_TRUE(moveUntil(plain, [&] { return body->CurrentLink().empty(); }));
  EXPECT_EQ(pane.CurrentCursor(), crArrow);
  EXPECT_EQ(StatusText(*body), "指定されたウィンドウ上の文字列をリストアップします");
}

// The popup menu's window while it is open, found from a timer that runs inside the
// menu's own loop, which it then ends.
RECT g_menuRect;
bool g_menuSeen;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  GetWindowRect(menu, &g_menuRect);
  g_menuSeen = true;
  KillTimer(nullptr, id);
  EndMenu();
}

TEST_F(PaneTest, ShiftF10OpensThePopupAtTheCaret) {
  auto body = StartInFront();
  TEditor& pane = body->Data();
  pane.Lines().SetText("一行目\r\n二行目の文字");
  SetFocus(pane.Handle());
  pane.SetRowCol(1, 4);
  const POINT caret = CaretPointer(pane);
  const int lowered = pane.FontHeight() / 2;
  MoveMouse({5, 5});  // the mouse is elsewhere
  PumpFor(body->Handle(), 100);
  g_menuSeen = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseMenu);
  Press(VK_F10, {VK_SHIFT});
  PumpUntil(body->Handle(), [] { return g_menuSeen; });
  KillTimer(nullptr, timer);
  ASSERT_TRUE(g_menuSeen);
  EXPECT_EQ(g_menuRect.left, caret.x);
  EXPECT_EQ(g_menuRect.top, caret.y - lowered);
}

COLORREF ScreenPixel(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  HDC screen = GetDC(nullptr);
  COLORREF c = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return c;
}

TEST_F(PaneTest, TabsGetARedChevronOnTheScreen) {
  auto body = StartInFront();
  TEditor& pane = body->Data();
  pane.Lines().SetText("ab\tc\r\nabcdefgh");
  InvalidateRect(pane.Handle(), nullptr, TRUE);
  UpdateWindow(pane.Handle());
  PumpFor(body->Handle(), 100);
  ASSERT_LE(pane.CharWidth(), 13);
  // The chevron of the tab at byte 2: its upper line starts at (x0, y0 - 1).
  const int x0 = pane.LeftOffset() - pane.HorzOffset() + 2 * pane.CharWidth() + 2;
  const int y0 = pane.TopOffset() + (pane.RowHeight() - pane.Margin().Line()) / 2;
  EXPECT_EQ(ScreenPixel(pane.Handle(), x0, y0 - 1), RGB(255, 0, 0));
  EXPECT_EQ(ScreenPixel(pane.Handle(), x0, y0 + 1), RGB(255, 0, 0)) << "the lower line";
  // The same place of the row below, which holds no tab.
  EXPECT_NE(ScreenPixel(pane.Handle(), x0, y0 - 1 + pane.RowHeight()), RGB(255, 0, 0));
}

class PointerTest : public PaneTest {
 protected:
  // Glean with the sample app's every-control window captured.
  // Glean lies below and to the right of the sample's controls, so that it covers none
  // of those the tests point at.
  std::unique_ptr<TBody> StartOverSample(const std::string& title, bool speech = false) {
    WriteIni(std::string("[common]\r\nwindow_left=760\r\nwindow_top=560\r\n") +
             (speech ? "send_clipboard=1\r\n" : ""));
    sample_ = StartSample(title, "all");
    auto body = StartInFront();
    const int index = ListIndexOf(*body, title);
    EXPECT_GE(index, 0);
    body->WinList().Select(index);
    body->WinListClick();
    EXPECT_FALSE(body->ItemHitTable().empty());
    return body;
  }
  // Taps Shift with the pointer at `p` and waits until the pointer reader showed a new
  // text, or for `waitMs` (a few of its 200 ms ticks, where nothing must be shown).
  static void TapAt(TBody& body, POINT p, const std::string& before = "", int waitMs = 3000) {
    MoveMouse(p);
    PumpUntil(body.Handle(), [&] {
      POINT at{};
      GetCursorPos(&at);
      return at.x == p.x && at.y == p.y;
    }, 1000);
    PumpFor(body.Handle(), 50);
    // Under Wine a tap is now and then missed by the pressed-since-last-query bit; a
    // user taps again, and so does the test, where something is to be shown.
    const int taps = waitMs >= 3000 ? 3 : 1;
    for (int tap = 0; tap < taps; ++tap) {
      Press(VK_SHIFT);
      if (PumpUntil(body.Handle(), [&] { return body.LastPointedText() != before; }, waitMs / taps)) return;
    }
  }
  static constexpr int kTicks = 700;
  static std::string PaneText(TBody& body) {
    char text[4096] = {};
    SendMessageA(body.Data().Handle(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
  }
  HWND Control(int id) const { return GetDlgItem(sample_, id); }
  HWND sample_ = nullptr;
};

TEST_F(PointerTest, TheTextUnderThePointerReplacesThePaneAndIsSpoken) {
  auto body = StartOverSample("Glean 指す窓", true);
  ASSERT_TRUE(body->AnnounceActive);
  ClipboardEar ear;

  TapAt(*body, Center(Control(ids::kLabelAscii)));
  EXPECT_EQ(body->LastPointedText(), "Plain ASCII label");
  EXPECT_EQ(PaneText(*body), "Plain ASCII label");
  EXPECT_EQ(body->Data().SelStart(), 0);
  EXPECT_FALSE(body->Data().Marks().EofMark().Visible());
  EXPECT_EQ(ear.heard, std::vector<std::string>{"Plain ASCII label"});

  // A button inside a group frame: the smaller of the two recorded items.
  TapAt(*body, Center(Control(ids::kButtonInGroup)), body->LastPointedText());
  EXPECT_EQ(body->LastPointedText(), "枠内のボタン");

  // A list-view row: a line per cell, the first behind its header, each with the
  // spoken full stop.
  HWND list = Control(ids::kListView);
  RECT header{};
  GetWindowRect(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), &header);
  const POINT row0{header.left + 10, header.bottom + 6};
  TapAt(*body, row0, body->LastPointedText());
  EXPECT_EQ(body->LastPointedText(), "《名前》書類.txt.\r\n12 KB.\r\nテキスト.\r\n");
  EXPECT_EQ(ear.heard.back(), "《名前》書類.txt.\r\n12 KB.\r\nテキスト.\r\n");

  HWND tree = Control(ids::kTreeView);
  RECT t{};
  GetWindowRect(tree, &t);
  const int itemHeight = static_cast<int>(SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0));
  TapAt(*body, POINT{t.left + 30, t.top + itemHeight / 2}, body->LastPointedText());
  EXPECT_EQ(body->LastPointedText(), "ルート");
  EXPECT_EQ(PaneText(*body), "ルート");
}

TEST_F(PointerTest, AStatusBarPartIsShownOnceAndGleansOwnControlsAreNeverRead) {
  auto body = StartOverSample("Glean 指す窓 二");
  // The part "準備完了" of the status bar: its recorded rectangle.
  const capture::HitRow* part = nullptr;
  for (const capture::HitRow& row : body->ItemHitTable())
    if (row.Text == "準備完了") part = &row;
  ASSERT_NE(part, nullptr);
  const POINT inPart{(part->Left + part->Right) / 2, (part->Top + part->Bottom) / 2};
  TapAt(*body, inPart);
  EXPECT_EQ(PaneText(*body), "準備完了");

  body->Data().Lines().SetText("別の文");
  TapAt(*body, inPart, body->LastPointedText(), kTicks);
  EXPECT_EQ(PaneText(*body), "別の文") << "the same text is not shown again";

  for (HWND own : {body->SrchBtn().Handle(), body->WinList().Handle(), body->Data().Handle()}) {
    TapAt(*body, Center(own), body->LastPointedText(), kTicks);
    EXPECT_EQ(PaneText(*body), "別の文") << ClassName(own);
  }
  RECT frame{};
  GetWindowRect(body->Handle(), &frame);
  TapAt(*body, POINT{(frame.left + frame.right) / 2, frame.top + 8}, body->LastPointedText(), kTicks);
  EXPECT_EQ(PaneText(*body), "別の文") << "the title bar";
}

TEST_F(PointerTest, ListBoxItemsAreReadAndListViewsOnlyWhileTheirOptionIsOn) {
  auto body = StartOverSample("Glean 指す窓 四");
  HWND listBox = Control(ids::kListSingle);
  const int itemHeight = static_cast<int>(SendMessageA(listBox, LB_GETITEMHEIGHT, 0, 0));
  POINT third{5, 2 * itemHeight + itemHeight / 2};
  ClientToScreen(listBox, &third);
  TapAt(*body, third);
  EXPECT_EQ(body->LastPointedText(), "Third");

  body->Options().read_listview = false;
  HWND list = Control(ids::kListView);
  RECT header{};
  GetWindowRect(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), &header);
  TapAt(*body, POINT{header.left + 10, header.bottom + 6}, body->LastPointedText(), kTicks);
  EXPECT_EQ(body->LastPointedText(), "Third") << "no list-view text, and no fallback either";
  body->Options().read_listview = true;
  TapAt(*body, POINT{header.left + 10, header.bottom + 6}, body->LastPointedText());
  EXPECT_EQ(body->LastPointedText(), "《名前》書類.txt\r\n12 KB\r\nテキスト\r\n");
}

TEST_F(PointerTest, AfterTheDesktopEntryNothingIsReadOutsideListsAndTrees) {
  auto body = StartOverSample("Glean 指す窓 三");
  const int desktop = body->WinList().Count() - 1;
  body->WinList().Select(desktop);
  body->WinListClick();
  ASSERT_TRUE(body->ItemHitTable().empty());
  const std::string before = PaneText(*body);
  TapAt(*body, Center(Control(ids::kLabelAscii)), "", kTicks);
  EXPECT_EQ(PaneText(*body), before);
  EXPECT_EQ(body->LastPointedText(), "");
  // A tree view is still read: it needs no recorded rows.
  HWND tree = Control(ids::kTreeView);
  RECT t{};
  GetWindowRect(tree, &t);
  const int itemHeight = static_cast<int>(SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0));
  TapAt(*body, POINT{t.left + 30, t.top + itemHeight / 2});
  EXPECT_EQ(body->LastPointedText(), "ルート");
}

TEST_F(PaneTest, BecomingActiveCapturesTheWindowThatWasInFront) {
  const std::string a = "Glean 前の窓 A", b = "Glean 前の窓 B";
  HWND windowA = StartSample(a);
  HWND windowB = StartSample(b);
  auto body = StartInFront();
  // The other program raises its window when it handles the activation: wait for the
  // Z order, not only for the foreground.
  auto BringToFront = [&](HWND front) {
    SetForegroundWindow(front);
    ASSERT_TRUE(PumpUntil(body->Handle(), [&] {
      for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
        if (h == windowA || h == windowB) return h == front && GetForegroundWindow() == front;
      return false;
    }));
  };
  auto captured = [&] { return PaneLines(*body).size() > 1 ? PaneLines(*body)[1] : std::string(); };
  for (auto [front, title] : {std::pair{windowA, a}, std::pair{windowB, b}, std::pair{windowA, a}}) {
    BringToFront(front);
    SetForegroundWindow(body->Handle());
    EXPECT_TRUE(PumpUntil(body->Handle(), [&] { return captured() == title; })) << title;
    EXPECT_EQ(body->WinList().Caption(0), " " + title);
  }
  // Without the auto re-search, activation changes nothing.
  ASSERT_TRUE(body->MenuCommand(menu::A1));  // unticks the auto re-search box
  BringToFront(windowB);
  SetForegroundWindow(body->Handle());
  PumpFor(body->Handle(), 500);
  EXPECT_EQ(captured(), a);
}

}  // namespace
}  // namespace glean::test
