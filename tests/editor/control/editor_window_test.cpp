// The TEditor window under Wine: created in a form, filled through Lines, painted with
// the expected colours in known places, and placing the caret from real mouse messages.
#include <gtest/gtest.h>

#include <windows.h>

#include "editor/control/editor_resources.h"
#include "harness/input.h"
#include "harness/process.h"
#include "pane_form.h"

namespace glean::testing {
namespace {

using glean::test::MouseButton;
using glean::test::MoveMouse;
using glean::test::WaitUntil;

void Pump() {
  WaitUntil([] { return false; }, 50);
}

// The colour of a client pixel of the pane, read from the screen.
COLORREF PixelAt(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  HDC screen = GetDC(nullptr);
  COLORREF c = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return c;
}

// Whether any pixel of a client rectangle of the pane has colour `c`.
bool AnyPixel(HWND hwnd, RECT r, COLORREF c) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (PixelAt(hwnd, x, y) == c) return true;
  return false;
}

TEST(EditorWindow, IsATEditorWindowFilledThroughLines) {
  PaneForm form;
  TEditor& e = form.Data();
  ASSERT_NE(e.Handle(), nullptr);
  EXPECT_EQ(test::ClassName(e.Handle()), "TEditor");
  EXPECT_EQ(GetParent(e.Handle()), form.Handle());
  EXPECT_GT(e.CharWidth(), 0);
  EXPECT_EQ(e.CharWidth() * 2 >= e.FontHeight() - 2, true) << "a fixed cell half as wide as high";
  EXPECT_EQ(e.Lines().Get(0), "∇ ｳｨﾝﾄﾞｳﾀｲﾄﾙ ∇");
  EXPECT_GT(e.ListRows().Count(), e.Lines().Count());  // the long line is wrapped
  // The vertical bar is there and covers the rows.
  SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(e.Handle(), SB_VERT, &si));
  EXPECT_EQ(si.nMax, e.ListRows().Count() + e.VisibleRows() - 1);
  EXPECT_EQ(int(si.nPage), e.VisibleRows());
  // Painting runs without raising: the whole window again.
  RedrawWindow(e.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  // The program's cursors are registered in the first free slots.
  EXPECT_EQ(ProgramCursors().RightArrow, 1);
  EXPECT_EQ(ProgramCursors().DragSelCopy, 2);
  EXPECT_NE(TScreenCursors::Instance().Get(1), LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_NE(TBuiltinImages::Instance().List(TImageList::Digits), nullptr);
  EXPECT_EQ(ImageList_GetImageCount(TBuiltinImages::Instance().List(TImageList::Digits)), 10);
  EXPECT_EQ(ImageList_GetImageCount(TBuiltinImages::Instance().List(TImageList::Marks)), 6);
}

TEST(EditorWindow, PaintsTheSelectionTheEofMarkAndTheHeaderColours) {
  PaneForm form;
  TEditor& e = form.Data();
  e.Lines().SetText("∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇\r\nabcdefghij\r\n");
  e.SetSelStart(int(e.Lines().Get(0).size()) + 2 + 2);
  e.SetSelLength(4);  // "cdef"
  e.PutRowMark(1, 3);
  UpdateWindow(e.Handle());
  Pump();
  const int w = e.CharWidth(), top = e.TopOffset(), rh = e.RowHeight(), fh = e.FontHeight();
  const int x0 = e.LeftOffset();
  // Inside the selected cells, away from the glyphs' strokes: the selection colour.
  RECT selected{x0 + 2 * w, top + rh, x0 + 6 * w, top + rh + fh};
  EXPECT_TRUE(AnyPixel(e.Handle(), selected, RGB(0, 0, 128)));
  EXPECT_EQ(PixelAt(e.Handle(), x0 + 2 * w + 1, top + rh + 1), RGB(0, 0, 128));
  EXPECT_EQ(PixelAt(e.Handle(), x0 + 8 * w + 1, top + rh + 1), RGB(255, 255, 255));
  // The header line is a comment: yellow behind its text.
  EXPECT_EQ(PixelAt(e.Handle(), x0 + 1, top + 1), RGB(255, 255, 0));
  // "[EOF]" in fuchsia at column 0 of the row after the last line.
  RECT eof{x0, top + 2 * rh, x0 + 5 * w, top + 2 * rh + fh};
  EXPECT_TRUE(AnyPixel(e.Handle(), eof, RGB(255, 0, 255)));
  // The built-in digit image of mark 3 in the image bar: its navy tag.
  RECT mark{e.Imagebar().LeftMargin(), top + rh + 2, e.Imagebar().LeftMargin() + 8, top + rh + 13};
  EXPECT_TRUE(AnyPixel(e.Handle(), mark, RGB(0, 0, 128)));
}

TEST(EditorWindow, ClicksPlaceTheCaret) {
  PaneForm form;
  TEditor& e = form.Data();
  e.Lines().SetText("abcdefghij\r\nklmnopqrst\r\nuvwxyz\r\n");
  const int w = e.CharWidth(), rh = e.RowHeight();
  auto click = [&](int x, int y, WPARAM keys = 0) {
    SendMessageA(e.Handle(), WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(x, y));
    SendMessageA(e.Handle(), WM_LBUTTONUP, keys, MAKELPARAM(x, y));
  };
  click(e.LeftOffset() + 3 * w + 1, e.TopOffset() + rh + 2);
  EXPECT_EQ(e.Row(), 1);
  EXPECT_EQ(e.Col(), 3);
  EXPECT_EQ(GetFocus(), e.Handle());
  click(e.LeftOffset() + 5 * w - 1, e.TopOffset() + 2 * rh + 2);  // nearest boundary: 5
  EXPECT_EQ(e.Row(), 2);
  EXPECT_EQ(e.Col(), 5);
  click(e.LeftOffset() + 30 * w, e.TopOffset() + 2);  // past the row end, FreeCaret off
  EXPECT_EQ(e.Row(), 0);
  EXPECT_EQ(e.Col(), 10);
  click(e.LeftOffset() + 2 * w, e.TopOffset() + rh + 2, MK_SHIFT);  // Shift extends
  EXPECT_TRUE(e.Selected());
  EXPECT_EQ(e.SelText(), "\r\nkl");
  POINT caret;
  ASSERT_TRUE(GetCaretPos(&caret));
  EXPECT_EQ(caret.x, e.LeftOffset() + 2 * w);
  EXPECT_EQ(caret.y, e.TopOffset() + rh);
}

TEST(EditorWindow, ARealMouseClickAndDragSelect) {
  PaneForm form;
  TEditor& e = form.Data();
  e.Lines().SetText("abcdefghij\r\nklmnopqrst\r\n");
  SetForegroundWindow(form.Handle());
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == form.Handle(); }, 3000));
  const int w = e.CharWidth(), rh = e.RowHeight();
  auto screenPoint = [&](int col, int row) {
    POINT p{e.LeftOffset() + col * w + 1, e.TopOffset() + row * rh + rh / 2};
    ClientToScreen(e.Handle(), &p);
    return p;
  };
  MouseButton(MOUSEEVENTF_LEFTDOWN, screenPoint(2, 1));
  MouseButton(MOUSEEVENTF_LEFTUP, screenPoint(2, 1));
  ASSERT_TRUE(WaitUntil([&] { return e.Row() == 1 && e.Col() == 2; }, 3000))
      << e.Row() << "," << e.Col();
  EXPECT_EQ(GetFocus(), e.Handle());
  // Press at column 1 of row 0, move to column 5, release: "bcde".
  MouseButton(MOUSEEVENTF_LEFTDOWN, screenPoint(1, 0));
  ASSERT_TRUE(WaitUntil([&] { return e.Row() == 0 && e.Col() == 1; }, 3000));
  MoveMouse(screenPoint(5, 0));
  ASSERT_TRUE(WaitUntil([&] { return e.Col() == 5; }, 3000));
  MouseButton(MOUSEEVENTF_LEFTUP, screenPoint(5, 0));
  WaitUntil([] { return false; }, 100);
  EXPECT_EQ(e.SelText(), "bcde");
}

TEST(EditorWindow, ScrollBarMessagesScrollTheView) {
  PaneForm form;
  TEditor& e = form.Data();
  std::string text;
  for (int i = 0; i < 100; ++i) text += "row " + std::to_string(i) + "\r\n";
  e.Lines().SetText(text);
  SendMessageA(e.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessageA(e.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(e.TopRow(), 1 + e.VisibleRows());
  EXPECT_EQ(GetScrollPos(e.Handle(), SB_VERT), e.TopRow());
  SendMessageA(e.Handle(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(e.TopRow(), 0);
  UpdateWindow(e.Handle());
}

// A double click as the window system delivers it reaches the owner once, and the
// caret stands where it was made.
TEST(EditorWindow, ARealDoubleClickReachesTheOwner) {
  PaneForm form;
  TEditor& e = form.Data();
  e.Lines().SetText("http://www.example.com/\r\nnext\r\n");
  int doubleClicks = 0;
  e.OnDblClick = [&](TObject*) { ++doubleClicks; };
  const LPARAM at = MAKELPARAM(e.LeftOffset() + 4 * e.CharWidth() + 1, e.TopOffset() + e.RowHeight() + 2);
  SendMessageA(e.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(e.Handle(), WM_LBUTTONUP, 0, at);
  SendMessageA(e.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageA(e.Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(e.Row(), 1);
  EXPECT_EQ(e.Col(), 4);
}

// Glean's pane wants Return but not Tab: asked about Tab, it lets the dialog manager move
// the focus on, so a keyboard user who tabs into the pane can tab out again.
TEST(EditorWindow, TabLeavesThePaneThatWantsReturns) {
  PaneForm form;
  TEditor& e = form.Data();
  ASSERT_TRUE(e.WantReturns());
  ASSERT_FALSE(e.WantTabs());
  MSG tab{e.Handle(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  MSG ret{e.Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  const LRESULT forTab = SendMessageA(e.Handle(), WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab));
  const LRESULT forReturn =
      SendMessageA(e.Handle(), WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&ret));
  EXPECT_EQ(forTab & (DLGC_WANTALLKEYS | DLGC_WANTTAB), 0);
  EXPECT_NE(forReturn & DLGC_WANTALLKEYS, 0);
}

}  // namespace
}  // namespace glean::testing
