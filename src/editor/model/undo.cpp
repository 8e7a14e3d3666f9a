#include "editor/model/undo.h"

#include "editor/model/line_split.h"
#include "editor/model/screen_strings.h"
#include "editor/model/update_block.h"

namespace glean {

TUndoData& TUndoDataList::Add(std::unique_ptr<TUndoData> record) {
  items_.push_back(std::move(record));
  return *items_.back();
}

void TUndoDataList::Delete(int i) {
  if (i < 0 || i >= Count()) return;
  items_.erase(items_.begin() + i);
}

TUndoData& TEditorUndoObj::NewUndoRecord() {
  auto record = std::make_unique<TUndoData>();
  if (IAttachedEditor* active = list_.ActiveEditor()) {
    record->CaretRow = active->Row();
    record->CaretCol = active->Col();
  }
  TUndoData& added = undoList_.Add(std::move(record));
  if (undoList_.Count() > undoListMax_) undoList_.Delete(0);
  if (!replaying_) redoList_.Clear();
  return added;
}

void TEditorUndoObj::PushRedo(const TUndoData& record) {
  auto copy = std::make_unique<TUndoData>(record);
  if (IAttachedEditor* active = list_.ActiveEditor()) {
    copy->CaretRow = active->Row();
    copy->CaretCol = active->Col();
  }
  redoList_.Add(std::move(copy));
}

void TEditorUndoObj::ClearUndo() {
  undoList_.Clear();
  redoList_.Clear();
}

TEditorUndoObj::TReplaced TEditorUndoObj::Replay(const TUndoData& record) {
  TLineText current;
  if (record.RowCount > 0) current = list_.GetLineText(record.Row, record.RowCount);
  const int n = current.RowsTaken;
  int newCount;

  if (record.RowAttribute == TRowAttribute::Invalid) {
    uint16_t marks = list_.DeleteRows(record.Row, n);
    if (list_.Count() == 0) {
      list_.ExcludeMarks(marks);
    } else if (marks != 0) {
      int target = std::min(record.Row, list_.Count() - 1);
      list_.SetRowMarks(target, list_.RowMarks(target) | marks);
    }
    newCount = 0;
  } else {
    TEditorStringList rows;
    list_.WrapText(record.Text, rows);
    if (record.RowAttribute == TRowAttribute::Wrapped && rows.Count() > 1 &&
        rows.Ref(rows.Count() - 1).empty())
      rows.Delete(rows.Count() - 1);
    if (record.RowAttribute == TRowAttribute::EndOfText && EndsWithLineBreak(record.Text))
      rows.Add(std::string());  // the empty last row the text ended with
    rows.SetRowAttribute(rows.Count() - 1, record.RowAttribute);
    newCount = rows.Count();
    list_.ReplaceRows(record.Row, n, rows);
  }
  int reparsed = list_.ReparseFrom(record.Row, true);
  list_.SetLastUpdate(record.Row, n, newCount, reparsed);
  return {std::move(current.Text), current.LastAttribute, newCount};
}

namespace {
// Runs `replay` with the active editor's caret hidden, inside one update block of
// `list`; the caret is shown again also when the replay throws.
template <class Fn>
void ReplayHidden(TEditorScreenStrings& list, IAttachedEditor* active, Fn&& replay) {
  if (active) active->HideCaret();
  try {
    InUpdate(list, std::forward<Fn>(replay));
  } catch (...) {
    if (active) active->ShowCaret();
    throw;
  }
}

void RestoreCaret(IAttachedEditor* active, const TUndoData& record) {
  if (!active) return;
  active->SetRow(record.CaretRow);
  active->SetCol(record.CaretCol);
  active->ShowCaret();
}
}  // namespace

void TEditorUndoObj::Undo() {
  if (undoList_.Count() == 0) return;
  TUndoData& record = undoList_.Last();
  IAttachedEditor* active = list_.ActiveEditor();
  ReplayHidden(list_, active, [&] {
    TReplaced was = Replay(record);
    record.RowCount = was.RowCount;
    record.RowAttribute = was.Attribute;
    record.Text = std::move(was.Text);
    PushRedo(record);
  });
  RestoreCaret(active, record);
  undoList_.Delete(undoList_.Count() - 1);
}

void TEditorUndoObj::Redo() {
  if (redoList_.Count() == 0) return;
  TUndoData& record = redoList_.Last();
  IAttachedEditor* active = list_.ActiveEditor();
  ReplayHidden(list_, active, [&] {
    TReplaced was = Replay(record);
    // The inverse record is a new undo step, not the start of a fresh edit.
    replaying_ = true;
    try {
      TUndoData& inverse = NewUndoRecord();
      inverse.Row = record.Row;
      inverse.RowCount = was.RowCount;
      inverse.RowAttribute = was.Attribute;
      inverse.Text = std::move(was.Text);
    } catch (...) {
      replaying_ = false;
      throw;
    }
    replaying_ = false;
  });
  RestoreCaret(active, record);
  redoList_.Delete(redoList_.Count() - 1);
}

}  // namespace glean
