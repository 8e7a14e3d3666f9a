// The control stand-in and the input reader shared by the fuzz targets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/sjis.h"
#include "cp932_literals.h"
#include "editor/model/editor_fountain.h"
#include "editor/model/editor_strings.h"
#include "editor/model/screen_strings.h"
#include "editor/model/undo.h"

namespace glean::fuzz {

// Stops the run with a message: an invariant does not hold.
#define FUZZ_CHECK(cond, what)                                            \
  do {                                                                    \
    if (!(cond)) {                                                        \
      std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", what, __FILE__, __LINE__); \
      std::abort();                                                       \
    }                                                                     \
  } while (0)

class Input {
 public:
  Input(const uint8_t* data, size_t size) : p_(data), end_(data + size) {}
  bool Empty() const { return p_ == end_; }
  uint8_t Byte() { return p_ < end_ ? *p_++ : 0; }
  int Int(int lo, int hi) { return lo + int(Byte() | Byte() << 8) % (hi - lo + 1); }
  std::string Bytes(size_t n) {
    n = std::min(n, size_t(end_ - p_));
    std::string s(reinterpret_cast<const char*>(p_), n);
    p_ += n;
    return s;
  }
  std::string Rest() { return Bytes(size_t(end_ - p_)); }

 private:
  const uint8_t* p_;
  const uint8_t* end_;
};

class FuzzEditor : public IAttachedEditor, public ILinesOwner {
 public:
  FuzzEditor() : list_(new TEditorScreenStrings), lines_(*this) {
    list_->AttachEditor(this);
    TFountainBracketItem& note = fountain_.Brackets().Add();
    note.SetLeftBracket(kNoteLeft);
    note.SetRightBracket(kNoteRight);
    TFountainBracketItem& error = fountain_.Brackets().Add();
    error.SetLeftBracket(kErrorLeft);
    error.SetRightBracket(kErrorRight);
    fountain_.SetCommenter(kCommenter);
    fountain_.SetUrl(true);
    fountain_.SetMail(true);
    fountain_.SetControlCode(true);
    fountain_.SetQuotation("\x81");
  }
  ~FuzzEditor() override { list_->DetachEditor(this); }
  TEditorScreenStrings& List() { return *list_; }
  TEditorStrings& Lines() { return lines_; }
  TEditorFountain& Fountain() { return fountain_; }

  // Options from one byte each: the wrap column and the rules, then the colouring.
  void Configure(Input& in) {
    TEditorWrapOption& w = list_->WrapOption();
    uint8_t flags = in.Byte();
    w.BeginUpdate();
    w.SetWrapByte(in.Int(20, 250));
    w.SetWordBreak(flags & 1);
    w.SetLeading(flags & 2);
    w.SetFollowRetMark(flags & 4);
    w.SetFollowPunctuation(flags & 8);
    w.EndUpdate();
    tabs_ = 1 + (flags >> 4) % 12;
    list_->SetWordWrap(flags & 0x80 ? false : true);
    uint8_t view = in.Byte();
    fountain_.SetUrl(view & 1);
    fountain_.SetMail(view & 2);
    fountain_.SetControlCode(view & 4);
    fountain_.SetQuotation(view & 8 ? "\x81" : (view & 16 ? "'" : ""));
    fountain_.SetHexPrefix(view & 32 ? "0x" : "");
    fountain_.SetCommenter(view & 64 ? kCommenter : "");
  }

  void TextChanged(TEditorScreenStrings&) override {}
  void InvalidateRow(int row) override { FUZZ_CHECK(row >= 0 && row < list_->Count(), "invalidated row exists"); }
  void CleanSelection() override {}
  void UpdateMetrics() override {}
  void UpdateScrollBars() override {}
  void Repaint() override {}
  int Row() const override { return row_; }
  void SetRow(int r) override { row_ = r; }
  int TopRow() const override { return top_; }
  void SetTopRow(int r) override { top_ = r; }
  int Col() const override { return col_; }
  void SetCol(int c) override { col_ = c; }
  void HideCaret() override {}
  void ShowCaret() override {}
  bool Loading() const override { return false; }
  bool Destroying() const override { return false; }
  bool Focused() const override { return true; }
  int ScreenHeight() const override { return 150; }
  int RowHeight() const override { return 15; }
  bool InitBracketsFull() const override { return true; }
  TFountain* ActiveFountain() override { return &fountain_; }
  int TabSpaceCount() const override { return tabs_; }

  TEditorScreenStrings& ListRows() override { return *list_; }
  void SetCaretByOffset(int, int) override {}
  void SetCaretRowCol(int r, int c) override { row_ = r, col_ = c; }
  void CancelSelection() override {}
  void SetRedraw(bool) override {}
  void BeginBulkChange() override {}
  void EndBulkChange() override {}

  int col_ = 0;

 private:
  TEditorScreenStrings* list_;
  TEditorStrings lines_;
  TEditorFountain fountain_;
  int row_ = 0, top_ = 0, tabs_ = 8;
};

// Row-list invariants every state must keep: only the last row may end the text, no
// row holds a line end, and no row ends inside a double-byte character of its line.
inline void CheckRows(TEditorScreenStrings& l) {
  std::string line;
  std::vector<size_t> cuts;
  for (int r = 0; r < l.Count(); ++r) {
    const std::string& row = l.Ref(r);
    FUZZ_CHECK(row.find_first_of("\r\n") == std::string::npos, "no line end inside a row");
    TRowAttribute a = l.RowAttribute(r);
    FUZZ_CHECK(a != TRowAttribute::Invalid, "stored attribute is valid");
    if (a == TRowAttribute::EndOfText) FUZZ_CHECK(r == l.Count() - 1, "EndOfText only on the last row");
    line += row;
    if (a == TRowAttribute::Wrapped) {
      FUZZ_CHECK(r < l.Count() - 1, "the last row is not Wrapped");
      FUZZ_CHECK(l.WordWrap(), "Wrapped rows only with word wrap");
      FUZZ_CHECK(!row.empty(), "a wrapped row holds text");
      cuts.push_back(line.size());
      continue;
    }
    for (size_t cut : cuts) FUZZ_CHECK(!sjis::IsTrailPosition(line, cut), "cut on a character boundary");
    line.clear();
    cuts.clear();
  }
}

}  // namespace glean::fuzz
