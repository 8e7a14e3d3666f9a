// Construction, the option-changed handler, the editor-level properties and what the
// row list tells the control.
#include "editor/control/core/editor_core.h"

#include "editor/control/core/editor_screen.h"
#include "editor/model/undo.h"

namespace glean {

TEditorCore::TEditorCore(IEditorHost& host) : host_(host) {
  delimiters_ = InitialDelimiters();
  caret_ = CreateCaret();
  margin_ = CreateMargin();
  marks_ = CreateMarks();
  view_ = CreateViewInfo();
  ruler_ = CreateRuler();
  leftbar_ = CreateLeftbar();
  imagebar_ = CreateImagebar();
  speed_ = CreateSpeed();
  for (TNotifyPersistent* option : std::initializer_list<TNotifyPersistent*>{
           caret_.get(), margin_.get(), marks_.get(), view_.get(), ruler_.get(),
           leftbar_.get(), imagebar_.get()})
    option->OnChange = [this](TObject* sender) { ViewChanged(sender); };
  screen_ = CreateEditorScreen();
  list_ = CreateScreenStrings();
  list_->AttachEditor(this);
  lines_ = CreateEditorStrings();
}

TEditorCore::~TEditorCore() {
  destroying_ = true;
  if (fountain_) fountain_->NotifyEventList().Remove(this);
  list_->DetachEditor(this);  // the last editor takes the list with it
}

std::unique_ptr<TEditorCaret> TEditorCore::CreateCaret() { return std::make_unique<TEditorCaret>(); }
std::unique_ptr<TEditorImagebar> TEditorCore::CreateImagebar() {
  return std::make_unique<TEditorImagebar>();
}
std::unique_ptr<TEditorLeftbar> TEditorCore::CreateLeftbar() {
  return std::make_unique<TEditorLeftbar>();
}
std::unique_ptr<TEditorMarks> TEditorCore::CreateMarks() { return std::make_unique<TEditorMarks>(); }
std::unique_ptr<TEditorMargin> TEditorCore::CreateMargin() {
  return std::make_unique<TEditorMargin>();
}
std::unique_ptr<TEditorRuler> TEditorCore::CreateRuler() { return std::make_unique<TEditorRuler>(); }
std::unique_ptr<TEditorSpeed> TEditorCore::CreateSpeed() { return std::make_unique<TEditorSpeed>(); }
std::unique_ptr<TEditorScreen> TEditorCore::CreateEditorScreen() {
  return std::make_unique<TEditorScreen>(*this);
}
TEditorScreenStrings* TEditorCore::CreateScreenStrings() { return new TEditorScreenStrings; }
std::unique_ptr<TEditorStrings> TEditorCore::CreateEditorStrings() {
  return std::make_unique<TEditorStrings>(*this);
}
std::unique_ptr<TEditorViewInfo> TEditorCore::CreateViewInfo() {
  return std::make_unique<TEditorViewInfo>();
}

void TEditorCore::ViewChanged(TObject* sender) {
  if (sender == marks_.get()) margin_->SetUnderlineGap(marks_->Underline().Visible() ? 1 : 0);
  if (sender == view_.get() || (fountain_ && sender == fountain_)) list_->ReparseAll();
  if (!host_.HasWindow()) return;
  UpdateMetrics();
  UpdateScrollBars();
  // The ruler, bars and corner are drawn from the options at paint time; nothing to
  // rebuild beforehand.
  Repaint();
  if (sender != caret_.get()) ScrollCaret();
  UpdateCaret();
}

void TEditorCore::SetColor(TColor c) {
  if (c == color_) return;
  color_ = c;
  if (host_.HasWindow()) Repaint();
}

void TEditorCore::SetFont(const TEditorFont& f) {
  if (f == font_) return;
  font_ = f;
  if (!host_.HasWindow()) return;
  if (topCol_ > 0) SetCol(0);
  UpdateMetrics();
  UpdateScrollBars();
  Repaint();
  UpdateCaret();
}

void TEditorCore::SetBorderStyle(TBorderStyle b) { borderStyle_ = b; }

void TEditorCore::SetFountain(TFountain* f) {
  if (f == fountain_) return;
  if (fountain_) fountain_->NotifyEventList().Remove(this);
  fountain_ = f;
  if (fountain_)
    fountain_->NotifyEventList().Add(this, [this](TObject*) { ViewChanged(fountain_); });
  list_->ReparseAll();
  if (host_.HasWindow()) {
    UpdateMetrics();  // the full-repaint flag follows the scheme's italics
    Repaint();
  }
}

void TEditorCore::FountainDestroyed(TFountain* f) {
  if (f != fountain_) return;
  fountain_ = nullptr;  // its notify list dies with it
  list_->ReparseAll();
  if (host_.HasWindow()) Repaint();
}

void TEditorCore::SetHitStyle(TEditorHitStyle s) {
  if (s == hitStyle_) return;
  CleanSelection();
  hitStyle_ = s;
}

void TEditorCore::SetReadOnly(bool on) {
  if (dragState_ == TDragState::Dragging) return;
  readOnly_ = on;
}

void TEditorCore::SetScrollBars(TScrollStyle s) {
  if (s == scrollBars_) return;
  scrollBars_ = s;
  if (!host_.HasWindow()) return;
  host_.ShowScrollBar(TScrollBarKind::Horizontal,
                      s == TScrollStyle::ssHorizontal || s == TScrollStyle::ssBoth);
  host_.ShowScrollBar(TScrollBarKind::Vertical,
                      s == TScrollStyle::ssVertical || s == TScrollStyle::ssBoth);
  Resized();
}

int TEditorCore::UndoListMax() const { return list_->UndoObj().UndoListMax(); }
void TEditorCore::SetUndoListMax(int v) { list_->UndoObj().SetUndoListMax(v); }

void TEditorCore::SetReserveWordList(const TStrings& words) {
  view_->Fountain().SetReserveWordList(words);
  list_->ReparseAll();
  if (host_.HasWindow()) Repaint();
}

void TEditorCore::EndLoading() {
  loading_ = false;
  if (list_->WordWrap()) list_->Rewrap();
  list_->ReparseAll();
  modified_ = false;
}

void TEditorCore::ShareRowList(TEditorCore& other) {
  if (other.list_ == list_) return;
  CleanSelection();
  TEditorScreenStrings* old = list_;
  list_ = other.list_;
  list_->AttachEditor(this);
  old->DetachEditor(this);  // deletes it when nobody else shows it
  row_ = col_ = topRow_ = topCol_ = 0;
  RowListShared();
  if (!host_.HasWindow()) return;
  UpdateMetrics();
  UpdateScrollBars();
  Repaint();
  UpdateCaret();
}

void TEditorCore::TextChanged(TEditorScreenStrings& list) {
  const TLastUpdate update = list.LastUpdate();
  if (host_.HasWindow() && bulkChange_ == 0) {
    screen_->Update(update);
    UpdateScrollBars();
  }
  if (update.Valid) {
    modified_ = true;
    if (OnChange) OnChange(this);
  }
}

void TEditorCore::SetCaretByOffset(int row, int offset) {
  SetCaretFromOffset(RowOffset(row) + offset);
}

void TEditorCore::DoCaretMoved() {
  if (OnCaretMoved) OnCaretMoved(this);
}

void TEditorCore::DoSelectionChange(int state) {
  if (OnSelectionChange) OnSelectionChange(this, state);
}

}  // namespace glean
