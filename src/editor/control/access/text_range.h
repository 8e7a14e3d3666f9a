// A text range as a client holds it: two endpoints over the pane's text that move with
// its edits. A range answers only while its pane lives, and takes as argument only a
// range of the same pane: clients hand back whatever they hold, long after the pane is
// gone or from another pane. Portable: the COM range wraps one and turns its answers into
// HRESULTs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/control/access/access_text.h"

namespace glean::access {

enum class TRangeStatus { Ok, Gone, Invalid };

// Numbered as UI Automation's TextPatternRangeEndpoint.
enum class TEndpoint { Start = 0, End = 1 };

// What the ranges of one pane share: its text while the pane lives.
class TRangeHome {
 public:
  explicit TRangeHome(TAccessText* text) : text_(text) {}
  TRangeHome(const TRangeHome&) = delete;
  TRangeHome& operator=(const TRangeHome&) = delete;
  TAccessText* Text() const { return text_; }
  // The pane is going: every range answers Gone from now on.
  void Disconnect() { text_ = nullptr; }

 private:
  TAccessText* text_;
};

class TTextRange {
 public:
  TTextRange(TRangeHome& home, TRange r);
  ~TTextRange();
  TTextRange(const TTextRange&) = delete;
  TTextRange& operator=(const TTextRange&) = delete;

  bool Alive() const { return home_.Text() != nullptr; }
  TRange Range() const { return {start_.Offset, end_.Offset}; }

  // Endpoints and units arrive as the client's numbers and are checked here.
  TRangeStatus Compare(const TTextRange* other, bool& same) const;
  TRangeStatus CompareEndpoints(int endpoint, const TTextRange* other, int otherEndpoint, int& order) const;
  TRangeStatus ExpandToEnclosingUnit(int unit);
  TRangeStatus FindText(std::u16string_view what, bool backward, bool ignoreCase, std::optional<TRange>& found);
  // maxLength -1: all of it.
  TRangeStatus GetText(int maxLength, std::u16string& out);
  TRangeStatus Boxes(std::vector<TRowBox>& out);
  TRangeStatus Move(int unit, int count, int& moved);
  TRangeStatus MoveEndpointByUnit(int endpoint, int unit, int count, int& moved);
  TRangeStatus MoveEndpointByRange(int endpoint, const TTextRange* other, int otherEndpoint);
  TRangeStatus Select();
  TRangeStatus ScrollIntoView(bool alignToTop);

 private:
  TAccessText& Text() const { return *home_.Text(); }
  void Set(TRange r) {
    start_.Offset = r.Start;
    end_.Offset = r.End;
  }
  int At(int endpoint) const { return endpoint == int(TEndpoint::Start) ? start_.Offset : end_.Offset; }
  // Gone, or Invalid for a range of another pane (or none).
  TRangeStatus CheckOther(const TTextRange* other) const;

  TRangeHome& home_;
  TAnchor start_, end_;
};

}  // namespace glean::access
