#include "editor/control/access/text_range.h"

#include <algorithm>

namespace glean::access {

namespace {
bool ValidUnit(int unit) { return unit >= int(TUnit::Character) && unit <= int(TUnit::Document); }
bool ValidEndpoint(int e) { return e == int(TEndpoint::Start) || e == int(TEndpoint::End); }
}  // namespace

TTextRange::TTextRange(TRangeHome& home, TRange r) : home_(home) {
  Set(r);
  start_.StaysBeforeInsertion = true;
  if (Alive()) {
    Text().Map().AddAnchor(&start_);
    Text().Map().AddAnchor(&end_);
  }
}

TTextRange::~TTextRange() {
  if (Alive()) {
    Text().Map().RemoveAnchor(&start_);
    Text().Map().RemoveAnchor(&end_);
  }
}

TRangeStatus TTextRange::CheckOther(const TTextRange* other) const {
  if (!Alive()) return TRangeStatus::Gone;
  return other && &other->home_ == &home_ ? TRangeStatus::Ok : TRangeStatus::Invalid;
}

TRangeStatus TTextRange::Compare(const TTextRange* other, bool& same) const {
  const TRangeStatus s = CheckOther(other);
  if (s == TRangeStatus::Ok) same = other->Range() == Range();
  return s;
}

TRangeStatus TTextRange::CompareEndpoints(int endpoint, const TTextRange* other, int otherEndpoint,
                                          int& order) const {
  const TRangeStatus s = CheckOther(other);
  if (s != TRangeStatus::Ok) return s;
  if (!ValidEndpoint(endpoint) || !ValidEndpoint(otherEndpoint)) return TRangeStatus::Invalid;
  order = At(endpoint) - other->At(otherEndpoint);
  return s;
}

TRangeStatus TTextRange::ExpandToEnclosingUnit(int unit) {
  if (!Alive()) return TRangeStatus::Gone;
  if (!ValidUnit(unit)) return TRangeStatus::Invalid;
  Set(Text().Expand(Range(), TUnit(unit)));
  return TRangeStatus::Ok;
}

TRangeStatus TTextRange::FindText(std::u16string_view what, bool backward, bool ignoreCase,
                                  std::optional<TRange>& found) {
  if (!Alive()) return TRangeStatus::Gone;
  if (what.empty()) return TRangeStatus::Invalid;
  found = Text().Find(Range(), what, backward, ignoreCase);
  return TRangeStatus::Ok;
}

TRangeStatus TTextRange::GetText(int maxLength, std::u16string& out) {
  if (!Alive()) return TRangeStatus::Gone;
  if (maxLength < -1) return TRangeStatus::Invalid;
  out = Text().Text(Range(), maxLength);
  return TRangeStatus::Ok;
}

TRangeStatus TTextRange::Boxes(std::vector<TRowBox>& out) {
  if (!Alive()) return TRangeStatus::Gone;
  out = Text().Boxes(Range());
  return TRangeStatus::Ok;
}

TRangeStatus TTextRange::Move(int unit, int count, int& moved) {
  if (!Alive()) return TRangeStatus::Gone;
  if (!ValidUnit(unit)) return TRangeStatus::Invalid;
  TRange r = Range();
  moved = Text().Move(r, TUnit(unit), count);
  Set(r);
  return TRangeStatus::Ok;
}

TRangeStatus TTextRange::MoveEndpointByUnit(int endpoint, int unit, int count, int& moved) {
  if (!Alive()) return TRangeStatus::Gone;
  if (!ValidUnit(unit) || !ValidEndpoint(endpoint)) return TRangeStatus::Invalid;
  TRange r = Range();
  moved = Text().MoveEndpoint(r, endpoint == int(TEndpoint::End), TUnit(unit), count);
  Set(r);
  return TRangeStatus::Ok;
}

TRangeStatus TTextRange::MoveEndpointByRange(int endpoint, const TTextRange* other, int otherEndpoint) {
  const TRangeStatus s = CheckOther(other);
  if (s != TRangeStatus::Ok) return s;
  if (!ValidEndpoint(endpoint) || !ValidEndpoint(otherEndpoint)) return TRangeStatus::Invalid;
  const int pos = other->At(otherEndpoint);
  TRange r = Range();
  if (endpoint == int(TEndpoint::Start)) {
    r.Start = pos;
    r.End = std::max(r.End, pos);
  } else {
    r.End = pos;
    r.Start = std::min(r.Start, pos);
  }
  Set(r);
  return s;
}

TRangeStatus TTextRange::Select() {
  if (!Alive()) return TRangeStatus::Gone;
  Text().Select(Range());
  return TRangeStatus::Ok;
}

TRangeStatus TTextRange::ScrollIntoView(bool alignToTop) {
  if (!Alive()) return TRangeStatus::Gone;
  Text().ScrollIntoView(Range(), alignToTop);
  return TRangeStatus::Ok;
}

}  // namespace glean::access
