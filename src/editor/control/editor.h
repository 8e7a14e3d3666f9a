// TEditor: the editor core in a window of the class "TEditor" (a stable name screen
// readers can be told about). The window translates messages into core calls and
// supplies the core's canvas, caret, scroll bars, cursors and invalidation.
//
// Usage: construct, set options, then CreateWnd(parent, ...). The object owns its window
// and destroys it; the window never outlives it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <string>

#include "editor/control/access/pane_access.h"
#include "editor/control/core/editor_core.h"
#include "win/gdi.h"
#include "editor/control/popup_menu.h"

namespace glean {

// Registers what every editor shares before the first one's options are made.
class TEditorRegistration {
 protected:
  TEditorRegistration();
};

class TEditor : private TEditorRegistration, private IEditorHost, public TEditorCore {
 public:
  static constexpr char kClassName[] = "TEditor";

  TEditor();
  ~TEditor() override;

  // Creates the window as a child of `parent` (185 x 89 unless told otherwise).
  void CreateWnd(HWND parent, int x = 0, int y = 0, int width = 185, int height = 89, int id = 0);
  HWND Handle() const { return hwnd_; }

  // Images of the image bar; null (the default) uses the built-in pictures. The lists
  // are not owned: clear the property before destroying a list.
  void SetImageDigits(HIMAGELIST list);
  void SetImageMarks(HIMAGELIST list);
  HIMAGELIST ImageDigits() const { return imageDigits_; }
  HIMAGELIST ImageMarks() const { return imageMarks_; }

  // Changes the window's frame in place: the text, caret and scroll state stay.
  void SetBorderStyle(TBorderStyle b) override;

  // The font the window draws with in a style (created on first use).
  HFONT FontHandle(TFontStyles style = 0);
  // The clipboard format that marks text copied from a box selection.
  static UINT BoxClipboardFormat();
  // The cursor the core chose last.
  int CurrentCursor() const { return cursor_; }

  // The context menu (right click, Shift+F10, the menu key). With a handler assigned,
  // the handler alone decides what pops up: it gets the client point (the caret's
  // place when the keyboard asked). Else with a menu set by SetPopupMenu, that menu pops
  // up and its commands (and WM_INITMENUPOPUP) go to the parent window. Else the
  // control's own TEditorPopupMenu pops up, whose shortcuts work only then.
  std::function<void(TObject* sender, TPoint clientPos)> OnContextPopup;
  void SetPopupMenu(HMENU menu) { popupMenu_ = menu; }  // not owned; null: the own menu
  HMENU PopupMenu() const { return popupMenu_; }
  // True while the control's own menu is the one that pops up.
  bool OwnPopupMenuActive() const { return !OnContextPopup && !popupMenu_; }
  TEditorPopupMenu& OwnPopupMenu() { return *ownMenu_; }

  // The pane for accessibility clients (UI Automation and MSAA), made on first use;
  // only while the window exists.
  access::TPaneAccess& Access();
  // A report of what the program did, raised as a UI Automation notification while a
  // client listens (Shift-JIS text).
  void NotifyAccessClients(const std::string& text, const char16_t* activity = u"Glean.Announce");

  void TextChanged(TEditorScreenStrings& list) override;

 protected:
  // One message; the window procedure runs it under the error report.
  virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
  // The own menu's shortcuts, while it is the one in use.
  bool ShortcutKey(uint16_t key, TShiftState shift) override;
  void DoCaretMoved() override;
  void DoSelectionChange(int state) override;
  void RowListShared() override;

 private:
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static void RegisterClassOnce();
  // The edit-control messages; false for any other message.
  bool EditMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& reply);
  void OnPaint();
  void OnScroll(int bar, WPARAM wp);
  void OnSetCursor();
  void OnContextMenu(LPARAM lp);
  void PopupOwnMenu(int x, int y);
  void OnImeComposition(WPARAM wp, LPARAM lp);
  // WM_UNICHAR: one code point typed as its code page 932 bytes, or not at all.
  void OnUniChar(WPARAM wp);
  static TShiftState KeyShift();
  bool BarShown(TScrollBarKind kind) const;

  // IEditorHost
  bool HasWindow() const override { return hwnd_ != nullptr; }
  bool Focused() const override { return hwnd_ && GetFocus() == hwnd_; }
  TRect ClientRect() const override;
  TFontMetrics FontMetrics() const override;
  void Invalidate(const TRect& r) override;
  void Update() override;
  void ScrollArea(const TRect& area, int dx, int dy) override;
  void SetRedraw(bool on) override;
  void ShowScrollBar(TScrollBarKind kind, bool visible) override;
  void SetScrollBar(TScrollBarKind kind, int max, int page, int pos) override;
  void SetCaretShape(int width, int height) override;
  void SetCaretPos(int x, int y) override;
  void ShowCaret(bool visible) override;
  void MoveImeWindow(int x, int y) override;
  void SetCursor(int cursor) override;
  bool LeftButtonDown() const override { return GetKeyState(VK_LBUTTON) < 0; }
  bool CtrlDown() const override { return GetKeyState(VK_CONTROL) < 0; }
  void SetMouseCapture(bool on) override;
  bool ClipboardHasText() const override;
  bool GetClipboardText(std::string& text, bool& box) override;
  void SetClipboardText(const std::string& text, bool box) override;
  int TakeTrailByte() override;

  HWND hwnd_ = nullptr;
  HIMAGELIST imageDigits_ = nullptr, imageMarks_ = nullptr;
  // Fonts by style (bold, italic, strike-out), for the font they were made from.
  std::array<win::UniqueFont, 16> fonts_;
  TEditorFont fontsMadeFor_;
  int cursor_ = crIBeam;
  bool caretCreated_ = false, caretVisible_ = false;
  int caretWidth_ = 0, caretHeight_ = 0;
  bool redrawOff_ = false;
  HMENU popupMenu_ = nullptr;
  std::unique_ptr<TEditorPopupMenu> ownMenu_;
  std::unique_ptr<access::TPaneAccess> access_;
};

}  // namespace glean
