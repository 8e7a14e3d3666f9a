// The table-driven Shift-JIS tokenizer of the fountains. It cuts one screen row into
// tokens and carries a small state from row to row (an open bracket region, a comment,
// a token cut by word wrap), so that the rows after them are coloured correctly.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "editor/model/fountain.h"
#include "editor/model/row_attribute.h"
#include "editor/model/string_list.h"

namespace glean {

class TFountainParser {
 public:
  // Raises "TFountainParser.Create need instance of TFountain" without a fountain.
  // A descendant that overrides InitTables calls it again in its own constructor.
  explicit TFountainParser(TFountain* fountain);
  virtual ~TFountainParser() = default;
  TFountainParser(const TFountainParser&) = delete;
  TFountainParser& operator=(const TFountainParser&) = delete;

  // Starts tokenizing `text` (copied) from the row state `state`.
  void Init(std::string_view text, const TRowAttributeData& state);
  TokenKind NextToken();
  // Advances `state` from the start of `row` to the start of the next row.
  void ParseRow(int row, const TRowAttributeStringList& rows, TRowAttributeData& state);
  // The colour of the current token, or null for the editor's own colours.
  virtual TFountainColor* TokenColor() = 0;

  TokenKind Token() const { return token_; }
  int TokenPos() const { return int(tokenPtr_ - buffer_.c_str()); }
  int TokenLength() const { return int(sourcePtr_ - tokenPtr_); }
  std::string_view TokenString() const { return {tokenPtr_, size_t(sourcePtr_ - tokenPtr_)}; }
  int BracketIndex() const { return bracketIndex_; }
  int TokenBracketIndex() const { return tokenBracketIndex_; }
  bool Continuing() const { return continuing_; }
  TFountain* Fountain() const { return fountain_; }

  virtual bool IsReserveWord();
  TokenKind CheckReserveWord(TokenKind kind) { return IsReserveWord() ? TokenKind::Reserve : kind; }
  virtual TokenKinds NonContinuedKinds() const {
    return KindBit(TokenKind::Comment) | KindBit(TokenKind::SingleQuoted) |
           KindBit(TokenKind::DoubleQuoted);
  }
  virtual TokenKinds WholeRowKinds() const { return KindBit(TokenKind::Comment); }

 protected:
  using Scanner = void (TFountainParser::*)();

  virtual void InitTables();
  virtual void SkipBlanks();
  virtual bool AtLeftBracket();
  virtual void ScanBracket();
  virtual bool AtMail();
  virtual void ScanMail();
  virtual bool AtUrl();
  virtual void ScanUrl();
  virtual void ScanReserveWord();
  virtual void ScanEnd();
  virtual void ScanTab();
  virtual void ScanLineFeed();
  virtual void ScanReturn();
  virtual void ScanComment();
  virtual void ScanHex();
  virtual void ScanNumber();
  virtual void ScanWord();
  virtual void ScanDbSymbol();
  virtual void ScanDbKana();
  virtual void ScanKanji();
  virtual void ScanKanaSymbol();
  virtual void ScanKana();
  virtual void ScanSymbol();
  virtual void ScanSingleQuoted();
  virtual void ScanDoubleQuoted();
  virtual void ScanContinued();
  virtual void ScanDispatch();

  void RunCharScanner() { (this->*charTable_[static_cast<unsigned char>(*runPtr_)])(); }
  void SetContinue(TokenKind kind, Scanner s) { continueTable_[size_t(kind)] = s; }
  // Length of the character at `p`: 2 for a lead byte with a byte after it.
  static int CharLen(const char* p);
  static bool AtRowEnd(const char* p) { return *p == '\0' || *p == '\r' || *p == '\n'; }
  void ScanQuotedBy(char quote, TokenKind kind);

  TFountain* fountain_;
  std::string buffer_;
  const char* runPtr_ = nullptr;
  const char* tokenPtr_ = nullptr;
  const char* sourcePtr_ = nullptr;
  TokenKind token_ = TokenKind::End;
  int bracketIndex_ = -1;
  int tokenBracketIndex_ = -2;
  bool continuing_ = false;
  TokenKind continuedKind_ = TokenKind::End;
  int continuedLength_ = 0;
  TRowAttribute rowAttribute_ = TRowAttribute::LineBreak;
  TRowAttribute prevRowAttribute_ = TRowAttribute::LineBreak;
  int stateSlot1_ = 0;
  int stateSlot2_ = 0;
  uint8_t stateSlot3_ = 0;
  std::string rowString_;
  std::array<Scanner, 256> charTable_{};
  std::array<Scanner, 256> continueTable_{};
};

}  // namespace glean
