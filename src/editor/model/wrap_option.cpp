#include "editor/model/wrap_option.h"

#include <algorithm>

namespace glean {

TEditorWrapOption::TEditorWrapOption()
    : followStr_(kDefaultFollowStr), leadStr_(kDefaultLeadStr),
      punctuationStr_(kDefaultPunctuationStr) {}

void TEditorWrapOption::SetWrapByte(int v) {
  SetValue(wrapByte_, std::clamp(v, kMinWrapByte, kMaxWrapByte));
}

void TEditorWrapOption::Assign(const TEditorWrapOption& source) {
  followRetMark_ = source.followRetMark_;
  followPunctuation_ = source.followPunctuation_;
  followStr_ = source.followStr_;
  leading_ = source.leading_;
  leadStr_ = source.leadStr_;
  punctuationStr_ = source.punctuationStr_;
  wordBreak_ = source.wordBreak_;
  wrapByte_ = source.wrapByte_;
  Changed();
}

}  // namespace glean
