// The editor control without its window: option objects, geometry, caret, selection,
// scrolling, offsets and painting through a canvas. The Windows host (TEditor) derives
// from it and supplies the window through IEditorHost; tests use a fake host.
//
// Positions are screen rows of the row list and display columns (tabs expanded, a
// double-byte character two columns wide, no row past 1000 columns). Offsets exchanged
// with the outside are byte offsets, CR LF counting 2 after a LineBreak row and nothing
// between wrapped rows.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/control/core/bar_options.h"
#include "editor/control/core/canvas.h"
#include "editor/control/core/caret_options.h"
#include "editor/control/core/editor_host.h"
#include "editor/control/core/input.h"
#include "editor/control/core/margin_marks.h"
#include "editor/control/core/view_info.h"
#include "editor/model/attached_editor.h"
#include "editor/model/editor_strings.h"
#include "editor/model/lines_owner.h"
#include "editor/model/screen_strings.h"

namespace glean {

class TEditorScreen;
struct TDrawnRow;

enum class TBorderStyle { bsNone, bsSingle };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TEditorHitStyle { hsSelect, hsDraw, hsCaret };
enum class TEditorSelectionMode { smNormal, smBox };
// The numbers are the ones OnSelectionChange and OnDrawLine carry.
enum class TEditorSelectionState { None = 0, Started = 1, Selected = 2, Hit = 3 };
// Scroll requests, numbered as the window system's scroll-bar codes.
enum class TScrollCode { LineUp = 0, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack,
                         Top, Bottom, EndScroll };
enum class TDragState { Idle, Pending, Dragging };

struct TEditorFont {
  std::string Name = "FixedSys";
  int Height = 16;  // pixels, as the host creates the font
  TColor Color = clBlack;
  TFontStyles Style = 0;
  bool operator==(const TEditorFont&) const = default;
};

// The screen range of a shown selection: rows inclusive, start column inclusive, end
// column exclusive.
struct TSelectionRange {
  int StartRow = 0, EndRow = -1, StartCol = 0, EndCol = 0;
  bool operator==(const TSelectionRange&) const = default;
};

// The token under a point or at the caret.
struct TTokenInfo {
  std::string Text;
  TokenKind Kind = TokenKind::End;
  int Row = -1;        // row where the token begins
  int ByteOffset = 0;  // of the token's start in that row
};

using TDrawLineEvent = std::function<void(TObject* sender, const std::string& lineStr, int x,
                                          int y, int index, const TRect& rect, int selected)>;
using TSelectionEvent = std::function<void(TObject* sender, int selected)>;

class TEditorCore : public TObject, public IAttachedEditor, public ILinesOwner {
 public:
  static constexpr int kMaxColumns = 1000;

  explicit TEditorCore(IEditorHost& host);
  ~TEditorCore() override;
  TEditorCore(const TEditorCore&) = delete;
  TEditorCore& operator=(const TEditorCore&) = delete;

  // ---- options (read as the owned object, written by Assign) ----
  TEditorCaret& Caret() { return *caret_; }
  TEditorMargin& Margin() { return *margin_; }
  TEditorMarks& Marks() { return *marks_; }
  TEditorViewInfo& View() { return *view_; }
  TEditorRuler& Ruler() { return *ruler_; }
  TEditorLeftbar& Leftbar() { return *leftbar_; }
  TEditorImagebar& Imagebar() { return *imagebar_; }
  TEditorSpeed& Speed() { return *speed_; }
  const TEditorCaret& Caret() const { return *caret_; }
  const TEditorMargin& Margin() const { return *margin_; }
  const TEditorMarks& Marks() const { return *marks_; }

  TColor Color() const { return color_; }
  void SetColor(TColor c);
  const TEditorFont& Font() const { return font_; }
  void SetFont(const TEditorFont& f);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  virtual void SetBorderStyle(TBorderStyle b);
  TFountain* Fountain() const { return fountain_; }
  // An outside colouring scheme instead of the view's own; null returns to the view's.
  void SetFountain(TFountain* f);
  // The outside scheme is being destroyed: forget it.
  void FountainDestroyed(TFountain* f);
  TEditorHitStyle HitStyle() const { return hitStyle_; }
  void SetHitStyle(TEditorHitStyle s);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle s);
  int UndoListMax() const;
  void SetUndoListMax(int v);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool on) { wantReturns_ = on; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool on) { wantTabs_ = on; }
  bool WordWrap() const { return list_->WordWrap(); }
  void SetWordWrap(bool on) { list_->SetWordWrap(on); }
  TEditorWrapOption& WrapOption() { return list_->WrapOption(); }
  TDelimiters& DelimiterSet() { return delimiters_; }
  void SetReserveWordList(const TStrings& words);
  bool Modified() const { return modified_; }
  void SetModified(bool on) { modified_ = on; }

  TEditorStrings& Lines() { return *lines_; }
  void SetLines(const TStrings& s) { lines_->Assign(s); }
  TEditorScreenStrings& ListRows() override { return *list_; }
  // Shows the row list of `other`; both then show the same text.
  void ShareRowList(TEditorCore& other);
  // Property loading: wrap changes are only stored meanwhile; the end re-wraps,
  // re-colours and clears the modified flag.
  void BeginLoading() { loading_ = true; }
  void EndLoading();

  // ---- events ----
  TNotifyEvent OnCaretMoved;
  TNotifyEvent OnChange;
  TDrawLineEvent OnDrawLine;
  TSelectionEvent OnSelectionChange;
  TNotifyEvent OnSelectionModeChange;
  TNotifyEvent OnTopColChange;
  TNotifyEvent OnTopRowChange;
  // Host events: the keys reach these first; a handler that sets the key
  // (or the character) to 0 swallows it.
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;  // the control received the keyboard focus
  TNotifyEvent OnExit;   // the control lost it
  TNotifyEvent OnDblClick;
  TMouseMoveEvent OnMouseMove;  // after the control's own handling of the move

  // ---- geometry (Part of the painting; valid once the window exists) ----
  int FontHeight() const { return fontHeight_; }
  int CharWidth() const { return charWidth_; }
  int RowHeight() const override { return rowHeight_; }
  int RulerHeight() const { return rulerHeight_; }
  int TopOffset() const { return topOffset_; }
  int ImagebarWidth() const { return imagebar_->Width(); }
  int LeftbarDigits() const { return leftbarDigits_; }
  int LeftbarWidth() const { return leftbarWidth_; }
  int LeftOffset() const { return leftOffset_; }
  int VisibleRows() const { return visibleRows_; }
  int VisibleCols() const { return visibleCols_; }
  int HorzOffset() const { return topCol_ * charWidth_; }
  bool FullRepaint() const { return fullRepaint_; }
  // Recomputes every metric from the font, the options and the client size.
  void UpdateMetrics() override;
  void UpdateScrollBars() override;
  // The window was resized (or created).
  void Resized();

  // ---- caret and view ----
  int Row() const override { return row_; }
  void SetRow(int row) override;
  int Col() const override { return col_; }
  void SetCol(int col) override;
  int TopRow() const override { return topRow_; }
  void SetTopRow(int row) override;
  int TopCol() const { return topCol_; }
  void SetTopCol(int col);
  void SetRowCol(int row, int col);
  void ScrollCaret();
  void HideCaret() override;
  void ShowCaret() override;
  // Rebuilds the shape, scrolls the caret into view, places and shows it.
  void UpdateCaret();
  TPoint CaretPos() const;
  void FocusChanged(bool focused);
  // While a key repeats, the input method's window waits for the key's release.
  void SetKeyRepeat(bool on) { keyRepeat_ = on; }
  bool KeyRepeat() const { return keyRepeat_; }
  void KeyReleased();

  void VScroll(TScrollCode code, int trackPos);
  void HScroll(TScrollCode code, int pos);

  // ---- selection ----
  TEditorSelectionState SelectionState() const { return selState_; }
  bool Selected() const {
    return selState_ == TEditorSelectionState::Selected || selState_ == TEditorSelectionState::Hit;
  }
  TEditorSelectionMode SelectionMode() const { return selMode_; }
  void SetSelectionMode(TEditorSelectionMode m);
  void StartSelection();
  void ExtendSelection();
  void CleanSelection() override;
  const TSelectionRange& SelectionRange() const { return screenRange_; }
  int SelStartRow() const { return selStartRow_; }
  int SelEndRow() const { return selEndRow_; }
  int SelStartByte() const { return selStartByte_; }
  int SelEndByte() const { return selEndByte_; }  // inclusive

  int SelStart() const;
  void SetSelStart(int offset);
  int SelLength() const;
  void SetSelLength(int length);
  std::string SelText() const;
  void SelectAll();
  int GetTextLen() const;
  // Shows a search hit of `length` bytes at `offset` in the HitStyle's way.
  void ShowHit(int offset, int length);

  // ---- offsets and columns ----
  // Offset of the first byte of `row` (rows past the end count the whole text).
  int RowOffset(int row) const;
  // The caret's byte offset in its row (at most the row length).
  int CaretByte() const { return ColToByte(row_, col_); }
  int ColToByte(int row, int col) const;
  int ByteToCol(int row, int byte) const;
  int RowWidth(int row) const;
  std::string ColumnClasses(int row) const;
  // Puts the caret at a text offset (the walk of SelStart).
  void SetCaretFromOffset(int offset);

  // ---- editing; every one is one UpdateRows, one undo step ----
  // Replaces the selection, or inserts at the caret, with a text that may hold CR LF.
  void InsertText(const std::string& text);
  // The same for typed text of one line.
  void TypeText(const std::string& text) { InsertText(text); }
  void ClearSelection();
  // Puts the lines of `text` in as a block, one below the other from the caret's (or
  // the selection's) column.
  void BoxPaste(const std::string& text);
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  bool CanUndo() const;
  bool CanRedo() const;
  void Undo();
  void Redo();

  // ---- keyboard and input method ----
  // A key-down: OnKeyDown first, then the key table. `repeat`: the key was already down.
  void KeyDown(uint16_t key, TShiftState shift, bool repeat = false);
  void KeyUp(uint16_t key, TShiftState shift);
  // A character message: OnKeyPress first, then Backspace, Tab, Return and printable
  // characters; a double-byte lead byte takes its trail byte from the host.
  // A lead byte whose trail byte is not in the queue waits for the next character.
  void KeyPress(char c, TShiftState shift);
  // One whole character of one or two bytes (WM_IME_CHAR, WM_UNICHAR converted).
  void CharPress(const std::string& ch, TShiftState shift);
  // The lead byte waiting for its trail byte; 0 when none.
  char PendingLeadByte() const { return pendingLead_; }
  // The input method's result string: typed at once; the character bytes that follow
  // it through KeyPress are then dropped.
  void ImeResult(const std::string& text);
  // The candidate window opens (the caret hides) or closes.
  void ImeCandidateWindow(bool open);
  int ImeSkipCount() const { return imeSkip_; }
  // The keys of the table, without the host event.
  void DeleteKey();
  void BackSpaceKey();
  void ReturnKey(bool shift);
  void TabKey();
  void TokenLeft();
  void TokenRight();
  void PageMove(int rows);
  // The double click of the host (ignored while the mouse is busy).
  void DblClick();

  // ---- mouse ----
  void MouseDown(TPoint p, bool shift, bool ctrl);
  void MouseMove(TPoint p, bool leftDown, bool ctrl);
  void MouseUp(TPoint p, bool ctrl);
  void CancelDrag();
  void CtrlChanged(bool ctrl);
  TDragState DragState() const { return dragState_; }
  bool MouseBusy() const { return leftPressed_ || dragState_ != TDragState::Idle; }
  // Row and column of a client point: the nearest cell boundary for the caret, the cell
  // under the point for hit tests.
  void PosToRowCol(TPoint p, bool forCaret, int& row, int& col) const;
  bool PointInSelection(int row, int col) const;

  // ---- tokens and marks ----
  bool TokenAtPos(TPoint p, TTokenInfo& token);
  std::string TokenAtPos(TPoint p);
  std::string TokenAtCaret();
  // Where the row's words begin (the stops of Ctrl+Right), as bytes of the row.
  std::vector<int> TokenStartBytes(int row);
  void SelectTokenAtPos(TPoint p);
  void PutRowMark(int row, int mark);
  void DeleteRowMark(int row, int mark);
  void GotoRowMark(int mark);

  // ---- painting ----
  void Paint(ICanvas& canvas, const TRect& clip);
  // The canvas of the paint under way (for OnDrawLine handlers); null otherwise.
  ICanvas* PaintCanvas() const { return paintCanvas_; }
  void InvalidateRow(int row) override;
  void InvalidateRows(int first, int last);
  void InvalidateLeftbar(int first, int last);
  void Repaint() override;
  TFountain* ActiveFountain() override { return fountain_ ? fountain_ : &view_->Fountain(); }

  // ---- what the row list calls ----
  void TextChanged(TEditorScreenStrings& list) override;
  bool Loading() const override { return loading_; }
  bool Destroying() const override { return destroying_; }
  bool Focused() const override { return host_.Focused(); }
  int ScreenHeight() const override { return host_.ClientRect().Height(); }
  bool InitBracketsFull() const override { return speed_->InitBracketsFull(); }
  int TabSpaceCount() const override { return caret_->TabSpaceCount(); }
  const TDelimiters& Delimiters() const override { return delimiters_; }

  // ---- what the Lines facade calls ----
  void SetCaretByOffset(int row, int offset) override;
  void SetCaretRowCol(int row, int col) override { SetRowCol(row, col); }
  void CancelSelection() override { CleanSelection(); }
  void SetRedraw(bool on) override { host_.SetRedraw(on); }
  void BeginBulkChange() override { ++bulkChange_; }
  void EndBulkChange() override {
    if (bulkChange_ > 0) --bulkChange_;
  }

  IEditorHost& Host() { return host_; }

 protected:
  // Factories of the owned objects, so that a descendant can substitute its own.
  virtual std::unique_ptr<TEditorCaret> CreateCaret();
  virtual std::unique_ptr<TEditorImagebar> CreateImagebar();
  virtual std::unique_ptr<TEditorLeftbar> CreateLeftbar();
  virtual std::unique_ptr<TEditorMarks> CreateMarks();
  virtual std::unique_ptr<TEditorMargin> CreateMargin();
  virtual std::unique_ptr<TEditorRuler> CreateRuler();
  virtual std::unique_ptr<TEditorSpeed> CreateSpeed();
  virtual std::unique_ptr<TEditorScreen> CreateEditorScreen();
  virtual TEditorScreenStrings* CreateScreenStrings();
  virtual std::unique_ptr<TEditorStrings> CreateEditorStrings();
  virtual std::unique_ptr<TEditorViewInfo> CreateViewInfo();
  virtual TDelimiters InitialDelimiters() const { return DefaultDelimiters(); }

  // The option-changed handler.
  virtual void ViewChanged(TObject* sender);
  // Drops of a dragged selection; the editing operations come with the keyboard and
  // message layer. The base removes the selection only.
  virtual void CopyDrop(int row, int col);
  virtual void MoveDrop(int row, int col);
  virtual bool CanDrag() const;
  // A key-down the host events let through, before the key table: true when it was a
  // shortcut of a menu and has been carried out.
  virtual bool ShortcutKey(uint16_t /*key*/, TShiftState /*shift*/) { return false; }

  virtual void DoCaretMoved();
  virtual void DoSelectionChange(int state);
  // ShareRowList put another row list in place: whatever maps the old one starts afresh.
  virtual void RowListShared() {}

  // The common frame of an edit: rows first..last (last may be the row count, the row
  // past the last) are replaced by `text` in one UpdateRows, and the caret goes to the
  // text offset `caret` of the result.
  void ReplaceRowsText(int first, int last, const std::string& text, int caret);
  // The text of rows first..last, CR LF after each LineBreak row.
  std::string RowsText(int first, int last) const;
  // A column moved off a second half and (unless InTab) off tab fillers, leftwards.
  int NormalCol(int row, int col) const;
  // The byte where a box edge at `col` cuts the row (a double-byte character under the
  // edge counts as inside the box).
  int BoxByte(int row, int col, bool end) const;
  // Width of a row's leading white space in columns.
  int IndentWidth(int row) const;

 private:
  friend class TEditorScreen;
  struct TAnchor {
    int Row = 0, Byte = 0, Col = 0;
  };
  // column adjustment
  void AdjustCol(int direction, bool vertical);
  void Remember(int col, bool vertical);
  void PlaceCaret();
  bool CaretVisible() const;
  void ApplyCaretVisibility();
  // selection
  void ComputeRanges();
  void RepaintSelectionChange(const TSelectionRange& before, const TSelectionRange& after);
  bool PieceSpan(const TSelectionRange& r, int row, int& from, int& to) const;
  // scrolling
  void ScrollRows(int delta);
  void ScrollCols(int delta);
  int VScrollMax() const;
  // painting
  struct TPaintContext;
  void PaintCorner(ICanvas& c, const TRect& clip);
  void PaintRuler(ICanvas& c, const TRect& clip);
  void PaintBars(ICanvas& c, int row, const TRect& rect);
  void PaintRow(TPaintContext& pc, int row, const TRect& rect);
  void PaintPiece(TPaintContext& pc, int row, const TRect& rect, bool selected);
  void PaintEndMark(TPaintContext& pc, int row, const TDrawnRow& drawn, const TRect& rect,
                    bool selected);
  void PaintUnderline(ICanvas& c, const TRect& clip);
  TRect RowRect(int row) const;
  TRect UnderlineRect(int row) const;
  std::string LeftbarNumber(int row) const;
  int LeftbarMaxNumber() const;
  void UpdateLeftbarDigits();
  // mouse
  void ChooseCursor(TPoint p);
  void StartRowSelection(int row);
  void ExtendRowSelection(int row);
  void Drop(TPoint p, bool ctrl);
  // keys
  void MoveKey(uint16_t key, bool shift, bool ctrl);
  void KeyReleasedIme();
  void DoubleBytePress(char lead, char trail);

  IEditorHost& host_;
  std::unique_ptr<TEditorCaret> caret_;
  std::unique_ptr<TEditorMargin> margin_;
  std::unique_ptr<TEditorMarks> marks_;
  std::unique_ptr<TEditorViewInfo> view_;
  std::unique_ptr<TEditorRuler> ruler_;
  std::unique_ptr<TEditorLeftbar> leftbar_;
  std::unique_ptr<TEditorImagebar> imagebar_;
  std::unique_ptr<TEditorSpeed> speed_;
  std::unique_ptr<TEditorScreen> screen_;
  TEditorScreenStrings* list_ = nullptr;  // attached; deletes itself with its last editor
  std::unique_ptr<TEditorStrings> lines_;
  TDelimiters delimiters_;

  TColor color_ = clWhite;
  TEditorFont font_;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  TFountain* fountain_ = nullptr;
  TEditorHitStyle hitStyle_ = TEditorHitStyle::hsSelect;
  bool readOnly_ = false;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool wantReturns_ = true, wantTabs_ = true;
  bool modified_ = false, loading_ = false, destroying_ = false;
  int bulkChange_ = 0;

  // geometry
  int fontHeight_ = 16, charWidth_ = 8, rowHeight_ = 16, rulerHeight_ = 0, topOffset_ = 2;
  int leftbarDigits_ = 4, leftbarWidth_ = 0, leftOffset_ = 19;
  int visibleRows_ = 1, visibleCols_ = 1;
  bool fullRepaint_ = false;

  // caret and view
  int row_ = 0, col_ = 0, topRow_ = 0, topCol_ = 0;
  int remembered_ = 0;
  bool rememberValid_ = false;
  int hideCount_ = 0;
  bool keyRepeat_ = false;
  bool imePending_ = false;
  int imeSkip_ = 0;
  char pendingLead_ = 0;
  bool extending_ = false;  // a selection is being extended: no caret update per step
  bool caretShown_ = false;

  // selection
  TEditorSelectionState selState_ = TEditorSelectionState::None;
  TEditorSelectionMode selMode_ = TEditorSelectionMode::smNormal;
  TAnchor anchor_;
  int selStartRow_ = 0, selEndRow_ = -1, selStartByte_ = 0, selEndByte_ = -1;
  TSelectionRange screenRange_;
  bool settingHit_ = false;
  int hitLength_ = 0;

  // mouse
  TDragState dragState_ = TDragState::Idle;
  bool leftPressed_ = false;
  bool rowSelecting_ = false;
  int rowSelectAnchor_ = 0;
  TPoint pressPoint_;

  ICanvas* paintCanvas_ = nullptr;
};

}  // namespace glean
