// The only Japanese literals of the text model.
#include "editor/model/wrap_option.h"

namespace glean {

const char* const kDefaultFollowStr = "、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ";
const char* const kDefaultLeadStr = "（［｛「『([{｢";
const char* const kDefaultPunctuationStr = "、。，．,.｡､";

}  // namespace glean
