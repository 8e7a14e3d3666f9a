// The word-wrap options of a screen-row list: the wrap column and the Japanese
// line-breaking (kinsoku) rules. Every setter notifies only on a real change.
#pragma once

#include <string>

#include "base/notify.h"

namespace glean {

// The default kinsoku sets, Shift-JIS (kept in one unit of their own so that builds with
// another compiler can take these bytes precompiled).
extern const char* const kDefaultFollowStr;
extern const char* const kDefaultLeadStr;
extern const char* const kDefaultPunctuationStr;

class TEditorWrapOption : public TNotifyPersistent {
 public:
  static constexpr int kMinWrapByte = 20;
  static constexpr int kMaxWrapByte = 250;

  TEditorWrapOption();

  bool FollowRetMark() const { return followRetMark_; }
  void SetFollowRetMark(bool v) { SetValue(followRetMark_, v); }
  bool FollowPunctuation() const { return followPunctuation_; }
  void SetFollowPunctuation(bool v) { SetValue(followPunctuation_, v); }
  const std::string& FollowStr() const { return followStr_; }
  void SetFollowStr(const std::string& v) { SetValue(followStr_, v); }
  bool Leading() const { return leading_; }
  void SetLeading(bool v) { SetValue(leading_, v); }
  const std::string& LeadStr() const { return leadStr_; }
  void SetLeadStr(const std::string& v) { SetValue(leadStr_, v); }
  const std::string& PunctuationStr() const { return punctuationStr_; }
  void SetPunctuationStr(const std::string& v) { SetValue(punctuationStr_, v); }
  bool WordBreak() const { return wordBreak_; }
  void SetWordBreak(bool v) { SetValue(wordBreak_, v); }
  int WrapByte() const { return wrapByte_; }
  // Clamped to 20..250.
  void SetWrapByte(int v);

  // Copies all eight values and notifies once.
  void Assign(const TEditorWrapOption& source);

 private:
  template <class T>
  void SetValue(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }

  bool followRetMark_ = false;
  bool followPunctuation_ = false;
  std::string followStr_;
  bool leading_ = false;
  std::string leadStr_;
  std::string punctuationStr_;
  bool wordBreak_ = false;
  int wrapByte_ = 80;
};

}  // namespace glean
