#include "editor/model/fountain_parser.h"

#include "base/errors.h"
#include "base/sjis.h"

namespace glean {

namespace {
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsWordChar(unsigned char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsHexDigit(unsigned char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool IsMailChar(unsigned char c) {
  if (IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  switch (c) {
    case '!': case '$': case '%': case '&': case '*': case ',': case '-': case '.':
    case '/': case ';': case '=': case '?': case '@': case '^': case '_': case '~':
      return true;
    default:
      return false;
  }
}
bool IsUrlChar(unsigned char c) {
  if (IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  switch (c) {
    case '#': case '%': case '&': case '+': case '-': case '.': case '/': case ':':
    case '=': case '?': case '_': case '~':
      return true;
    default:
      return false;
  }
}
unsigned char U(const char* p) { return static_cast<unsigned char>(*p); }
bool StartsWith(const char* p, std::string_view s) {
  for (size_t i = 0; i < s.size(); ++i)
    if (p[i] != s[i]) return false;  // stops at the NUL of the buffer
  return true;
}
}  // namespace

TFountainParser::TFountainParser(TFountain* fountain) : fountain_(fountain) {
  if (!fountain_) throw Exception("TFountainParser.Create need instance of TFountain");
  TFountainParser::InitTables();
  buffer_.clear();
  runPtr_ = tokenPtr_ = sourcePtr_ = buffer_.c_str();
}

int TFountainParser::CharLen(const char* p) {
  return sjis::IsLeadByte(*p) && p[1] != '\0' ? 2 : 1;
}

void TFountainParser::InitTables() {
  for (int c = 0; c < 256; ++c) {
    Scanner s = &TFountainParser::ScanSymbol;
    if (c == 0x00) s = &TFountainParser::ScanEnd;
    else if (c == 0x09) s = &TFountainParser::ScanTab;
    else if (c == 0x0A) s = &TFountainParser::ScanLineFeed;
    else if (c == 0x0D) s = &TFountainParser::ScanReturn;
    else if (IsDigit(static_cast<unsigned char>(c))) s = &TFountainParser::ScanNumber;
    else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_') s = &TFountainParser::ScanWord;
    else if (c == 0x81 || (c >= 0x84 && c <= 0x87)) s = &TFountainParser::ScanDbSymbol;
    else if (c == 0x82 || c == 0x83) s = &TFountainParser::ScanDbKana;
    else if ((c >= 0x88 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) s = &TFountainParser::ScanKanji;
    else if (c >= 0xA1 && c <= 0xA5) s = &TFountainParser::ScanKanaSymbol;
    else if (c >= 0xA6 && c <= 0xDF) s = &TFountainParser::ScanKana;
    charTable_[size_t(c)] = s;
  }
  continueTable_.fill(&TFountainParser::ScanSymbol);
  SetContinue(TokenKind::Integer, &TFountainParser::ScanNumber);
  SetContinue(TokenKind::Float, &TFountainParser::ScanNumber);
  SetContinue(TokenKind::Bracket, &TFountainParser::ScanBracket);
  SetContinue(TokenKind::Comment, &TFountainParser::ScanComment);
  SetContinue(TokenKind::Reserve, &TFountainParser::ScanReserveWord);
  SetContinue(TokenKind::AnkWord, &TFountainParser::ScanWord);
  SetContinue(TokenKind::DbSymbol, &TFountainParser::ScanDbSymbol);
  SetContinue(TokenKind::DbDigit, &TFountainParser::ScanDbKana);
  SetContinue(TokenKind::DbAlpha, &TFountainParser::ScanDbKana);
  SetContinue(TokenKind::Hiragana, &TFountainParser::ScanDbKana);
  SetContinue(TokenKind::Katakana, &TFountainParser::ScanDbKana);
  SetContinue(TokenKind::Kanji, &TFountainParser::ScanKanji);
  SetContinue(TokenKind::KanaSymbol, &TFountainParser::ScanKanaSymbol);
  SetContinue(TokenKind::Kana, &TFountainParser::ScanKana);
  SetContinue(TokenKind::Url, &TFountainParser::ScanUrl);
  SetContinue(TokenKind::Mail, &TFountainParser::ScanMail);
  SetContinue(TokenKind::HexNumber, &TFountainParser::ScanHex);
  SetContinue(TokenKind::SingleQuoted, &TFountainParser::ScanSingleQuoted);
  SetContinue(TokenKind::DoubleQuoted, &TFountainParser::ScanDoubleQuoted);
}

void TFountainParser::Init(std::string_view text, const TRowAttributeData& state) {
  buffer_.assign(text.data(), text.size());
  runPtr_ = tokenPtr_ = sourcePtr_ = buffer_.c_str();
  token_ = TokenKind::End;
  tokenBracketIndex_ = -2;
  continuing_ = false;
  rowAttribute_ = state.RowAttribute;
  prevRowAttribute_ = state.PrevRowAttribute;
  bracketIndex_ = state.BracketIndex;
  stateSlot1_ = state.StateSlot1;
  continuedLength_ = state.ContinuedLength;
  stateSlot2_ = state.StateSlot2;
  continuedKind_ = state.ContinuedKind;
  stateSlot3_ = state.StateSlot3;
  rowString_ = state.RowString;
}

void TFountainParser::SkipBlanks() {
  while ((U(sourcePtr_) >= 0x01 && U(sourcePtr_) <= 0x08) ||
         (U(sourcePtr_) >= 0x0A && U(sourcePtr_) <= 0x20))
    ++sourcePtr_;
}

TokenKind TFountainParser::NextToken() {
  // The bytes carried in from the previous row belong to its token, blanks included.
  if (!(continuedKind_ != TokenKind::End && continuedLength_ > 0)) SkipBlanks();
  runPtr_ = tokenPtr_ = sourcePtr_;
  continuing_ = continuedKind_ != TokenKind::End;
  if (AtRowEnd(runPtr_))
    token_ = TokenKind::End;
  else if (continuing_)
    ScanContinued();
  else if (bracketIndex_ < 0)
    ScanDispatch();
  else
    ScanBracket();
  sourcePtr_ = runPtr_;
  return token_;
}

bool TFountainParser::IsReserveWord() {
  if (continuing_) return false;
  if (token_ == TokenKind::End || token_ == TokenKind::Bracket || token_ == TokenKind::Comment)
    return false;
  return fountain_->ReserveWordList().Find(TokenString()) >= 0;
}

bool TFountainParser::AtLeftBracket() {
  TFountainBracketCollection& brackets = fountain_->Brackets();
  for (int i = 0; i < brackets.Count(); ++i) {
    const std::string& left = brackets.Items(i).LeftBracket();
    if (!left.empty() && StartsWith(runPtr_, left)) {
      bracketIndex_ = i;
      runPtr_ += left.size();
      return true;
    }
  }
  return false;
}

void TFountainParser::ScanBracket() {
  TFountainBracketCollection& brackets = fountain_->Brackets();
  if (bracketIndex_ < 0 || bracketIndex_ >= brackets.Count() ||
      brackets.Items(bracketIndex_).RightBracket().empty()) {
    token_ = TokenKind::End;
    return;
  }
  const std::string& right = brackets.Items(bracketIndex_).RightBracket();
  token_ = TokenKind::Bracket;
  tokenBracketIndex_ = bracketIndex_;
  while (!AtRowEnd(runPtr_)) {
    if (StartsWith(runPtr_, right)) {
      runPtr_ += right.size();
      bracketIndex_ = -1;
      return;
    }
    runPtr_ += CharLen(runPtr_);
  }
}

bool TFountainParser::AtMail() {
  const char* p = runPtr_;
  if (!IsMailChar(U(p)) || *p == '@') return false;
  bool armed = false;
  for (; IsMailChar(U(p)); ++p) {
    if (*p == '@') armed = true;
    else if (*p == '.' && armed) {
      runPtr_ = p + 1;
      return true;
    }
  }
  return false;
}

void TFountainParser::ScanMail() {
  token_ = TokenKind::Mail;
  while (IsMailChar(U(runPtr_))) ++runPtr_;
}

bool TFountainParser::AtUrl() {
  static constexpr std::string_view kPrefixes[] = {"ftp:", "http:", "https:", "www."};
  for (std::string_view prefix : kPrefixes) {
    if (*runPtr_ == prefix[0] && StartsWith(runPtr_, prefix)) {
      runPtr_ += prefix.size();
      return true;
    }
  }
  return false;
}

void TFountainParser::ScanUrl() {
  token_ = TokenKind::Url;
  while (IsUrlChar(U(runPtr_))) ++runPtr_;
}

void TFountainParser::ScanReserveWord() {
  RunCharScanner();
  token_ = TokenKind::Reserve;
}

void TFountainParser::ScanEnd() { token_ = TokenKind::End; }

void TFountainParser::ScanTab() {
  token_ = TokenKind::Tab;
  ++runPtr_;
}

void TFountainParser::ScanLineFeed() {
  token_ = TokenKind::End;
  ++runPtr_;
}

void TFountainParser::ScanReturn() {
  token_ = TokenKind::End;
  ++runPtr_;
  if (*runPtr_ == '\n') ++runPtr_;
}

void TFountainParser::ScanComment() {
  token_ = TokenKind::Comment;
  while (!AtRowEnd(runPtr_)) ++runPtr_;
}

void TFountainParser::ScanHex() {
  token_ = TokenKind::HexNumber;
  while (IsHexDigit(U(runPtr_))) ++runPtr_;
}

void TFountainParser::ScanNumber() {
  token_ = TokenKind::Integer;
  while (IsDigit(U(runPtr_))) ++runPtr_;
  auto exponent = [this] {
    ++runPtr_;  // 'E' or 'e'
    if (*runPtr_ == '+' || *runPtr_ == '-') ++runPtr_;
    while (IsDigit(U(runPtr_))) ++runPtr_;
  };
  if (*runPtr_ == '.' && (IsDigit(U(runPtr_ + 1)) || runPtr_[1] == 'E' || runPtr_[1] == 'e')) {
    token_ = TokenKind::Float;
    ++runPtr_;
    while (IsDigit(U(runPtr_))) ++runPtr_;
    if (*runPtr_ == 'E' || *runPtr_ == 'e') exponent();
  } else if (*runPtr_ == 'E' || *runPtr_ == 'e') {
    token_ = TokenKind::Float;
    exponent();
  }
}

void TFountainParser::ScanWord() {
  token_ = TokenKind::AnkWord;
  while (IsWordChar(U(runPtr_))) ++runPtr_;
}

void TFountainParser::ScanDbSymbol() {
  token_ = TokenKind::DbSymbol;
  runPtr_ += CharLen(runPtr_);
}

void TFountainParser::ScanDbKana() {
  auto second = [](const char* p) { return U(p + 1); };
  auto isDigitChar = [&](const char* p) {
    return U(p) == 0x82 && second(p) >= 0x4F && second(p) <= 0x58;
  };
  auto isAlpha = [&](const char* p) {
    return U(p) == 0x82 && ((second(p) >= 0x60 && second(p) <= 0x79) ||
                            (second(p) >= 0x81 && second(p) <= 0x9A));
  };
  auto isHiragana = [&](const char* p) {
    return U(p) == 0x82 && second(p) >= 0x9F && second(p) <= 0xF1;
  };
  auto isKatakana = [&](const char* p) {
    return U(p) == 0x83 && second(p) >= 0x40 && second(p) <= 0x96;
  };
  auto isMark = [&](const char* p, unsigned char lo, unsigned char hi) {
    return U(p) == 0x81 && second(p) >= lo && second(p) <= hi;
  };
  const char* p = runPtr_;
  if (CharLen(p) < 2) {
    token_ = TokenKind::DbSymbol;
    runPtr_ += 1;
    return;
  }
  if (isDigitChar(p)) {
    token_ = TokenKind::DbDigit;
    do p += 2; while (isDigitChar(p) || isMark(p, 0x43, 0x44));
  } else if (isAlpha(p)) {
    token_ = TokenKind::DbAlpha;
    do p += 2; while (isAlpha(p));
  } else if (isHiragana(p)) {
    token_ = TokenKind::Hiragana;
    do p += 2; while (isHiragana(p) || isMark(p, 0x5B, 0x5B) || isMark(p, 0x7C, 0x7C));
  } else if (isKatakana(p)) {
    token_ = TokenKind::Katakana;
    do p += 2; while (isKatakana(p) || isMark(p, 0x5B, 0x5B) || isMark(p, 0x7C, 0x7C));
  } else {
    token_ = TokenKind::DbSymbol;
    p += 2;
  }
  runPtr_ = p;
}

void TFountainParser::ScanKanji() {
  token_ = TokenKind::Kanji;
  while ((U(runPtr_) >= 0x88 && U(runPtr_) <= 0x9F) || (U(runPtr_) >= 0xE0 && U(runPtr_) <= 0xFC)) {
    ++runPtr_;
    if (U(runPtr_) > 0x3F) ++runPtr_;
  }
}

void TFountainParser::ScanKanaSymbol() {
  token_ = TokenKind::KanaSymbol;
  ++runPtr_;
}

void TFountainParser::ScanKana() {
  token_ = TokenKind::Kana;
  while (U(runPtr_) >= 0xA6 && U(runPtr_) <= 0xDF) ++runPtr_;
}

void TFountainParser::ScanSymbol() {
  token_ = TokenKind::Symbol;
  if (*runPtr_ != '\0') ++runPtr_;
}

void TFountainParser::ScanQuotedBy(char quote, TokenKind kind) {
  token_ = kind;
  if (!continuing_ && *runPtr_ == quote) ++runPtr_;
  while (!AtRowEnd(runPtr_)) {
    if (*runPtr_ == quote) {
      if (runPtr_[1] == quote) {
        runPtr_ += 2;
        continue;
      }
      ++runPtr_;
      return;
    }
    runPtr_ += CharLen(runPtr_);
  }
}

void TFountainParser::ScanSingleQuoted() { ScanQuotedBy('\'', TokenKind::SingleQuoted); }
void TFountainParser::ScanDoubleQuoted() { ScanQuotedBy('"', TokenKind::DoubleQuoted); }

void TFountainParser::ScanContinued() {
  if (continuedLength_ > 0) {
    token_ = continuedKind_;
    for (int i = 0; i < continuedLength_ && *runPtr_ != '\0'; ++i) ++runPtr_;
    if (token_ == TokenKind::Bracket) {
      tokenBracketIndex_ = bracketIndex_;
      bracketIndex_ = -1;  // the carried bytes were the tail of the right bracket
    }
  } else {
    (this->*continueTable_[size_t(continuedKind_)])();
    if (runPtr_ == tokenPtr_) {
      // The carried kind does not go on here (a hex number cut after its prefix): scan
      // the row afresh rather than make an empty token.
      continuing_ = false;
      continuedKind_ = TokenKind::End;
      if (bracketIndex_ < 0)
        ScanDispatch();
      else
        ScanBracket();
    }
  }
  continuedKind_ = TokenKind::End;
  continuedLength_ = 0;
}

void TFountainParser::ScanDispatch() {
  if (bracketIndex_ == -1 && AtLeftBracket())
    ScanBracket();
  else
    RunCharScanner();
}

void TFountainParser::ParseRow(int row, const TRowAttributeStringList& rows,
                               TRowAttributeData& state) {
  if (KindIn(state.ContinuedKind, WholeRowKinds())) {
    if (rows.RowAttribute(row) != TRowAttribute::Wrapped) state.ContinuedKind = TokenKind::End;
    state.ContinuedLength = 0;
    return;
  }
  const std::string& own = rows.Ref(row);
  if (own.find_first_not_of(' ') == std::string::npos) return;
  const int len = static_cast<int>(own.size());
  const bool joined = state.RowAttribute == TRowAttribute::Wrapped && row + 1 < rows.Count();
  if (joined) {
    std::string text;
    text.reserve(own.size() + rows.Ref(row + 1).size());
    text += own;
    text += rows.Ref(row + 1);
    Init(text, state);
  } else {
    Init(own, state);
  }
  int savedBracket = state.BracketIndex;
  int savedSlot = state.StateSlot1;
  TokenKind lastKind = TokenKind::End;
  while (NextToken() != TokenKind::End) {
    lastKind = token_;
    state.BracketIndex = bracketIndex_;
    if (lastKind == TokenKind::Bracket) savedBracket = tokenBracketIndex_;
    savedSlot = stateSlot1_;
    if (TokenPos() + TokenLength() > len) break;
    state.StateSlot1 = stateSlot1_;
    state.StateSlot3 = stateSlot3_;
  }
  state.ContinuedLength = 0;
  state.ContinuedKind = TokenKind::End;
  if (token_ != TokenKind::End && TokenPos() >= len) {
    state.BracketIndex = -1;
    return;
  }
  const int tokenEnd = TokenPos() + TokenLength();
  if (TokenPos() < len && len < tokenEnd) {
    const int rest = tokenEnd - len;
    state.StateSlot1 = savedSlot;
    if (lastKind == TokenKind::Bracket) {
      if (state.BracketIndex == -1) {
        state.BracketIndex = savedBracket;
        TFountainBracketCollection& brackets = fountain_->Brackets();
        if (savedBracket >= 0 && savedBracket < brackets.Count() &&
            rest < static_cast<int>(brackets.Items(savedBracket).RightBracket().size())) {
          state.ContinuedKind = TokenKind::Bracket;
          state.ContinuedLength = rest;
        }
      }
    } else {
      TokenKind kind = CheckReserveWord(lastKind);
      state.ContinuedKind = kind;
      if (KindIn(kind, NonContinuedKinds())) return;
      if (tokenEnd >= static_cast<int>(buffer_.size()) && joined &&
          rows.RowAttribute(row + 1) == TRowAttribute::Wrapped)
        return;  // the next row scans the kind again
      state.ContinuedLength = rest;
    }
  }
}

}  // namespace glean
