#include "editor/control/access/text_map.h"

#include <algorithm>

#include "base/sjis.h"

namespace glean::access {

int TTextMap::UnitsOf(const std::string& row, int byte) {
  const size_t end = std::min(static_cast<size_t>(std::max(byte, 0)), row.size());
  int units = 0;
  for (size_t p = 0; p < end; p = sjis::NextCharPos(row, p)) ++units;
  return units;
}

int TTextMap::ByteOfUnit(const std::string& row, int units) {
  size_t p = 0;
  for (int u = 0; u < units && p < row.size(); ++u) p = sjis::NextCharPos(row, p);
  return static_cast<int>(p);
}

int TTextMap::RowUnits(int row) const {
  const TEditorScreenStrings& rows = rows_();
  if (row < 0 || row >= rows.Count()) return 0;
  const std::string& s = rows.Ref(row);
  return UnitsOf(s, static_cast<int>(s.size()));
}

int TTextMap::LineEndUnits(int row) const {
  const TEditorScreenStrings& rows = rows_();
  return row >= 0 && row < rows.Count() && rows.RowAttribute(row) == TRowAttribute::LineBreak ? 2 : 0;
}

void TTextMap::EnsureValid() {
  // Another list, or a count that disagrees, means a change the map was not told of:
  // start afresh.
  const TEditorScreenStrings& rows = rows_();
  if (valid_ && seen_ == &rows && lens_.size() == static_cast<size_t>(rows.Count())) return;
  Rebuild();
  for (TAnchor* a : anchors_) a->Offset = std::clamp(a->Offset, 0, total_);
}

void TTextMap::Rebuild() {
  const TEditorScreenStrings& rows = rows_();
  seen_ = &rows;
  const int count = rows.Count();
  lens_.resize(static_cast<size_t>(count));
  for (int r = 0; r < count; ++r) lens_[size_t(r)] = Stored(r);
  BuildTree();
  valid_ = true;
}

void TTextMap::BuildTree() {
  // The linear-time construction: each node passes its sum on to its parent.
  const size_t n = lens_.size();
  tree_.assign(n + 1, 0);
  total_ = 0;
  for (size_t i = 1; i <= n; ++i) {
    tree_[i] += lens_[i - 1];
    total_ += lens_[i - 1];
    const size_t parent = i + (i & (~i + 1));
    if (parent <= n) tree_[parent] += tree_[i];
  }
}

void TTextMap::Add(int row, int delta) {
  lens_[size_t(row)] += delta;
  total_ += delta;
  for (size_t i = size_t(row) + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
}

int TTextMap::Prefix(int rows) const {
  int sum = 0;
  for (size_t i = size_t(std::clamp(rows, 0, int(lens_.size()))); i > 0; i -= i & (~i + 1)) sum += tree_[i];
  return sum;
}

void TTextMap::RowsChanged(const TLastUpdate& u) {
  const TEditorScreenStrings& rows = rows_();
  const int count = rows.Count();
  const bool fits = valid_ && seen_ == &rows && u.Valid && u.Row >= 0 && u.OldRowCount >= 0 && u.NewRowCount >= 0 &&
                    u.Row + u.OldRowCount <= int(lens_.size()) &&
                    int(lens_.size()) - u.OldRowCount + u.NewRowCount == count;
  if (!fits) {
    valid_ = false;
    if (!anchors_.empty()) EnsureValid();  // the anchors are clamped to the new text now
    return;
  }
  const int start = Prefix(u.Row);
  const int oldLen = Prefix(u.Row + u.OldRowCount) - start;
  if (u.OldRowCount == u.NewRowCount) {
    for (int r = u.Row; r < u.Row + u.NewRowCount; ++r) Add(r, Stored(r) - lens_[size_t(r)]);
  } else {
    std::vector<int> fresh;
    for (int r = u.Row; r < u.Row + u.NewRowCount; ++r) fresh.push_back(Stored(r));
    lens_.erase(lens_.begin() + u.Row, lens_.begin() + u.Row + u.OldRowCount);
    lens_.insert(lens_.begin() + u.Row, fresh.begin(), fresh.end());
    BuildTree();
  }
  const int newLen = Prefix(u.Row + u.NewRowCount) - start;
  for (TAnchor* a : anchors_) {
    const bool insertedAtIt = oldLen == 0 && a->Offset == start;
    if (a->Offset >= start + oldLen && !(insertedAtIt && a->StaysBeforeInsertion))
      a->Offset += newLen - oldLen;
    else if (a->Offset > start)
      a->Offset = std::min(a->Offset, start + newLen);
  }
}

void TTextMap::RemoveAnchor(TAnchor* a) { std::erase(anchors_, a); }

int TTextMap::Length() {
  EnsureValid();
  return total_;
}

int TTextMap::RowStart(int row) {
  EnsureValid();
  return Prefix(row);
}

int TTextMap::RowOf(int offset) {
  EnsureValid();
  const int n = int(lens_.size());
  if (n == 0) return 0;
  if (offset >= total_) return n - 1;
  // The Fenwick descent: the largest prefix of rows whose sum stays at or below offset.
  int row = 0, rest = std::max(offset, 0);
  int step = 1;
  while (step * 2 <= n) step *= 2;
  for (; step > 0; step /= 2) {
    if (row + step <= n && tree_[size_t(row + step)] <= rest) {
      row += step;
      rest -= tree_[size_t(row)];
    }
  }
  return std::min(row, n - 1);
}

TTextPos TTextMap::ToPos(int offset) {
  const int row = RowOf(offset);
  const TEditorScreenStrings& rows = rows_();
  if (row >= rows.Count()) return {row, 0};
  const std::string& s = rows.Ref(row);
  return {row, ByteOfUnit(s, std::max(offset, 0) - RowStart(row))};
}

int TTextMap::ToOffset(TTextPos pos) {
  const TEditorScreenStrings& rows = rows_();
  if (pos.Row >= rows.Count()) return Length();
  if (pos.Row < 0) return 0;
  const std::string& s = rows.Ref(pos.Row);
  const size_t byte = sjis::CharBoundaryAtOrBefore(s, size_t(std::clamp(pos.Byte, 0, int(s.size()))));
  return RowStart(pos.Row) + UnitsOf(s, int(byte));
}

}  // namespace glean::access
