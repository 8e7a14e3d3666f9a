#include "editor/model/screen_strings.h"

#include <algorithm>

#include "editor/model/line_split.h"
#include "editor/model/undo.h"
#include "editor/model/update_block.h"

namespace glean {

TEditorScreenStrings::TEditorScreenStrings() {
  OnChange = [this](TObject*) { NotifyEditors(); };
}

TEditorScreenStrings::~TEditorScreenStrings() {
  OnChange = nullptr;
  OnChanging = nullptr;
}

std::unique_ptr<TEditorUndoObj> TEditorScreenStrings::CreateUndoObj() {
  return std::make_unique<TEditorUndoObj>(*this);
}

std::unique_ptr<TEditorWrapOption> TEditorScreenStrings::CreateWrapOption() {
  auto option = std::make_unique<TEditorWrapOption>();
  option->OnChange = [this](TObject*) { WrapOptionChanged(); };
  return option;
}

TEditorUndoObj& TEditorScreenStrings::UndoObj() {
  if (!undo_) undo_ = CreateUndoObj();
  return *undo_;
}

TEditorWrapOption& TEditorScreenStrings::WrapOption() {
  if (!wrapOption_) wrapOption_ = CreateWrapOption();
  return *wrapOption_;
}

void TEditorScreenStrings::AttachEditor(IAttachedEditor* editor) {
  if (editor && std::find(editors_.begin(), editors_.end(), editor) == editors_.end())
    editors_.push_back(editor);
}

void TEditorScreenStrings::DetachEditor(IAttachedEditor* editor) {
  auto it = std::find(editors_.begin(), editors_.end(), editor);
  if (it == editors_.end()) return;
  editors_.erase(it);
  if (editors_.empty()) delete this;
}

IAttachedEditor* TEditorScreenStrings::ActiveEditor() const {
  for (IAttachedEditor* e : editors_)
    if (e->Focused()) return e;
  return FirstEditor();
}

void TEditorScreenStrings::NotifyEditors() {
  for (IAttachedEditor* e : editors_) e->TextChanged(*this);
}

const TDelimiters& TEditorScreenStrings::Delims() const {
  return FirstEditor() ? FirstEditor()->Delimiters() : DefaultDelimiters();
}

TColumnMetrics TEditorScreenStrings::Metrics() const {
  TColumnMetrics m;
  m.TabSpaceCount = FirstEditor() ? FirstEditor()->TabSpaceCount() : 8;
  m.WrapByte = wrapOption_ ? wrapOption_->WrapByte() : 80;
  m.WordWrap = wordWrap_;
  return m;
}

// ---------------------------------------------------------------------------------------

TLineText TEditorScreenStrings::GetLineText(int row, int count) const {
  TLineText result;
  if (row < 0 || row >= Count()) return result;
  int end = count < 0 ? LineEndRow(row) : std::min(row + count - 1, Count() - 1);
  if (end < row) return result;
  size_t size = 0;
  for (int r = row; r <= end; ++r) size += Ref(r).size() + 2;
  result.Text.reserve(size);
  for (int r = row; r <= end; ++r) {
    result.Text += Ref(r);
    if (RowAttribute(r) == TRowAttribute::LineBreak) result.Text += "\r\n";
  }
  result.LastAttribute = RowAttribute(end);
  result.RowsTaken = end - row + 1;
  return result;
}

int TEditorScreenStrings::LineStartRow(int row) const {
  if (row > Count()) return row;
  while (row > 0 && RowAttribute(row - 1) == TRowAttribute::Wrapped) --row;
  return row;
}

int TEditorScreenStrings::LineBreaksBefore(int row) const {
  int breaks = 0;
  for (int r = 0; r < row && r < Count(); ++r)
    if (RowAttribute(r) == TRowAttribute::LineBreak) ++breaks;
  return breaks;
}

int TEditorScreenStrings::LineEndRow(int row) const {
  if (row < 0) return row;
  while (row < Count() - 1 && RowAttribute(row) == TRowAttribute::Wrapped) ++row;
  return row;
}

void TEditorScreenStrings::SetLastUpdate(int row, int oldRowCount, int newRowCount,
                                         int reparsedRowCount) {
  lastUpdate_.Row = row;
  lastUpdate_.OldRowCount = oldRowCount;
  lastUpdate_.NewRowCount = newRowCount;
  lastUpdate_.ReparsedRowCount = reparsedRowCount;
  lastUpdate_.Valid = 1;
}

uint16_t TEditorScreenStrings::DeleteRows(int row, int count) {
  if (row < 0 || row >= Count() || count <= 0) return 0;
  count = std::min(count, Count() - row);
  uint16_t marks = 0;
  for (int r = row; r < row + count; ++r) marks |= RowMarks(r);
  InUpdate(*this, [&] { EraseRows(row, count); });
  return marks;
}

void TEditorScreenStrings::ReplaceRows(int row, int oldCount, TEditorStringList& newRows) {
  const int n = newRows.Count();
  std::vector<uint16_t> marks(static_cast<size_t>(n), 0);
  InUpdate(*this, [&] {
    if (n < oldCount) {
      uint16_t deleted = DeleteRows(row, oldCount - n);
      for (int i = 0; i < n; ++i) marks[size_t(i)] = RowMarks(row + i);
      if (n == 0)
        ExcludeMarks(deleted);
      else
        marks[0] |= deleted;
    } else if (n > oldCount) {
      const int extra = n - oldCount;
      std::vector<uint16_t> old(static_cast<size_t>(oldCount));
      for (int k = 0; k < oldCount; ++k) old[size_t(k)] = RowMarks(row + k);
      InsertRows(row + oldCount, extra);
      for (int k = 1; k < oldCount; ++k) marks[size_t(k + extra)] = old[size_t(k)];
      if (oldCount > 0) {
        // The marks of the edited row stay with the text that moved down, unless the
        // caret sat inside that row's text.
        IAttachedEditor* active = ActiveEditor();
        if (active && active->Col() != 0)
          marks[0] |= old[0];
        else
          marks[size_t(extra)] |= old[0];
      }
    } else {
      for (int i = 0; i < n; ++i) marks[size_t(i)] = RowMarks(row + i);
    }
    for (int i = 0; i < n; ++i) {
      TheStringItem item = newRows.TakeItem(i);
      item.Word2 = (item.Word2 & 0xFFFFu) | uint32_t(marks[size_t(i)]) << 16;
      if (row + i >= Count()) InsertRows(Count(), 1);
      SetItem(row + i, std::move(item));
    }
  });
}

void TEditorScreenStrings::UpdateRows(int row, int count, const std::string& text) {
  if (row < 0 || count < 0 || row + count - 1 > Count() - 1 || (count == 0 && text.empty()))
    return;
  if (count == 0 && row == Count() && row > 0 &&
      RowAttribute(row - 1) == TRowAttribute::EndOfText) {
    // Rows after an EndOfText row would hide where the text ends: text appended after
    // it joins the last line instead.
    UpdateRows(row - 1, 1, Ref(row - 1) + text);
    return;
  }
  InUpdate(*this, [&] {
    // Rewrapping starts at the start of the logical line, not one row above the edit:
    // the rows of every line then stay exactly what wrapping the whole line gives, which
    // undo relies on to put back the very rows it took away.
    const int first = LineStartRow(row);
    const int lastReplaced = row + count - 1;
    int last = LineEndRow(lastReplaced);

    if (row == first && last == lastReplaced && text.empty() && count > 0) {
      TLineText old = GetLineText(row, count);
      TUndoData& record = UndoObj().NewUndoRecord();
      record.Row = row;
      record.Text = std::move(old.Text);
      record.RowAttribute = old.LastAttribute;
      uint16_t marks = DeleteRows(row, count);
      if (Count() == 0)
        ExcludeMarks(marks);
      else
        SetRowMarks(std::min(row, Count() - 1), RowMarks(std::min(row, Count() - 1)) | marks);
      int reparsed = ReparseFrom(row, true);
      SetLastUpdate(row, old.RowsTaken, 0, reparsed);
      return;
    }

    TRowAttribute endAttribute;
    if (lastReplaced < last) {
      endAttribute = RowAttribute(last);
    } else if (last < Count() - 1) {
      // A text may not end inside the range without a line break: the next line joins.
      last = LineEndRow(last + 1);
      endAttribute = RowAttribute(last);
    } else {
      // A text ending in a lone CR ends with a line break too, as WrapText reads it.
      endAttribute = EndsWithLineBreak(text) ? TRowAttribute::LineBreak : TRowAttribute::EndOfText;
    }

    TLineText old = GetLineText(first, last - first + 1);
    TUndoData& record = UndoObj().NewUndoRecord();
    record.Row = first;
    record.Text = old.Text;
    record.RowAttribute = old.LastAttribute;

    std::string joined;
    auto append = [&](int from, int to) {
      for (int r = from; r <= to; ++r) {
        joined += Ref(r);
        if (RowAttribute(r) == TRowAttribute::LineBreak) joined += "\r\n";
      }
    };
    append(first, row - 1);
    joined += text;
    append(lastReplaced + 1, last);

    TEditorStringList rows;
    WrapText(joined, rows);
    // An empty EndOfText row after a line break stays a row of its own; making the row
    // before it EndOfText would drop that line break from the text.
    if (endAttribute == TRowAttribute::EndOfText && EndsWithLineBreak(joined)) rows.Add(std::string());
    rows.SetRowAttribute(rows.Count() - 1, endAttribute);
    const int newCount = rows.Count();
    record.RowCount = newCount;
    ReplaceRows(first, old.RowsTaken, rows);
    int reparsed = ReparseFrom(first, true);
    SetLastUpdate(first, old.RowsTaken, newCount, reparsed);
  });
}

// ---------------------------------------------------------------------------------------

void TEditorScreenStrings::Redo() { UndoObj().Redo(); }
void TEditorScreenStrings::Undo() { UndoObj().Undo(); }

void TEditorScreenStrings::Clear() {
  for (IAttachedEditor* e : editors_) e->CleanSelection();
  UndoObj().ClearUndo();
  SetLastUpdate(0, Count(), 0, 0);
  TEditorStringList::Clear();
  lastUpdate_ = TLastUpdate{};
  for (IAttachedEditor* e : editors_) {
    e->SetRow(0);
    e->SetCol(0);
  }
  usedMarks_ = 0;
}

void TEditorScreenStrings::AppendRows(std::vector<std::string>&& texts) {
  if (texts.empty()) return;
  InUpdate(*this, [&] {
    int start = Count();
    InsertRows(start, static_cast<int>(texts.size()));
    for (size_t i = 0; i < texts.size(); ++i) Item(start + int(i)).Text = std::move(texts[i]);
  });
}

void TEditorScreenStrings::ClampCarets() {
  int limit = Count();
  if (limit > 0 && RowAttribute(limit - 1) == TRowAttribute::EndOfText) --limit;
  for (IAttachedEditor* e : editors_) {
    if (e->Row() > limit) e->SetRow(limit);
    if (e->TopRow() > limit) e->SetTopRow(limit);
  }
}

void TEditorScreenStrings::SetUpdateState(bool updating) {
  TEditorStringList::SetUpdateState(updating);
  if (!updating) {
    lastUpdate_ = TLastUpdate{};
    ClampCarets();
  }
}

void TEditorScreenStrings::RefreshEditors() {
  for (IAttachedEditor* e : editors_) {
    e->UpdateMetrics();
    e->UpdateScrollBars();
    e->Repaint();
  }
}

void TEditorScreenStrings::AfterWrapChange() {
  UndoObj().ClearUndo();
  if (wordWrap_)
    Rewrap();
  else
    Unwrap();
  ReparseAll();
  RefreshEditors();
  ClampCarets();
  for (IAttachedEditor* e : editors_) e->SetCol(0);
}

void TEditorScreenStrings::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  if (FirstLoading()) return;
  AfterWrapChange();
}

void TEditorScreenStrings::WrapOptionChanged() {
  if (FirstLoading() || !wordWrap_) return;
  AfterWrapChange();
}

}  // namespace glean
