// The editor's one text store: screen rows with their attributes. With word wrap off a
// logical line is one row; with it on a line is cut into rows at WrapByte columns by the
// Japanese line-breaking rules of the wrap options. Every text change goes through
// UpdateRows, which rewraps only the lines it touches, records one undo step, re-colours
// the rows whose parser state changed and tells the attached controls what changed.
//
// Lifetime: a list that controls attach to must be created with `new`; DetachEditor of
// the last control deletes it. A list with no control attached may live anywhere.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/attached_editor.h"
#include "editor/model/column_classes.h"
#include "editor/model/string_list.h"
#include "editor/model/wrap_option.h"

namespace glean {

class TEditorUndoObj;

// The most recent change, for the controls' repaint; all zero between update blocks.
struct TLastUpdate {
  int32_t Row = 0;
  int32_t OldRowCount = 0;
  int32_t NewRowCount = 0;
  int32_t ReparsedRowCount = 0;
  uint8_t Valid = 0;
};

// The text of a run of rows, each followed by CR LF when it is a LineBreak row.
struct TLineText {
  std::string Text;
  TRowAttribute LastAttribute = TRowAttribute::Invalid;
  int RowsTaken = 0;
};

class TEditorScreenStrings : public TEditorStringList {
 public:
  TEditorScreenStrings();
  ~TEditorScreenStrings() override;

  // Attached controls, in attachment order.
  void AttachEditor(IAttachedEditor* editor);
  // Deletes the list when the last control detaches.
  void DetachEditor(IAttachedEditor* editor);
  const std::vector<IAttachedEditor*>& Editors() const { return editors_; }
  IAttachedEditor* FirstEditor() const { return editors_.empty() ? nullptr : editors_[0]; }
  // The first control with the keyboard focus, else the first control.
  IAttachedEditor* ActiveEditor() const;

  // Fills `rows` with the screen rows of `text` (cleared first); the rows of one line
  // are Wrapped but the last, which is LineBreak.
  virtual void WrapText(std::string_view text, TEditorStringList& rows);
  // How many rows WrapText makes of one logical line.
  virtual int WrapCount(std::string_view line);

  // count -1: up to the end of the logical line holding `row`.
  TLineText GetLineText(int row, int count) const;
  int LineStartRow(int row) const;
  int LineEndRow(int row) const;
  // The line breaks among the rows before `row`: the logical line `row` is on.
  int LineBreaksBefore(int row) const;

  // The editing primitive: replaces rows row..row+count-1 by `text` (count 0 inserts
  // before `row`). Does nothing for a range outside the list or an empty change.
  void UpdateRows(int row, int count, const std::string& text);
  // Deletes rows and returns the OR of their marks.
  uint16_t DeleteRows(int row, int count);
  // Replaces rows row..row+oldCount-1 by the rows of `newRows` (whose items are moved
  // out), keeping the image-bar marks with the text they belong to.
  void ReplaceRows(int row, int oldCount, TEditorStringList& newRows);
  void SetLastUpdate(int row, int oldRowCount, int newRowCount, int reparsedRowCount);
  const TLastUpdate& LastUpdate() const { return lastUpdate_; }

  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  TEditorWrapOption& WrapOption();
  void WrapOptionChanged();
  void Rewrap();
  void Unwrap();

  virtual void ExcludeMarks(uint16_t marks) { usedMarks_ &= uint16_t(~marks); }
  virtual void IncludeMarks(uint16_t marks) { usedMarks_ |= marks; }
  virtual uint16_t GetUsedMarks() { return usedMarks_; }

  virtual void Redo();
  virtual void Undo();
  TEditorUndoObj& UndoObj();

  // Re-colouring: from `row` until the stored states converge (at most two screens
  // below it); returns the number of rows whose state changed when `notify` is set.
  int ReparseFrom(int row, bool notify);
  void ReparseAll();

  void Clear() override;

  // Appends rows of plain text (LineBreak), for loading a whole text.
  void AppendRows(std::vector<std::string>&& texts);
  // Replaces all rows by the rows of a whole text, wrapped when word wrap is on, the
  // last row EndOfText when the text does not end with a line break: what splitting the
  // text into rows and rewrapping gives, in one pass. No undo record, no re-colouring.
  void LoadText(std::string_view text);
  // Every control recomputes its metrics and scroll ranges and repaints.
  void RefreshEditors();
  // The column metrics the wrap uses now.
  TColumnMetrics Metrics() const;

 protected:
  virtual std::unique_ptr<TEditorUndoObj> CreateUndoObj();
  virtual std::unique_ptr<TEditorWrapOption> CreateWrapOption();
  void SetUpdateState(bool updating) override;

 private:
  void NotifyEditors();
  void ClampCarets();
  void AfterWrapChange();
  bool FirstLoading() const { return FirstEditor() && FirstEditor()->Loading(); }
  const TDelimiters& Delims() const;

  std::vector<IAttachedEditor*> editors_;
  TLastUpdate lastUpdate_;
  uint16_t usedMarks_ = 0;
  std::unique_ptr<TEditorUndoObj> undo_;
  bool wordWrap_ = false;
  std::unique_ptr<TEditorWrapOption> wrapOption_;
};

}  // namespace glean
