// Undo and redo: every UpdateRows opens one record holding the replaced rows' old text;
// replaying a record turns it into its inverse on the other list. No grouping.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "editor/model/row_attribute.h"

namespace glean {

class TEditorScreenStrings;

struct TUndoData {
  int32_t CaretRow = 0;
  int32_t CaretCol = 0;
  int32_t Row = -1;      // first row of the change
  int32_t RowCount = 0;  // rows the change produced (0 for a deletion)
  TRowAttribute RowAttribute = TRowAttribute::Invalid;  // Invalid: nothing was replaced
  std::string Text;      // replaced rows, CR LF after each LineBreak row
};

class TUndoDataList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  TUndoData& Items(int i) { return *items_[static_cast<size_t>(i)]; }
  TUndoData& Last() { return *items_.back(); }
  TUndoData& Add(std::unique_ptr<TUndoData> record);
  void Delete(int i);
  void Clear() { items_.clear(); }

 private:
  std::deque<std::unique_ptr<TUndoData>> items_;
};

class TEditorUndoObj {
 public:
  static constexpr int kMinUndoListMax = 64;

  explicit TEditorUndoObj(TEditorScreenStrings& list) : list_(list) {}
  virtual ~TEditorUndoObj() = default;

  int UndoListMax() const { return undoListMax_; }
  void SetUndoListMax(int value) { undoListMax_ = value < kMinUndoListMax ? kMinUndoListMax : value; }
  bool Replaying() const { return replaying_; }
  TUndoDataList& UndoList() { return undoList_; }
  TUndoDataList& RedoList() { return redoList_; }

  // A fresh record on the undo list (the caller fills it); ends the redo history unless
  // a redo is recording its inverse.
  virtual TUndoData& NewUndoRecord();
  virtual bool CanRedo() const { return redoList_.Count() > 0; }
  virtual bool CanUndo() const { return undoList_.Count() > 0; }
  virtual void Redo();
  virtual void Undo();
  virtual void PushRedo(const TUndoData& record);
  virtual void ClearUndo();

 private:
  // What a replay took out: the inverse record's text, last row attribute and the
  // number of rows the replay put in.
  struct TReplaced {
    std::string Text;
    TRowAttribute Attribute;
    int RowCount;
  };
  // Replaces the rows `record` produced by its text.
  TReplaced Replay(const TUndoData& record);

  TEditorScreenStrings& list_;
  int undoListMax_ = kMinUndoListMax;
  bool replaying_ = false;
  TUndoDataList redoList_;
  TUndoDataList undoList_;
};

}  // namespace glean
