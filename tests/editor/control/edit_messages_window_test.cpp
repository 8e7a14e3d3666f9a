// A screen reader's view of the pane: the edit-control messages sent from this process
// to the TEditor window of another process, with the replies and the buffers that come
// back.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <cstring>
#include <string>
#include <vector>

#include "editor/control/access/uia_api.h"
#include "harness/desktop.h"
#include "harness/input.h"
#include "harness/process.h"

namespace glean::testing {
namespace {

using glean::test::ClipboardText;

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
  // Typed keys go to the foreground window.
  bool BringPeerForward() {
    HWND form = GetAncestor(pane, GA_ROOT);
    SetForegroundWindow(form);
    return test::WaitUntil([&] { return GetForegroundWindow() == form; }, 3000);
  }

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

TEST_F(PeerPane, ReplaceClearCutAndPasteFromAnotherProcess) {
  Send(EM_SETSEL, 1, 5);
  EXPECT_EQ(Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("XY")), 0);
  EXPECT_EQ(test::WindowText(pane), "aXYd\r\nあい漢字");
  DWORD start = 0, end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 3u);  // after the inserted text
  EXPECT_EQ(end, 3u);
  EXPECT_EQ(Send(EM_CANUNDO), 1);
  EXPECT_EQ(Send(EM_UNDO), 1);
  EXPECT_EQ(test::WindowText(pane), "ab\r\ncd\r\nあい漢字");

  Send(EM_SETSEL, 8, 10);  // あ
  Send(WM_CLEAR);
  EXPECT_EQ(test::WindowText(pane), "ab\r\ncd\r\nい漢字");
  Send(EM_SETSEL, 4, 6);
  Send(WM_CUT);
  EXPECT_EQ(ClipboardText(), "cd");
  EXPECT_EQ(test::WindowText(pane), "ab\r\n\r\nい漢字");
  ASSERT_TRUE(test::PutOnClipboard("Q\r\nR"));
  Send(EM_SETSEL, 1, 1);
  Send(WM_PASTE);
  EXPECT_EQ(test::WindowText(pane), "aQ\r\nRb\r\n\r\nい漢字");

  const std::string before = test::WindowText(pane);
  Send(EM_SETREADONLY, 1);
  Send(EM_SETSEL, 0, 2);
  Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("Z"));
  Send(WM_CLEAR);
  Send(WM_PASTE);
  Send(WM_CUT);
  EXPECT_EQ(ClipboardText(), "");  // a refused cut still empties the clipboard's text
  EXPECT_EQ(test::WindowText(pane), before);
}

TEST_F(PeerPane, ABoxFromAnotherProgramGoesInAsABlockPlainTextAsLines) {
  ASSERT_TRUE(test::PutOnClipboard("12\r\n34\r\n", "TEditor Box Type"));
  Send(EM_SETSEL, 1, 1);
  Send(WM_PASTE);
  EXPECT_EQ(test::WindowText(pane), "a12b\r\nc34d\r\nあい漢字");
  EXPECT_EQ(Send(EM_UNDO), 1);
  ASSERT_TRUE(test::PutOnClipboard("12\r\n34\r\n"));
  Send(EM_SETSEL, 1, 1);
  Send(WM_PASTE);
  EXPECT_EQ(test::WindowText(pane), "a12\r\n34\r\nb\r\ncd\r\nあい漢字");
}

TEST_F(PeerPane, ABoxCopiedInThePaneReachesThisProcessWithItsMark) {
  if (!BringPeerForward()) GTEST_SKIP() << "the peer's window does not come to the foreground here";
  Send(EM_SETSEL, 0, 0);
  // Ctrl+K (the own menu's box mode), then Shift+Right, Shift+Down.
  test::Press('K', {VK_CONTROL});
  test::Press(VK_RIGHT, {VK_SHIFT});
  test::Press(VK_DOWN, {VK_SHIFT});
  const UINT boxFormat = RegisterClipboardFormatA("TEditor Box Type");
  ASSERT_TRUE(test::WaitUntil([&] {
    Send(WM_COPY);
    return ClipboardText() == "a\r\nc\r\n";
  }, 3000)) << ClipboardText();
  EXPECT_TRUE(IsClipboardFormatAvailable(boxFormat));
  // And back: pasted at the end of row 1, as a block.
  Send(EM_SETSEL, 6, 6);
  Send(WM_PASTE);
  EXPECT_EQ(test::WindowText(pane), "ab\r\ncda\r\nあcい漢字\r\n");
}

TEST_F(PeerPane, KeyboardInputAsPostedKeyAndCharacterMessages) {
  auto post = [&](UINT msg, WPARAM wp) { PostMessageA(pane, msg, wp, msg == WM_KEYDOWN ? 1 : 0); };
  auto waitFor = [&](const std::string& text) {
    return test::WaitUntil([&] { return test::WindowText(pane) == text; }, 3000);
  };
  Send(EM_SETSEL, 2, 2);  // the end of row 0
  post(WM_CHAR, 'x');
  EXPECT_TRUE(waitFor("abx\r\ncd\r\nあい漢字")) << test::WindowText(pane);
  post(WM_KEYDOWN, VK_RIGHT);  // NextLine: to the start of row 1
  post(WM_KEYDOWN, VK_DELETE);
  EXPECT_TRUE(waitFor("abx\r\nd\r\nあい漢字")) << test::WindowText(pane);
  post(WM_CHAR, 0x82);  // う as its two bytes
  post(WM_CHAR, 0xA4);
  EXPECT_TRUE(waitFor("abx\r\nうd\r\nあい漢字")) << test::WindowText(pane);
  post(WM_CHAR, VK_BACK);
  EXPECT_TRUE(waitFor("abx\r\nd\r\nあい漢字")) << test::WindowText(pane);
  post(WM_CHAR, VK_RETURN);
  EXPECT_TRUE(waitFor("abx\r\n\r\nd\r\nあい漢字")) << test::WindowText(pane);
  post(WM_KEYDOWN, VK_END);
  post(WM_KEYDOWN, VK_DELETE);  // the end of row 2 joins row 3
  EXPECT_TRUE(waitFor("abx\r\n\r\ndあい漢字")) << test::WindowText(pane);
  Send(EM_SETREADONLY, 1);
  post(WM_CHAR, 'y');
  post(WM_KEYDOWN, VK_DELETE);
  Sleep(200);
  EXPECT_EQ(test::WindowText(pane), "abx\r\n\r\ndあい漢字");
}

TEST_F(PeerPane, UnicodeKeyEventsTypeShiftJis) {
  if (!BringPeerForward()) GTEST_SKIP() << "the peer's window does not come to the foreground here";
  Send(EM_SETSEL, 0, 0);
  // As on-screen keyboards and braille input send characters.
  test::TypeUnicode(L"あ漢Z");
  const std::string expected = "\x82\xA0\x8A\xBF\x5A" "ab\r\ncd\r\nあい漢字";
  EXPECT_TRUE(test::WaitUntil([&] { return test::WindowText(pane) == expected; }, 3000)) << test::WindowText(pane);
}

std::wstring WidenedText(HWND hwnd) {
  const std::string text = test::WindowText(hwnd);
  std::wstring w(text.size(), L'\0');
  w.resize(size_t(MultiByteToWideChar(932, 0, text.data(), int(text.size()), w.data(), int(w.size()))));
  return w;
}

std::wstring Take(BSTR b) {
  std::wstring s(b ? b : L"", b ? SysStringLen(b) : 0);
  SysFreeString(b);
  return s;
}

TEST_F(PeerPane, MsaaAndUiaFromAnotherProcess) {
  OleInitialize(nullptr);
  {
    IAccessible* acc = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(pane, DWORD(OBJID_CLIENT), __uuidof(IAccessible), reinterpret_cast<void**>(&acc)), S_OK);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    EXPECT_EQ(acc->get_accRole(self, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_TEXT);
    BSTR b = nullptr;
    EXPECT_EQ(acc->get_accName(self, &b), S_OK);
    EXPECT_EQ(Take(b), L"取得データ");
    EXPECT_EQ(acc->get_accValue(self, &b), S_OK);
    EXPECT_EQ(Take(b), WidenedText(pane));
    acc->Release();
  }
  // UI Automation's client side as far as Wine's core reaches across processes.
  HMODULE core = LoadLibraryA("uiautomationcore.dll");
  using NodeFromHandle = HRESULT(WINAPI*)(HWND, void**);
  using GetPropertyValue = HRESULT(WINAPI*)(void*, int, VARIANT*);
  using NodeRelease = BOOL(WINAPI*)(void*);
  auto fromHandle = reinterpret_cast<NodeFromHandle>(reinterpret_cast<void*>(GetProcAddress(core, "UiaNodeFromHandle")));
  auto property = reinterpret_cast<GetPropertyValue>(reinterpret_cast<void*>(GetProcAddress(core, "UiaGetPropertyValue")));
  auto release = reinterpret_cast<NodeRelease>(reinterpret_cast<void*>(GetProcAddress(core, "UiaNodeRelease")));
  if (!fromHandle || !property || !release) {
    OleUninitialize();
    GTEST_SKIP() << "no UI Automation client functions here";
  }
  void* node = nullptr;
  ASSERT_EQ(fromHandle(pane, &node), S_OK);
  VARIANT v{};
  EXPECT_EQ(property(node, uia::kNameProperty, &v), S_OK);
  EXPECT_EQ(v.vt, VT_BSTR);
  if (v.vt == VT_BSTR) EXPECT_EQ(Take(v.bstrVal), L"取得データ");
  VariantInit(&v);
  EXPECT_EQ(property(node, uia::kControlTypeProperty, &v), S_OK);
  EXPECT_EQ(v.lVal, uia::kEditControlType);
  EXPECT_EQ(property(node, uia::kIsKeyboardFocusableProperty, &v), S_OK);
  EXPECT_EQ(v.boolVal, VARIANT_TRUE);
  // Wine's core serves no pattern across processes: the value's read-only state is
  // E_NOTIMPL there; where a core serves it, it must be right.
  Send(EM_SETREADONLY, 1);
  if (const HRESULT hr = property(node, uia::kValueIsReadOnlyProperty, &v); hr != E_NOTIMPL) {
    EXPECT_EQ(hr, S_OK);
    EXPECT_TRUE(v.vt == VT_BOOL && v.boolVal == VARIANT_TRUE) << v.vt;
  }
  release(node);
  OleUninitialize();
}

}  // namespace
}  // namespace glean::testing
