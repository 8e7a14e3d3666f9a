// A screen reader's view of the pane: the edit-control messages sent from this process
// to the TEditor window of another process, with the replies and the buffers that come
// back.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "harness/process.h"

namespace glean::testing {
namespace {

std::string PeerPath() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path, n);
  return s.substr(0, s.find_last_of("\\/") + 1) + "editor_message_peer.exe";
}

class PeerPane : public ::testing::Test {
 protected:
  void SetUp() override {
    peer = test::TestProcess::Start(PeerPath());
    HWND form = peer.WaitForWindow("GleanPaneForm", nullptr);
    ASSERT_NE(form, nullptr);
    pane = FindWindowExA(form, nullptr, "TEditor", nullptr);
    ASSERT_NE(pane, nullptr);
  }
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return SendMessageA(pane, msg, wp, lp); }

  test::TestProcess peer;
  HWND pane = nullptr;
};

TEST_F(PeerPane, ReadsTextLinesAndOffsets) {
  const std::string text = "ab\r\ncd\r\nあい漢字";
  EXPECT_EQ(Send(WM_GETTEXTLENGTH), LRESULT(text.size()));
  char buf[64];
  std::memset(buf, '#', sizeof buf);
  EXPECT_EQ(Send(WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf)), LRESULT(text.size()));
  EXPECT_EQ(std::string(buf), text);
  std::memset(buf, '#', sizeof buf);
  EXPECT_EQ(Send(WM_GETTEXT, 5, reinterpret_cast<LPARAM>(buf)), 4);
  EXPECT_EQ(std::string(buf), "ab\r\n");

  EXPECT_EQ(Send(EM_GETLINECOUNT), 3);
  EXPECT_EQ(Send(EM_LINEINDEX, 1), 4);
  EXPECT_EQ(Send(EM_LINEINDEX, 2), 8);
  EXPECT_EQ(Send(EM_LINEINDEX, 3), -1);
  EXPECT_EQ(Send(EM_LINEFROMCHAR, 3), 0);
  EXPECT_EQ(Send(EM_LINEFROMCHAR, 4), 1);
  EXPECT_EQ(Send(EM_LINELENGTH, 9), 8);
  EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 0);

  std::memset(buf, '#', sizeof buf);
  WORD size = 4;  // shorter than the row
  std::memcpy(buf, &size, sizeof size);
  EXPECT_EQ(Send(EM_GETLINE, 2, reinterpret_cast<LPARAM>(buf)), 4);
  EXPECT_EQ(std::string(buf, 4), "あい");
  size = sizeof buf;
  std::memcpy(buf, &size, sizeof size);
  EXPECT_EQ(Send(EM_GETLINE, 1, reinterpret_cast<LPARAM>(buf)), 2);
  EXPECT_EQ(std::string(buf, 2), "cd");
  EXPECT_EQ(Send(EM_GETLINE, 3, reinterpret_cast<LPARAM>(buf)), 0);
}

TEST_F(PeerPane, SelectionAndPositions) {
  Send(EM_SETSEL, 5, 1);
  DWORD start = 99, end = 99;
  const LRESULT r = Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 5u);
  EXPECT_EQ(LOWORD(r), 1);
  EXPECT_EQ(HIWORD(r), 5);
  EXPECT_EQ(Send(EM_LINELENGTH, WPARAM(-1)), 1 + 1);  // "a" and "d" stay unselected
  Send(EM_SETSEL, WPARAM(-1), 0);
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 5u);  // the caret stayed at the higher end
  EXPECT_EQ(end, 5u);

  // The character at the position of い is い (offset 10, row 2).
  const LRESULT p = Send(EM_POSFROMCHAR, 10);
  const LRESULT c = Send(EM_CHARFROMPOS, 0, MAKELPARAM(LOWORD(p) + 1, HIWORD(p) + 1));
  EXPECT_EQ(LOWORD(c), 10);
  EXPECT_EQ(HIWORD(c), 2);
  EXPECT_EQ(Send(EM_CHARFROMPOS, 0, MAKELPARAM(30000, 30000)), -1);

  const LRESULT code = Send(WM_GETDLGCODE);
  EXPECT_EQ(code & (DLGC_WANTARROWS | DLGC_WANTCHARS), DLGC_WANTARROWS | DLGC_WANTCHARS);
  Send(EM_SETMODIFY, 1);
  EXPECT_EQ(Send(EM_GETMODIFY), 1);
  Send(EM_SETREADONLY, 1);
  Send(EM_SETMODIFY, 0);
  EXPECT_EQ(Send(EM_GETMODIFY), 1);  // refused while read-only
  EXPECT_EQ(Send(EM_CANUNDO), 0);
}

std::string ClipboardText() {
  std::string text = "<none>";
  if (!OpenClipboard(nullptr)) return "<closed>";
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(h))) {
      text = p;
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return text;
}

TEST_F(PeerPane, CopySetTextAndUndo) {
  Send(EM_SETSEL, 2, 6);
  Send(WM_COPY);
  EXPECT_EQ(ClipboardText(), "\r\ncd");
  EXPECT_FALSE(IsClipboardFormatAvailable(RegisterClipboardFormatA("TEditor Box Type")));
  Send(EM_SETSEL, WPARAM(-1), 0);
  Send(WM_COPY);
  EXPECT_EQ(ClipboardText(), "");  // nothing selected: an empty text

  EXPECT_EQ(Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x\r\nいy")), 0);
  EXPECT_EQ(Send(WM_GETTEXTLENGTH), 6);
  EXPECT_EQ(Send(EM_LINELENGTH, 3), 3);
  EXPECT_EQ(Send(EM_CANUNDO), 0);  // a new text starts without undo steps
  EXPECT_EQ(Send(EM_UNDO), 0);
  Send(EM_SETREADONLY, 1);
  Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("zz"));
  EXPECT_EQ(Send(WM_GETTEXTLENGTH), 6);  // refused while read-only
}

}  // namespace
}  // namespace glean::testing
