// A recording stand-in for the editor control: attaches to a screen-row list, owns a
// Lines facade and a fountain, and logs what the model asks of it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "editor/model/attached_editor.h"
#include "editor/model/editor_fountain.h"
#include "editor/model/editor_strings.h"
#include "editor/model/lines_owner.h"
#include "editor/model/screen_strings.h"
#include "editor/model/undo.h"
#include "pane/pane_scheme.h"

namespace glean::testing {

class FakeEditor : public IAttachedEditor, public ILinesOwner {
 public:
  explicit FakeEditor(TEditorScreenStrings* shared = nullptr)
      : list_(shared ? shared : new TEditorScreenStrings), lines_(*this) {
    list_->AttachEditor(this);
  }
  ~FakeEditor() override { list_->DetachEditor(this); }
  FakeEditor(const FakeEditor&) = delete;
  FakeEditor& operator=(const FakeEditor&) = delete;

  TEditorScreenStrings& List() { return *list_; }
  TEditorStrings& Lines() { return lines_; }
  TEditorFountain& Fountain() { return fountain_; }

  // IAttachedEditor
  void TextChanged(TEditorScreenStrings& l) override {
    ++textChanged;
    lastSeen = l.LastUpdate();
  }
  void InvalidateRow(int row) override { invalidated.push_back(row); }
  void CleanSelection() override { ++cleanSelection; }
  void UpdateMetrics() override { ++updateMetrics; }
  void UpdateScrollBars() override { ++updateScrollBars; }
  void Repaint() override { ++repaint; }
  int Row() const override { return row; }
  void SetRow(int r) override { row = r; }
  int TopRow() const override { return topRow; }
  void SetTopRow(int r) override { topRow = r; }
  int Col() const override { return col; }
  void SetCol(int c) override { col = c; }
  void HideCaret() override { ++caretHidden; }
  void ShowCaret() override { --caretHidden; }
  bool Loading() const override { return loading; }
  bool Destroying() const override { return false; }
  bool Focused() const override { return focused; }
  int ScreenHeight() const override { return screenHeight; }
  int RowHeight() const override { return rowHeight; }
  bool InitBracketsFull() const override { return initBracketsFull; }
  TFountain* ActiveFountain() override { return &fountain_; }
  int TabSpaceCount() const override { return tabSpaceCount; }

  // ILinesOwner
  TEditorScreenStrings& ListRows() override { return *list_; }
  void SetCaretByOffset(int r, int offset) override { caretByOffset = {r, offset}; }
  void SetCaretRowCol(int r, int c) override {
    row = r;
    col = c;
  }
  void CancelSelection() override { ++cancelSelection; }
  void SetRedraw(bool on) override { redraw.push_back(on); }
  void BeginBulkChange() override { ++bulk; }
  void EndBulkChange() override { --bulk; }

  int textChanged = 0, cleanSelection = 0, updateMetrics = 0, updateScrollBars = 0, repaint = 0;
  int cancelSelection = 0, caretHidden = 0, bulk = 0;
  TLastUpdate lastSeen;
  std::vector<int> invalidated;
  std::vector<bool> redraw;
  std::pair<int, int> caretByOffset{-1, -1};
  int row = 0, topRow = 0, col = 0;
  bool loading = false, focused = false, initBracketsFull = true;
  int screenHeight = 600, rowHeight = 15, tabSpaceCount = 8;

 private:
  TEditorScreenStrings* list_;
  TEditorStrings lines_;
  TEditorFountain fountain_;
};

// The captured-text pane's line breaking and colouring as Glean configures them.
inline void ConfigureMainWindowPane(FakeEditor& e) {
  ConfigurePaneWrap(e.List().WrapOption());
  e.List().SetWordWrap(true);
  ConfigurePaneColours(e.Fountain());
}

struct Token {
  TokenKind kind;
  std::string text;
  bool operator==(const Token& o) const { return kind == o.kind && text == o.text; }
};

// The tokens of one row as the control paints it: the row's own text from its stored
// state.
inline std::vector<Token> RowTokens(FakeEditor& e, int row) {
  auto parser = e.Fountain().CreateParser();
  parser->Init(e.List().Ref(row), e.List().RowState(row));
  std::vector<Token> out;
  while (parser->NextToken() != TokenKind::End)
    out.push_back({parser->Token(), std::string(parser->TokenString())});
  return out;
}

// Every row with its attribute, for whole-list comparisons.
inline std::vector<std::pair<std::string, int>> Snapshot(const TEditorScreenStrings& list) {
  std::vector<std::pair<std::string, int>> out;
  for (int r = 0; r < list.Count(); ++r)
    out.emplace_back(list.Ref(r), int(list.RowAttribute(r)));
  return out;
}

}  // namespace glean::testing
