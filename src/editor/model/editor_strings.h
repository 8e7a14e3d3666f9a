// The editor's Lines: the string-list view of the text by logical line. It stores
// nothing; every operation becomes row operations on the control's screen-row list, so
// wrapping, undo, re-colouring and repainting happen as for typed edits.
#pragma once

#include <string>

#include "base/strings.h"
#include "editor/model/lines_owner.h"

namespace glean {

class TEditorStrings : public TStrings {
 public:
  static constexpr size_t kBlockSize = 8192;  // LoadFromFile reads the file in blocks

  explicit TEditorStrings(ILinesOwner& owner) : owner_(owner) {}

  int Count() const override;
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  int Add(const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;
  std::string GetText() const override;
  void SetText(const std::string& s) override;
  void Assign(const TStrings& source) override;
  void LoadFromFile(const std::string& fileName) override;

  // First screen row of logical line `line` (the row count when there is no such line).
  int LineToRow(int line) const;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  TEditorScreenStrings& Rows() const { return owner_.ListRows(); }
  // Cancels the selection, hides the caret around `edit`, then places the caret
  // `caretOffset` characters after the start of `row`.
  template <class Fn>
  void Edit(Fn&& edit, int row, int caretOffset);

  ILinesOwner& owner_;
  int ownUpdateCount_ = 0;
};

}  // namespace glean
