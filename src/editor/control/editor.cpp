#include "editor/control/editor.h"

#include <imm.h>
#include <algorithm>
#include <climits>
#include <cstring>
#include <windowsx.h>

#include "editor/control/core/edit_messages.h"
#include "editor/control/core/popup_items.h"
#include "editor/control/editor_resources.h"
#include "editor/control/gdi_canvas.h"
#include "ui/application.h"
#include "ui/clipboard.h"
#include "ui/dpi.h"
#include "win/cp932_text.h"
#include "win/os_error.h"

namespace glean {

static_assert(edit_msg::kWantArrows == DLGC_WANTARROWS && edit_msg::kWantTab == DLGC_WANTTAB &&
              edit_msg::kWantAllKeys == DLGC_WANTALLKEYS && edit_msg::kWantChars == DLGC_WANTCHARS);

TEditorRegistration::TEditorRegistration() {
  TScreenCursors::Instance().RegisterProgramCursors();
  TEditor::BoxClipboardFormat();
}

UINT TEditor::BoxClipboardFormat() {
  static const UINT format = RegisterClipboardFormatA("TEditor Box Type");
  return format;
}

void TEditor::SetClipboardText(const std::string& text, bool box) {
  ui::OpenedClipboard clipboard(hwnd_);
  if (!clipboard.IsOpen()) win::RaiseLastOSError();
  EmptyClipboard();
  const bool ok = ui::PutClipboardText(CF_TEXT, text) && (!box || ui::PutClipboardText(BoxClipboardFormat(), text));
  if (!ok) win::RaiseLastOSError();
}

bool TEditor::ClipboardHasText() const { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

bool TEditor::GetClipboardText(std::string& text, bool& box) {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return false;
  ui::OpenedClipboard clipboard(hwnd_);
  if (!clipboard.IsOpen()) return false;
  bool ok = false;
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(h))) {
      text.assign(p, strnlen(p, GlobalSize(h)));
      GlobalUnlock(h);
      ok = true;
    }
  }
  box = IsClipboardFormatAvailable(BoxClipboardFormat()) != FALSE;
  return ok;
}

int TEditor::TakeTrailByte() {
  MSG m;
  if (!hwnd_ || !PeekMessageA(&m, hwnd_, WM_CHAR, WM_CHAR, PM_NOREMOVE)) return -1;
  const auto code = static_cast<unsigned>(m.wParam & 0xFF);
  if (m.wParam > 255 || code < 64) return -1;
  PeekMessageA(&m, hwnd_, WM_CHAR, WM_CHAR, PM_REMOVE);
  return static_cast<int>(code);
}

TShiftState TEditor::KeyShift() {
  TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

TEditor::TEditor()
    : TEditorCore(static_cast<IEditorHost&>(*this)),
      ownMenu_(std::make_unique<TEditorPopupMenu>(*this)) {}

void TEditor::PopupOwnMenu(int x, int y) { ownMenu_->Popup(hwnd_, x, y); }

bool TEditor::ShortcutKey(uint16_t key, TShiftState shift) {
  if (!OwnPopupMenuActive()) return false;
  const int id = popup::ForShortcut(key, shift);
  if (id == 0) return false;
  ownMenu_->Prepare();
  if (popup::StateOf(*this, id).Enabled) ownMenu_->Run(id);
  return true;
}

TEditor::~TEditor() {
  if (hwnd_) {
    HWND hwnd = hwnd_;
    DestroyWindow(hwnd);  // WM_NCDESTROY detaches the window from this object
  }
}

void TEditor::RegisterClassOnce() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;  // no redraw on resize: the core repaints what it needs
  wc.lpfnWndProc = &TEditor::StaticWndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = nullptr;  // chosen per point, in WM_SETCURSOR
  wc.lpszClassName = kClassName;
  if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) win::RaiseLastOSError();
  registered = true;
}

void TEditor::CreateWnd(HWND parent, int x, int y, int width, int height, int id) {
  RegisterClassOnce();
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN;
  if (BarShown(TScrollBarKind::Vertical)) style |= WS_VSCROLL;
  if (BarShown(TScrollBarKind::Horizontal)) style |= WS_HSCROLL;
  const DWORD exStyle = BorderStyle() == TBorderStyle::bsSingle ? WS_EX_CLIENTEDGE : 0;
  HWND hwnd = CreateWindowExA(exStyle, kClassName, "", style, x, y, width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), this);
  if (!hwnd) win::RaiseLastOSError();
}

LRESULT CALLBACK TEditor::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<TEditor*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TEditor*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    self->access_.reset();  // clients holding its objects are told the element is gone
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->caretCreated_ = false;
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  ui::Guarded(GetAncestor(hwnd, GA_ROOT), [&] { result = self->WndProc(msg, wp, lp); });
  return result;
}

LRESULT TEditor::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      Resized();
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting covers every pixel
    case WM_SIZE:
      Resized();
      return 0;
    case WM_SETFOCUS:
      FocusChanged(true);  // OnEnter
      if (access_) access_->FocusGained();
      return 0;
    case WM_KILLFOCUS:
      FocusChanged(false);
      if (caretCreated_) {
        DestroyCaret();
        caretCreated_ = caretVisible_ = false;
      }
      return 0;
    case WM_VSCROLL:
      OnScroll(SB_VERT, wp);
      return 0;
    case WM_HSCROLL:
      OnScroll(SB_HORZ, wp);
      return 0;
    case WM_LBUTTONDOWN:
      if (GetFocus() != hwnd_) SetFocus(hwnd_);
      MouseDown({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, (wp & MK_SHIFT) != 0, (wp & MK_CONTROL) != 0);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (MouseBusy()) return 0;
      if (GetFocus() != hwnd_) SetFocus(hwnd_);
      // The owner hears of the double click before the second press starts a selection,
      // which would count as the mouse being busy and swallow the event.
      DblClick();
      MouseDown({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, (wp & MK_SHIFT) != 0, (wp & MK_CONTROL) != 0);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
      if (MouseBusy()) return 0;
      if ((msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN) && GetFocus() != hwnd_) SetFocus(hwnd_);
      break;
    case WM_MOUSEMOVE: {
      const TPoint p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      MouseMove(p, (wp & MK_LBUTTON) != 0, (wp & MK_CONTROL) != 0);
      if (OnMouseMove) {
        TShiftState s = KeyShift();
        if (wp & MK_LBUTTON) s |= ssLeft;
        if (wp & MK_RBUTTON) s |= ssRight;
        if (wp & MK_MBUTTON) s |= ssMiddle;
        OnMouseMove(this, s, p.X, p.Y);
      }
      return 0;
    }
    case WM_KEYDOWN:
      KeyDown(static_cast<uint16_t>(wp), KeyShift(), (lp & (1 << 30)) != 0);
      return 0;
    case WM_KEYUP:
      KeyUp(static_cast<uint16_t>(wp), KeyShift());
      return 0;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: {
      // Alt combinations and F10 reach the host events, then the window system's menus.
      uint16_t key = static_cast<uint16_t>(wp);
      const TKeyEvent& handler = msg == WM_SYSKEYDOWN ? OnKeyDown : OnKeyUp;
      if (handler) handler(this, key, KeyShift());
      if (key == 0) return 0;
      break;
    }
    case WM_CHAR:
      KeyPress(static_cast<char>(wp), KeyShift());
      return 0;
    case WM_IME_CHAR: {
      // An ANSI window gets the whole character: the lead byte in the high byte.
      const auto lead = static_cast<char>((wp >> 8) & 0xFF), low = static_cast<char>(wp & 0xFF);
      CharPress(lead ? std::string{lead, low} : std::string(1, low), KeyShift());
      return 0;
    }
    case WM_UNICHAR:
      if (wp == UNICODE_NOCHAR) return TRUE;  // yes, this window takes WM_UNICHAR
      OnUniChar(wp);
      return 0;
    case WM_GETOBJECT:
      if (LRESULT reply; Access().GetObject(wp, lp, reply)) return reply;
      break;
    case WM_IME_COMPOSITION:
      OnImeComposition(wp, lp);
      return 0;
    case WM_IME_NOTIFY: {
      const LRESULT r = DefWindowProcA(hwnd_, msg, wp, lp);
      if (wp == IMN_OPENCANDIDATE) ImeCandidateWindow(true);
      if (wp == IMN_CLOSECANDIDATE) ImeCandidateWindow(false);
      return r;
    }
    case WM_CONTEXTMENU:
      if (!MouseBusy()) OnContextMenu(lp);
      return 0;
    case WM_LBUTTONUP:
      MouseUp({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, (wp & MK_CONTROL) != 0);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != hwnd_) CancelDrag();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT) {
        OnSetCursor();
        return TRUE;
      }
      break;
    default:
      if (LRESULT reply; EditMessage(msg, wp, lp, reply)) return reply;
      break;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

bool TEditor::EditMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& reply) {
  namespace em = edit_msg;
  const int iw = static_cast<int>(static_cast<INT_PTR>(wp));
  reply = 0;
  switch (msg) {
    case EM_GETSEL:
      reply = static_cast<DWORD>(em::GetSel(*this, reinterpret_cast<int32_t*>(wp),
                                            reinterpret_cast<int32_t*>(lp)));
      return true;
    case EM_SETSEL:
      em::SetSel(*this, iw, static_cast<int>(lp));
      return true;
    case EM_GETLINE: {
      auto* buffer = reinterpret_cast<char*>(lp);
      if (!buffer) return true;
      WORD size;
      std::memcpy(&size, buffer, sizeof size);  // the copy overwrites it
      reply = em::GetLine(*this, iw, buffer, size);
      return true;
    }
    case EM_LINEINDEX:
      reply = em::LineIndex(*this, iw);
      return true;
    case EM_LINELENGTH:
      reply = em::LineLength(*this, iw);
      return true;
    case EM_LINEFROMCHAR:
      reply = em::LineFromChar(*this, iw);
      return true;
    case EM_GETLINECOUNT:
      reply = em::LineCount(*this);
      return true;
    case EM_GETFIRSTVISIBLELINE:
      reply = TopRow();
      return true;
    case EM_POSFROMCHAR:
      reply = static_cast<DWORD>(em::PosFromChar(*this, iw));
      return true;
    case EM_CHARFROMPOS:
      reply = em::CharFromPos(*this, GET_X_LPARAM(lp), GET_Y_LPARAM(lp), ClientRect());
      return true;
    case EM_SCROLLCARET:
      em::ScrollCaret(*this);
      return true;
    case EM_GETMODIFY:
      reply = Modified() ? 1 : 0;
      return true;
    case EM_SETMODIFY:
      em::SetModify(*this, wp != 0);
      return true;
    case EM_SETREADONLY:
      em::SetReadOnly(*this, wp != 0);
      return true;
    case EM_CANUNDO:
      reply = em::CanUndo(*this) ? 1 : 0;
      return true;
    case WM_GETTEXT:
      reply = em::GetText(*this, reinterpret_cast<char*>(lp), static_cast<int>(std::min<WPARAM>(wp, INT_MAX)));
      return true;
    case WM_GETTEXTLENGTH:
      reply = GetTextLen();
      return true;
    case WM_SETTEXT:
      edit_msg::SetText(*this, reinterpret_cast<const char*>(lp));
      return true;
    case EM_UNDO:
      reply = edit_msg::Undo(*this) ? 1 : 0;
      return true;
    case EM_EMPTYUNDOBUFFER:
      edit_msg::EmptyUndoBuffer(*this);
      return true;
    case EM_REPLACESEL:
      if (lp) InsertText(reinterpret_cast<const char*>(lp));
      return true;
    case WM_COPY:
      if (Selected())
        CopyToClipboard();
      else
        SetClipboardText(std::string(), false);
      return true;
    case WM_CUT:
      if (ReadOnly() || !Selected())
        SetClipboardText(std::string(), false);
      else
        CutToClipboard();
      return true;
    case WM_PASTE:
      PasteFromClipboard();  // nothing when read-only
      return true;
    case WM_CLEAR:
      ClearSelection();
      return true;
    case WM_GETDLGCODE: {
      const MSG* asked = reinterpret_cast<const MSG*>(lp);
      const bool tabKey = asked && (asked->message == WM_KEYDOWN || asked->message == WM_CHAR) &&
                          asked->wParam == VK_TAB;
      reply = em::DlgCode(*this, static_cast<uint32_t>(DefWindowProcA(hwnd_, msg, wp, lp)), tabKey);
      return true;
    }
    default:
      return false;
  }
}

void TEditor::OnPaint() {
  win::PaintScope paint(hwnd_);
  TGdiCanvas canvas(
      paint.Dc(), [this](TFontStyles s) { return FontHandle(s); },
      [this](HDC dc, TImageList which, int index, int x, int y) {
        return DrawImageBarImage(dc, which == TImageList::Digits ? imageDigits_ : imageMarks_,
                                 which, index, x, y);
      });
  const RECT& r = paint.Area();
  Paint(canvas, {r.left, r.top, r.right, r.bottom});
}

void TEditor::OnScroll(int bar, WPARAM wp) {
  const auto code = static_cast<TScrollCode>(LOWORD(wp));
  if (bar == SB_VERT) {
    SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd_, SB_VERT, &si);
    VScroll(code, si.nTrackPos);
  } else {
    HScroll(code, static_cast<short>(HIWORD(wp)));
  }
}

void TEditor::OnImeComposition(WPARAM wp, LPARAM lp) {
  DefWindowProcA(hwnd_, WM_IME_COMPOSITION, wp, lp);
  if (!(lp & GCS_RESULTSTR) || ReadOnly()) return;
  HIMC imc = ImmGetContext(hwnd_);
  if (!imc) return;
  std::string text;
  const LONG size = ImmGetCompositionStringA(imc, GCS_RESULTSTR, nullptr, 0);
  if (size > 0) {
    text.resize(static_cast<size_t>(size));
    const LONG got = ImmGetCompositionStringA(imc, GCS_RESULTSTR, text.data(), static_cast<DWORD>(size));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  }
  ImmReleaseContext(hwnd_, imc);
  ImeResult(text);
}

void TEditor::OnUniChar(WPARAM wp) {
  if (wp > 0xFFFF) return;  // outside the basic plane: code page 932 has none of them
  // A character the pane cannot hold is not typed at all, rather than as a stand-in.
  const wchar_t ch = static_cast<wchar_t>(wp);
  const std::string bytes = win::ToCodePage932(std::wstring_view(&ch, 1), sjis::TMissing::Drop);
  if (!bytes.empty()) CharPress(bytes, KeyShift());
}

access::TPaneAccess& TEditor::Access() {
  if (!access_) access_ = std::make_unique<access::TPaneAccess>(hwnd_, *this);
  return *access_;
}

void TEditor::NotifyAccessClients(const std::string& text, const char16_t* activity) {
  if (hwnd_) Access().Notify(text, activity);
}

void TEditor::TextChanged(TEditorScreenStrings& list) {
  TEditorCore::TextChanged(list);
  if (access_) access_->TextChanged(list.LastUpdate());
}

void TEditor::RowListShared() {
  if (access_) access_->RowListSwapped();
}

void TEditor::DoCaretMoved() {
  TEditorCore::DoCaretMoved();
  if (access_) access_->SelectionMoved();
}

void TEditor::DoSelectionChange(int state) {
  TEditorCore::DoSelectionChange(state);
  if (access_) access_->SelectionMoved();
}

void TEditor::OnContextMenu(LPARAM lp) {
  POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  POINT client = screen;
  if (lp == -1) {  // from the keyboard: at the caret
    const TPoint c = CaretPos();
    client = {c.X, c.Y};
    screen = client;
    ClientToScreen(hwnd_, &screen);
  } else {
    ScreenToClient(hwnd_, &client);
  }
  if (OnContextPopup) {
    OnContextPopup(this, {client.x, client.y});
  } else if (popupMenu_) {
    TrackPopupMenu(popupMenu_, TPM_RIGHTBUTTON, screen.x, screen.y, 0, GetParent(hwnd_), nullptr);
  } else {
    PopupOwnMenu(screen.x, screen.y);
  }
}

void TEditor::OnSetCursor() { ::SetCursor(TScreenCursors::Instance().Get(cursor_)); }

HFONT TEditor::FontHandle(TFontStyles style) {
  if (!(fontsMadeFor_ == Font())) {
    for (auto& f : fonts_) f.Reset();
    fontsMadeFor_ = Font();
  }
  const size_t key = style & (fsBold | fsItalic | fsStrikeOut);
  if (!fonts_[key]) {
    const TEditorFont& f = Font();
    const TFontStyles all = TFontStyles(f.Style | style);
    LOGFONTA lf{};
    lf.lfHeight = -f.Height;
    lf.lfWeight = (all & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (all & fsItalic) ? TRUE : FALSE;
    lf.lfStrikeOut = (all & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(lf.lfFaceName, f.Name.c_str(), LF_FACESIZE);
    fonts_[key].Reset(CreateFontIndirectA(&lf));
    if (!fonts_[key]) win::RaiseLastOSError();
  }
  return fonts_[key].Get();
}

bool TEditor::BarShown(TScrollBarKind kind) const {
  const TScrollStyle s = ScrollBars();
  if (s == TScrollStyle::ssBoth) return true;
  return kind == TScrollBarKind::Vertical ? s == TScrollStyle::ssVertical
                                          : s == TScrollStyle::ssHorizontal;
}

void TEditor::SetBorderStyle(TBorderStyle b) {
  if (b == BorderStyle()) return;
  TEditorCore::SetBorderStyle(b);
  if (!hwnd_) return;
  LONG_PTR ex = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
  ex = b == TBorderStyle::bsSingle ? (ex | WS_EX_CLIENTEDGE) : (ex & ~LONG_PTR(WS_EX_CLIENTEDGE));
  SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, ex);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TEditor::SetImageDigits(HIMAGELIST list) {
  imageDigits_ = list;
  if (Imagebar().Visible()) Repaint();
}

void TEditor::SetImageMarks(HIMAGELIST list) {
  imageMarks_ = list;
  if (Imagebar().Visible()) Repaint();
}

// ---- IEditorHost ----

TRect TEditor::ClientRect() const {
  RECT r{};
  if (hwnd_) GetClientRect(hwnd_, &r);
  return {r.left, r.top, r.right, r.bottom};
}

TFontMetrics TEditor::FontMetrics() const {
  TFontMetrics m;
  if (!hwnd_) return m;
  win::WindowDc dc(hwnd_);
  win::SelectedObject font(dc.Get(), const_cast<TEditor*>(this)->FontHandle(0));
  TEXTMETRICA tm{};
  if (GetTextMetricsA(dc.Get(), &tm)) {
    m.Height = tm.tmHeight;
    m.ExternalLeading = tm.tmExternalLeading;
    m.AveCharWidth = tm.tmAveCharWidth;
  }
  return m;
}

void TEditor::Invalidate(const TRect& r) {
  if (!hwnd_ || r.Empty()) return;
  const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  InvalidateRect(hwnd_, &rc, FALSE);
}

void TEditor::Update() {
  if (hwnd_ && !redrawOff_) UpdateWindow(hwnd_);
}

void TEditor::ScrollArea(const TRect& area, int dx, int dy) {
  if (!hwnd_) return;
  const RECT rc{area.Left, area.Top, area.Right, area.Bottom};
  ScrollWindowEx(hwnd_, dx, dy, &rc, &rc, nullptr, nullptr, SW_INVALIDATE);
}

void TEditor::SetRedraw(bool on) {
  // Redrawing off clears the visible style, so the way back is known by the flag.
  if (!hwnd_ || (on ? !redrawOff_ : !IsWindowVisible(hwnd_))) return;
  redrawOff_ = !on;
  SendMessageA(hwnd_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) InvalidateRect(hwnd_, nullptr, FALSE);
}

void TEditor::ShowScrollBar(TScrollBarKind kind, bool visible) {
  if (hwnd_) ::ShowScrollBar(hwnd_, kind == TScrollBarKind::Vertical ? SB_VERT : SB_HORZ, visible);
}

void TEditor::SetScrollBar(TScrollBarKind kind, int max, int page, int pos) {
  // Setting the range of a bar the window does not show would show it.
  if (!hwnd_ || !BarShown(kind)) return;
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, max,
                static_cast<UINT>(page), pos, 0};
  SetScrollInfo(hwnd_, kind == TScrollBarKind::Vertical ? SB_VERT : SB_HORZ, &si, TRUE);
}

void TEditor::SetCaretShape(int width, int height) {
  if (!hwnd_ || GetFocus() != hwnd_) return;
  // A bar narrower than a character is a design width, grown with the DPI; every caret
  // is at least as wide as the system's, which low-vision users raise. A block (a
  // character or more) keeps its width unless the system's is wider.
  if (width < CharWidth()) width = ui::Scale(width, ui::WindowDpi(hwnd_));
  DWORD systemWidth = 1;
  if (SystemParametersInfoA(SPI_GETCARETWIDTH, 0, &systemWidth, 0)) width = std::max(width, static_cast<int>(systemWidth));
  if (caretCreated_ && width == caretWidth_ && height == caretHeight_) return;
  if (caretCreated_) DestroyCaret();
  caretCreated_ = ::CreateCaret(hwnd_, nullptr, width, height) != FALSE;
  caretVisible_ = false;
  caretWidth_ = width;
  caretHeight_ = height;
}

void TEditor::SetCaretPos(int x, int y) {
  if (caretCreated_) ::SetCaretPos(x, y);
}

void TEditor::ShowCaret(bool visible) {
  if (!caretCreated_ || visible == caretVisible_) return;
  caretVisible_ = visible;
  if (visible)
    ::ShowCaret(hwnd_);
  else
    ::HideCaret(hwnd_);
}

void TEditor::MoveImeWindow(int x, int y) {
  if (!hwnd_) return;
  HIMC imc = ImmGetContext(hwnd_);
  if (!imc) return;
  COMPOSITIONFORM form{};
  form.dwStyle = CFS_POINT;
  form.ptCurrentPos = {x, y};
  ImmSetCompositionWindow(imc, &form);
  // In the editor's font, so that the composed characters stand where they will go.
  LOGFONTA lf{};
  if (GetObjectA(FontHandle(0), sizeof lf, &lf)) ImmSetCompositionFontA(imc, &lf);
  ImmReleaseContext(hwnd_, imc);
}

void TEditor::SetCursor(int cursor) {
  cursor_ = cursor;
  if (!hwnd_) return;
  POINT p;
  GetCursorPos(&p);
  if (WindowFromPoint(p) == hwnd_) OnSetCursor();
}

void TEditor::SetMouseCapture(bool on) {
  if (!hwnd_) return;
  if (on)
    SetCapture(hwnd_);
  else if (GetCapture() == hwnd_)
    ReleaseCapture();
}

}  // namespace glean
