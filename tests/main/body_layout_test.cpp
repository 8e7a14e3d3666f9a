// The main window's geometry and settings: the stored layouts, the wheel, hints, the
// settings written on closing, announcements and the reader detection.
#include <gtest/gtest.h>

#include "main/body_fixture.h"
#include "main/main_texts.h"
#include "ui/application.h"

namespace glean::test {
namespace {

void ExpectBounds(HWND hwnd, int left, int top, int width, int height) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, height);
}

TEST_F(BodyTest, StoredLayoutsGiveTheWindowItsPlaceAndSize) {
  StartSample("Glean 配置の窓");
  WriteIni("[common]\r\ncompact_style=1\r\ncompact_left=300\r\ncompact_top=250\r\ncompact_width=420\r\n"
           "compact_height=310\r\nwindow_left=40\r\nwindow_top=60\r\nwindow_width=600\r\nwindow_height=500\r\n");
  auto body = StartBody();
  ExpectBounds(body->Handle(), 300, 250, 420, 310);
  RECT combo = body->WinCombo().Bounds();
  RECT panel3{};
  GetClientRect(GetParent(body->WinCombo().Handle()), &panel3);
  EXPECT_EQ(combo.right - combo.left, panel3.right - 16);
  RECT pane = Bounds(body->Data().Handle());
  RECT comboScreen = Bounds(body->WinCombo().Handle());
  EXPECT_GT(pane.top, comboScreen.bottom) << "the pane lies below the combo box";

  // The normal layout takes its size from the file and its place from memory.
  body->SetCompactMode(false);
  ExpectBounds(body->Handle(), 40, 60, 600, 500);
  EXPECT_TRUE(body->WinList().Visible());
  EXPECT_TRUE(body->StatusBar1().Visible());
  EXPECT_FALSE(body->WinCombo().Visible());
  EXPECT_GE(body->WinList().Count(), 2);

  // Moving changes only the active layout's pair; a resize writes that layout's size.
  SetWindowPos(body->Handle(), nullptr, 70, 80, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(body->View().window_left, 70);
  EXPECT_EQ(body->View().window_top, 80);
  EXPECT_EQ(body->View().compact_left, 300);
  EXPECT_EQ(IniValue("window_width"), "640");
  EXPECT_EQ(IniValue("compact_width"), "420");
  // The wrap column follows the pane's width.
  RECT client{};
  GetClientRect(body->Data().Handle(), &client);
  EXPECT_EQ(body->Data().WrapOption().WrapByte(), client.right / body->Data().CharWidth() - 3);
}

TEST_F(BodyTest, ClosingWritesTheViewSettings) {
  WriteIni("[common]\r\nalways_foreground=1\r\nlist_font_sixe=11\r\n");
  auto body = StartBody();
  EXPECT_TRUE(body->AlwsFrgrnd().Checked());
  // (Wine 8 keeps WS_EX_TOPMOST out of the style on its virtual desktop even for a
  // direct SetWindowPos(HWND_TOPMOST), so the window's style is not checked here.)
  SetWindowPos(body->Handle(), nullptr, 90, 95, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(body->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(body->Handle(), nullptr);
  EXPECT_EQ(IniValue("always_foreground"), "1");
  EXPECT_EQ(IniValue("send_clipboard"), "0");
  EXPECT_EQ(IniValue("list_font_sixe"), "11");
  EXPECT_EQ(IniValue("data_font_sixe"), "9");
  EXPECT_EQ(IniValue("window_left"), "90");
  EXPECT_EQ(IniValue("window_top"), "95");
  EXPECT_EQ(IniValue("compact_left"), "257");
  EXPECT_EQ(IniValue("window_maximized"), "0");
  EXPECT_EQ(IniValue("compact_style"), "0");
}

TEST_F(BodyTest, MaximizedWindowWritesNoPlaceAndStartsMaximizedAgain) {
  WriteIni("[common]\r\nwindow_left=120\r\nwindow_top=130\r\nwindow_width=520\r\nwindow_height=400\r\n");
  {
    auto body = StartBody();
    ShowWindow(body->Handle(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(body->Handle()));
    EXPECT_EQ(IniValue("window_width"), "520") << "no size is written while maximized";
    SendMessageA(body->Handle(), WM_CLOSE, 0, 0);
  }
  EXPECT_EQ(IniValue("window_maximized"), "1");
  EXPECT_EQ(IniValue("window_left"), "120");

  auto again = StartBody();
  EXPECT_TRUE(IsZoomed(again->Handle()));
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  GetWindowPlacement(again->Handle(), &wp);
  EXPECT_EQ(wp.rcNormalPosition.left, 120);
  EXPECT_EQ(wp.rcNormalPosition.top, 130);
  EXPECT_EQ(wp.rcNormalPosition.right - wp.rcNormalPosition.left, 520);
  EXPECT_EQ(wp.rcNormalPosition.bottom - wp.rcNormalPosition.top, 400);
}

TEST_F(BodyTest, MinimisingKeepsTheStoredPlace) {
  auto body = StartBody();
  SendMessageA(body->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(body->Handle()));
  EXPECT_EQ(body->View().window_left, 257);
  EXPECT_EQ(IniValue("window_width"), "506");
  SendMessageA(body->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(IniValue("window_left"), "257");
}

TEST_F(BodyTest, EachWheelMessageScrollsThePaneOneLine) {
  auto body = StartBody();
  std::string text;
  for (int i = 0; i < 200; ++i) text += "行 " + std::to_string(i) + "\r\n";
  body->Data().Lines().SetText(text);
  body->Data().SetTopRow(0);
  SendMessageA(body->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-360)), 0);
  EXPECT_EQ(body->Data().TopRow(), 1);
  SendMessageA(body->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(body->Data().TopRow(), 2);
  SendMessageA(body->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
  EXPECT_EQ(body->Data().TopRow(), 1);
}

TEST_F(BodyTest, StatusBarShowsTheHintOfTheControlUnderTheMouse) {
  const std::string title = "Glean ヒントの窓|ポ";
  StartSample(title);
  auto body = StartBody();
  HWND list = body->WinList().Handle();
  RECT item{};
  item.left = LVIR_BOUNDS;  // which rectangle the list is asked for
  SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  PostMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(item.left + 20, (item.top + item.bottom) / 2));
  ui::ProcessMessages(body->Handle());
  std::string caption = body->WinList().Caption(0);
  EXPECT_EQ(body->HintOf(list), std::string(texts::kWindowListHint) + "|" + caption);
  EXPECT_EQ(body->StatusBar1().SimpleText(), caption) << "the part after the first bar";

  HWND button = body->SrchBtn().Handle();
  PostMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ui::ProcessMessages(body->Handle());
  EXPECT_EQ(body->StatusBar1().SimpleText(), "現在起動中のウィンドウを検索します");
}

TEST_F(BodyTest, ClipboardSpeechAnnouncesTheWelcomeAndEachCapture) {
  const std::string title = "Glean 読み上げの窓";
  StartSample(title);
  WriteIni("[common]\r\nsend_clipboard=1\r\n");
  auto body = StartBody();
  EXPECT_TRUE(body->AnnounceActive);
  EXPECT_FALSE(body->Data().WordWrap());
  EXPECT_EQ(ClipboardText(), "グリーナへようこそ。" + std::to_string(body->WinList().Count()) +
                                 "個のウィンドウリストを取得しています。方向キーでデータに移動して下さい。");
  body->WinListClick();
  EXPECT_EQ(ClipboardText(), " " + title + "にアクセスしました。Tabキーでデータにアクセスして下さい。");
  body->SetCompactMode(true);
  EXPECT_EQ(ClipboardText(), title + "にアクセスしました。Tabキーでデータにアクセスして下さい。");
}

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcA(h, m, w, l); }

HWND TopWindow(const char* title) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "GleanReaderStandIn";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowA(wc.lpszClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                            nullptr, nullptr, wc.hInstance, nullptr);
  EXPECT_NE(hwnd, nullptr);
  return hwnd;
}

TEST_F(BodyTest, AReaderWindowTitleSwitchesAnnouncementsOn) {
  auto body = StartBody();
  EXPECT_FALSE(body->AnnounceActive);
  HWND longer = TopWindow("XPReader 2");
  body->SrchBtnClick();
  EXPECT_FALSE(body->AnnounceActive) << "only the whole title counts";
  HWND reader = TopWindow("xpreader");
  body->SrchBtnClick();
  EXPECT_TRUE(body->AnnounceActive);
  EXPECT_FALSE(body->Data().WordWrap());
  DestroyWindow(reader);
  body->SrchBtnClick();
  EXPECT_FALSE(body->AnnounceActive);
  DestroyWindow(longer);
}

// The system's colours change while Glean runs: WM_SYSCOLORCHANGE repaints the pane and
// the list in them at once.
TEST_F(BodyTest, SystemColoursFollowAChangeAtOnce) {
  WriteIni("[common]\r\nsystem_colors=1\r\n");
  auto body = StartBody();
  const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
  COLORREF saved[4];
  for (int i = 0; i < 4; ++i) saved[i] = GetSysColor(elements[i]);
  const COLORREF changed[] = {RGB(0, 0, 96), RGB(255, 255, 0), RGB(0, 96, 0), RGB(255, 255, 255)};
  ASSERT_TRUE(SetSysColors(4, elements, changed));
  const PaneColours now = body->Colours();
  const COLORREF list = ListView_GetBkColor(body->WinList().Handle());
  const TColor pane = body->Data().Color();
  SetSysColors(4, elements, saved);
  EXPECT_EQ(pane, changed[0]);
  EXPECT_EQ(now.plain, (ColourPair{changed[1], changed[0]}));
  EXPECT_EQ(now.header, (ColourPair{changed[3], changed[2]}));
  EXPECT_EQ(list, changed[0]);
  EXPECT_EQ(body->Data().Color(), saved[0]) << "and back";
}

// A move to a monitor of twice the DPI: the suggested rectangle is taken, the controls
// and fonts double, and the file still receives 96-dpi units.
TEST_F(BodyTest, DpiChangeLaysTheWindowOutAgain) {
  WriteIni("[common]\r\nwindow_left=40\r\nwindow_top=30\r\n");
  auto body = StartBody();
  const int dpi = body->Dpi();
  RECT copy = body->SrchBtn().Bounds();
  const int rowHeight = body->Data().RowHeight();
  RECT suggested{100, 50, 100 + MulDiv(506, 2 * dpi, 96), 50 + MulDiv(454, 2 * dpi, 96)};
  SendMessageA(body->Handle(), WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi), reinterpret_cast<LPARAM>(&suggested));
  ExpectBounds(body->Handle(), 100, 50, suggested.right - 100, suggested.bottom - 50);
  RECT doubled = body->SrchBtn().Bounds();
  EXPECT_NEAR(doubled.left, 2 * copy.left, 1);
  EXPECT_NEAR(doubled.right - doubled.left, 2 * (copy.right - copy.left), 1);
  EXPECT_NEAR(doubled.bottom - doubled.top, 2 * (copy.bottom - copy.top), 1);
  EXPECT_GE(body->Data().RowHeight(), 2 * rowHeight - 2) << "the pane's font follows the DPI";
  SendMessageA(body->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(IniValue("window_width"), "506");
  EXPECT_EQ(IniValue("window_left"), std::to_string(MulDiv(100, 96, 2 * dpi)));
}

}  // namespace
}  // namespace glean::test
