// Glean.exe on the display, seen from outside: laid out for the screen's DPI (run again
// at 144 and 192 dpi by dpi_run.sh), the user's text size, the zoom keys and wheel, and
// the system's colours painted into the pane (read off the screen's pixels).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "base/strings.h"
#include "harness/desktop.h"
#include "harness/input.h"
#include "harness/process.h"
#include "main/glean_copy.h"
#include "main/menus.h"

namespace glean::test {
namespace {

const char kTitle[] = "グリーナ！";

int ScreenDpi() {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi;
}
int Px(int design, int percent = 100) { return MulDiv(MulDiv(design, ScreenDpi(), 96), percent, 100); }

// `child`'s rectangle in its parent's client coordinates.
RECT PlaceOf(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The rectangle is the design one (96-dpi units) scaled, within 2 pixels.
void ExpectScaled(HWND window, RECT r, int x, int y, int w, int h, int percent = 100) {
  const std::string what = WindowText(window);
  EXPECT_NEAR(r.left, Px(x, percent), 2) << what;
  EXPECT_NEAR(r.top, Px(y, percent), 2) << what;
  EXPECT_NEAR(r.right - r.left, Px(w, percent), 2) << what;
  EXPECT_NEAR(r.bottom - r.top, Px(h, percent), 2) << what;
}

// No caption of a button, check box, group or label is wider than its control, in the
// interface font at this DPI.
void ExpectCaptionsFit(HWND parent, int percent = 100) {
  HFONT font = CreateFontA(-Px(15, percent), 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                           "ＭＳ Ｐゴシック");
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string cls = ClassName(child), text = WindowText(child);
    if (text.empty() || (cls != "Button" && cls != "Static")) continue;
    const LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
    RECT need{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE);
    // A check box's box and gap, a push button's edges, a group's indents.
    int room = 0;
    if (cls == "Button")
      room = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX ? Px(16) : type == BS_GROUPBOX ? Px(12) : Px(6);
    RECT r{};
    GetClientRect(child, &r);
    EXPECT_LE(need.right + room, r.right) << text;
  }
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
}

class GleanDisplay : public ::testing::Test {
 protected:
  void Start(const std::string& ini) {
    ASSERT_TRUE(copy_.Copied());
    WriteFileBytes(copy_.Ini(), ini);
    glean_ = TestProcess::Start(copy_.Exe());
    body_ = glean_.WaitForWindow("TBody", kTitle);
    ASSERT_NE(body_, nullptr);
    pane_ = FindChild(body_, "TEditor");
    list_ = FindChild(body_, "SysListView32");
    ASSERT_NE(pane_, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(pane_, EM_GETLINECOUNT, 0, 0) >= 3; }));
  }
  void Close() {
    PostMessageA(body_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(glean_.WaitForExit(10000));
  }
  // The height of the pane's rows, from the places of two lines' first characters.
  int RowHeight() const {
    const WPARAM top = SendMessageA(pane_, EM_GETFIRSTVISIBLELINE, 0, 0);
    auto y = [&](WPARAM line) {
      return static_cast<int>(HIWORD(SendMessageA(pane_, EM_POSFROMCHAR, SendMessageA(pane_, EM_LINEINDEX, line, 0), 0)));
    };
    return y(top + 1) - y(top);
  }

  GleanCopy copy_;
  TestProcess glean_;
  HWND body_ = nullptr, pane_ = nullptr, list_ = nullptr;
};

struct DesignRect {
  const char* caption;
  int x, y, w, h;
};

TEST_F(GleanDisplay, LaidOutForTheScreensDpi) {
  // dpi_run.sh names the DPI its prefix was made for.
  if (const char* expected = std::getenv("GLEAN_EXPECT_DPI")) {
    ASSERT_EQ(ScreenDpi(), std::atoi(expected));
  }
  Start("[common]\r\nwindow_left=40\r\nwindow_top=30\r\n");
  RECT window{};
  GetWindowRect(body_, &window);
  ExpectScaled(body_, window, 40, 30, 506, 454);
  const DesignRect buttons[] = {
      {"ｳｨﾝﾄﾞｳ再検索(&R)", 11, 54, 145, 29}, {"コピー(&C)", 11, 84, 145, 29},
      {"ﾌｧｲﾙに保存(&S)...", 11, 114, 145, 29}, {"終　了(&X)", 11, 144, 145, 29},
      {"自動再検索(&A)", 8, 8, 150, 19},      {"常に手前に表示(&B)", 9, 30, 150, 19},
  };
  for (const DesignRect& b : buttons) {
    HWND button = FindChild(body_, "Button", b.caption);
    ASSERT_NE(button, nullptr) << b.caption;
    ExpectScaled(button, PlaceOf(button), b.x, b.y, b.w, b.h);
  }
  ExpectCaptionsFit(GetParent(FindChild(body_, "Button", "コピー(&C)")));
  const RECT list = PlaceOf(list_);
  EXPECT_NEAR(list.left, Px(8), 2);
  EXPECT_NEAR(list.top, Px(8), 2);
  EXPECT_NEAR(PlaceOf(pane_).top, Px(185), 2) << "the panel above the pane";

  PostMessageA(body_, WM_COMMAND, menu::N18, 0);
  HWND dialog = glean_.WaitForWindow("#32770", "環境設定");
  ASSERT_NE(dialog, nullptr);
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_NEAR(client.right, Px(392), 2);
  EXPECT_NEAR(client.bottom, Px(448), 2);
  ExpectScaled(GetDlgItem(dialog, IDOK), PlaceOf(GetDlgItem(dialog, IDOK)), 96, 408, 89, 25);
  ExpectCaptionsFit(dialog);
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  Close();
  EXPECT_EQ(IniValue(copy_.Ini(), "window_left"), "40") << "the file keeps 96-dpi units";
  EXPECT_EQ(IniValue(copy_.Ini(), "window_width"), "506");
}

TEST_F(GleanDisplay, TextSizeScalesTheInterfaceFonts) {
  auto listRowHeight = [&] {
    RECT item{LVIR_BOUNDS, 0, 0, 0};
    SendMessageA(list_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<int>(item.bottom - item.top);
  };
  // A size whose rows are higher than the icons, so that the font decides them.
  Start("[common]\r\nlist_font_sixe=24\r\n");
  const int plain = listRowHeight();
  Close();
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Accessibility", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr), ERROR_SUCCESS);
  const DWORD scale = 150;
  RegSetValueExA(key, "TextScaleFactor", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&scale), sizeof scale);
  Start("[common]\r\nlist_font_sixe=24\r\n");
  // Read at start: the value goes at once, before other tests' windows could see it.
  RegDeleteValueA(key, "TextScaleFactor");
  RegCloseKey(key);
  EXPECT_NEAR(listRowHeight(), plain * 1.5, plain * 0.1) << plain;
  HWND copy = FindChild(body_, "Button", "コピー(&C)");
  ExpectScaled(copy, PlaceOf(copy), 11, 84, 145, 29, 150);
  RECT window{};
  GetWindowRect(body_, &window);
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR(window.right - window.left, std::min<int>(Px(506, 150), work.right - work.left), 2)
      << "the window keeps room for the pane, within the screen";
  ExpectCaptionsFit(GetParent(copy), 150);
  Close();
}

TEST_F(GleanDisplay, ZoomKeysAndWheelChangeThePaneFontAndTheFile) {
  Start("[common]\r\n");
  const int start = RowHeight();
  ASSERT_GT(start, 0);
  SetForegroundWindow(body_);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == body_; }));
  Press(VK_OEM_PLUS, {VK_CONTROL});  // 10
  EXPECT_TRUE(WaitUntil([&] { return RowHeight() > start; })) << "Ctrl+;";
  Press(VK_ADD, {VK_CONTROL});  // 11
  const int eleven = RowHeight();
  // The wheel over the pane and over the list, with Ctrl held, as the system sends it.
  PostMessageA(pane_, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);  // 12
  PostMessageA(list_, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);  // 14
  EXPECT_TRUE(WaitUntil([&] { return RowHeight() > eleven + Px(3); })) << RowHeight();
  const int fourteen = RowHeight();
  Press(VK_OEM_MINUS, {VK_CONTROL});  // 12
  EXPECT_TRUE(WaitUntil([&] { return RowHeight() < fourteen; }));
  Press('0', {VK_CONTROL});
  EXPECT_TRUE(WaitUntil([&] { return RowHeight() == start; })) << "Ctrl+0: back to 9 points";
  for (int i = 0; i < 16; ++i) PostMessageA(pane_, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);
  EXPECT_TRUE(WaitUntil([&] { return RowHeight() >= Px(96); })) << "72 points";
  Close();
  EXPECT_EQ(IniValue(copy_.Ini(), "data_font_sixe"), "72");
  EXPECT_EQ(IniValue(copy_.Ini(), "list_font_sixe"), "72");
}

// Counts the screen's pixels of each colour inside `window`.
std::map<COLORREF, int> PixelsOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  std::map<COLORREF, int> counts;
  HDC screen = GetDC(nullptr);
  for (int y = r.top + 4; y < r.bottom - 4; y += 2)
    for (int x = r.left + 4; x < r.right - 24; x += 2) ++counts[GetPixel(screen, x, y)];
  ReleaseDC(nullptr, screen);
  return counts;
}

// Under Wine another process keeps the system colours it has read, so the change while
// Glean runs is tested in Glean's own process (body_layout_test.cpp).
TEST_F(GleanDisplay, SystemColoursPaintThePane) {
  const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
  const COLORREF saved[] = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
  const COLORREF dark[] = {RGB(0, 0, 96), RGB(255, 255, 0)};
  ASSERT_TRUE(SetSysColors(2, elements, dark));
  struct Restore {
    const int* e; const COLORREF* c;
    ~Restore() { SetSysColors(2, e, c); }
  } restore{elements, saved};
  Start("[common]\r\nsystem_colors=1\r\n");
  SetForegroundWindow(body_);
  WaitUntil([&] { return GetForegroundWindow() == body_; });
  // Most of the pane in the window colour, and some text in the text colour.
  EXPECT_TRUE(WaitUntil([&] {
    auto counts = PixelsOf(pane_);
    int total = 0;
    for (auto& [c, n] : counts) total += n;
    return counts[dark[0]] > total / 2 && counts[dark[1]] > 0;
  })) << "dark blue with yellow text";
  Close();
}

}  // namespace
}  // namespace glean::test
