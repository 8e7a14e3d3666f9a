#include "editor/model/editor_fountain.h"

#include "base/errors.h"

namespace glean {

TEditorColors::TEditorColors(TEditorFountain* fountain) : fountain_(fountain) {
  select_.SetBkColor(clNavy);
  select_.SetColor(clWhite);
  for (TEditorColor* c : {&ank_, &comment_, &dbcs_, &hit_, &int_, &mail_, &select_, &str_,
                          &symbol_, &url_})
    c->OnChange = [this](TObject* sender) { ChangedProc(sender); };
}

TFountainColor& TEditorColors::Reserve() { return fountain_->Reserve(); }

void TEditorColors::Assign(TEditorColors& source) {
  fountain_->NotifyEventList().BeginUpdate();  // the Reserve colour notifies there
  BeginUpdate();
  ank_.Assign(source.ank_);
  comment_.Assign(source.comment_);
  dbcs_.Assign(source.dbcs_);
  hit_.Assign(source.hit_);
  int_.Assign(source.int_);
  mail_.Assign(source.mail_);
  str_.Assign(source.str_);
  symbol_.Assign(source.symbol_);
  Reserve().Assign(source.Reserve());
  url_.Assign(source.url_);
  select_.Assign(source.select_);
  EndUpdate();
  fountain_->NotifyEventList().EndUpdate();
}

void TEditorColors::ForEach(const TFountain::TColorVisitor& visit) {
  visit("Ank", ank_);
  visit("Comment", comment_);
  visit("DBCS", dbcs_);
  visit("Hit", hit_);
  visit("Int", int_);
  visit("Mail", mail_);
  visit("Reserve", Reserve());
  visit("Select", select_);
  visit("Str", str_);
  visit("Symbol", symbol_);
  visit("Url", url_);
}

void TEditorBracketCollection::SetAllBkColor(TColor c) {
  BeginUpdate();
  for (int i = 0; i < Count(); ++i) Items(i).ItemColor().SetBkColor(c);
  EndUpdate();
}

void TEditorBracketCollection::SetAllColor(TColor c) {
  BeginUpdate();
  for (int i = 0; i < Count(); ++i) Items(i).ItemColor().SetColor(c);
  EndUpdate();
}

void TEditorBracketCollection::SetAllStyle(TFontStyles s) {
  BeginUpdate();
  for (int i = 0; i < Count(); ++i) Items(i).ItemColor().SetStyle(s);
  EndUpdate();
}

// ---------------------------------------------------------------------------------------

std::unique_ptr<TEditorColors> TEditorFountain::CreateColors() {
  return std::make_unique<TEditorColors>(this);
}

std::unique_ptr<TFountainBracketCollection> TEditorFountain::CreateBrackets() {
  return std::make_unique<TEditorBracketCollection>(this);
}

TEditorColors& TEditorFountain::Colors() {
  if (!colors_) {
    colors_ = CreateColors();
    TNotifyEventList* list = &NotifyEventList();
    colors_->OnChange = [list](TObject* sender) { list->ChangedProc(sender); };
  }
  return *colors_;
}

TParserClass TEditorFountain::GetParserClass() const {
  return [](TFountain* f) -> std::unique_ptr<TFountainParser> {
    return std::make_unique<TEditorParser>(f);
  };
}

void TEditorFountain::ForEachColor(const TColorVisitor& visit) {
  Colors().ForEach(visit);  // Reserve is among them
  TFountainBracketCollection& brackets = Brackets();
  for (int i = 0; i < brackets.Count(); ++i) visit("Brackets", brackets.Items(i).ItemColor());
}

void TEditorFountain::ApplyToColors(const TFountainColor& source, int mask) {
  NotifyEventList().BeginUpdate();
  Colors().BeginUpdate();
  Colors().ForEach([&](const std::string& name, TFountainColor& c) {
    if (name == "Select" || name == "Hit") return;
    if (mask & 1) c.SetBkColor(source.BkColor());
    if (mask & 2) c.SetColor(source.Color());
    if (mask & 4) c.SetStyle(source.Style());
  });
  Colors().EndUpdate();
  NotifyEventList().EndUpdate();
}

void TEditorFountain::SetAllBkColor(TColor c) {
  TFountainColor t;
  t.SetBkColor(c);
  ApplyToColors(t, 1);
}

void TEditorFountain::SetAllColor(TColor c) {
  TFountainColor t;
  t.SetColor(c);
  ApplyToColors(t, 2);
}

void TEditorFountain::SetAllStyle(TFontStyles s) {
  TFountainColor t;
  t.SetStyle(s);
  ApplyToColors(t, 4);
}

// ---------------------------------------------------------------------------------------

namespace {
unsigned char Upper(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u >= 'a' && u <= 'z' ? u - 32 : u;
}
}  // namespace

TEditorParser::TEditorParser(TFountain* fountain)
    : TFountainParser(fountain), editorFountain_(dynamic_cast<TEditorFountain*>(fountain)) {
  if (!editorFountain_) throw Exception("TFountainParser.Create need instance of TFountain");
  TEditorParser::InitTables();
}

void TEditorParser::InitTables() {
  TFountainParser::InitTables();
  SetContinue(TokenKind::Quoted, static_cast<Scanner>(&TEditorParser::ScanQuoted));
  SetContinue(TokenKind::ControlCode, static_cast<Scanner>(&TEditorParser::ScanControlCode));
  SetContinue(TokenKind::HexControlCode,
              static_cast<Scanner>(&TEditorParser::ScanHexControlCode));
}

void TEditorParser::ScanDispatch() {
  TEditorFountain* f = Editor();
  if (bracketIndex_ == -1 && AtLeftBracket())
    ScanBracket();
  else if (f->Mail() && AtMail())
    ScanMail();
  else if (f->Url() && AtUrl())
    ScanUrl();
  else if (AtCommenter())
    ScanComment();
  else if (AtQuotation())
    ScanQuoted();
  else if (AtHexControlCode())
    ScanHexControlCode();
  else if (AtControlCode())
    ScanControlCode();
  else if (AtHexPrefix())
    ScanHex();
  else
    RunCharScanner();
}

bool TEditorParser::AtCommenter() {
  const std::string& c = Editor()->Commenter();
  if (c.empty()) return false;
  for (size_t i = 0; i < c.size(); ++i)
    if (runPtr_[i] != c[i]) return false;
  runPtr_ += c.size();
  return true;
}

bool TEditorParser::AtQuotation() {
  const std::string& q = Editor()->Quotation();
  if (q.empty() || *runPtr_ != q[0]) return false;
  // A quotation byte that leads a double-byte character opens with the whole character.
  runPtr_ += CharLen(runPtr_);
  return true;
}

void TEditorParser::ScanQuoted() {
  const std::string& q = Editor()->Quotation();
  if (q.empty()) {
    token_ = TokenKind::End;
    return;
  }
  token_ = TokenKind::Quoted;
  const char quote = q[0];
  while (!AtRowEnd(runPtr_)) {
    if (*runPtr_ == quote) {
      if (runPtr_[1] == quote) {
        runPtr_ += 2;  // a doubled quotation byte is part of the run
        continue;
      }
      runPtr_ += CharLen(runPtr_);  // the closing character, whole
      return;
    }
    runPtr_ += CharLen(runPtr_);
  }
}

bool TEditorParser::AtHexControlCode() {
  if (!Editor()->ControlCode() || runPtr_[0] != '#' || runPtr_[1] != '$') return false;
  runPtr_ += 2;
  return true;
}

void TEditorParser::ScanHexControlCode() {
  token_ = TokenKind::HexControlCode;
  for (;;) {
    unsigned char c = static_cast<unsigned char>(*runPtr_);
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'))) break;
    ++runPtr_;
  }
}

bool TEditorParser::AtControlCode() {
  if (!Editor()->ControlCode() || *runPtr_ != '#') return false;
  ++runPtr_;
  return true;
}

void TEditorParser::ScanControlCode() {
  token_ = TokenKind::ControlCode;
  while (*runPtr_ >= '0' && *runPtr_ <= '9') ++runPtr_;
}

bool TEditorParser::AtHexPrefix() {
  const std::string& prefix = Editor()->HexPrefix();
  if (prefix.empty()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (runPtr_[i] == '\0' || Upper(runPtr_[i]) != Upper(prefix[i])) return false;
  runPtr_ += prefix.size();
  return true;
}

TFountainColor* TEditorParser::TokenColor() {
  TEditorColors& colors = Editor()->Colors();
  if (IsReserveWord()) return &colors.Reserve();
  switch (token_) {
    case TokenKind::Symbol:
      return &colors.Symbol();
    case TokenKind::Integer:
    case TokenKind::Float:
    case TokenKind::HexNumber:
      return &colors.Int();
    case TokenKind::Bracket: {
      TFountainBracketCollection& b = Editor()->Brackets();
      if (tokenBracketIndex_ >= 0 && tokenBracketIndex_ < b.Count())
        return &b.Items(tokenBracketIndex_).ItemColor();
      return nullptr;
    }
    case TokenKind::Comment:
      return &colors.Comment();
    case TokenKind::Reserve:
      return &colors.Reserve();
    case TokenKind::AnkWord:
      return &colors.Ank();
    case TokenKind::DbSymbol:
    case TokenKind::DbDigit:
    case TokenKind::DbAlpha:
    case TokenKind::Hiragana:
    case TokenKind::Katakana:
    case TokenKind::Kanji:
    case TokenKind::KanaSymbol:
    case TokenKind::Kana:
      return &colors.DBCS();
    case TokenKind::Url:
      return &colors.Url();
    case TokenKind::Mail:
      return &colors.Mail();
    case TokenKind::Quoted:
    case TokenKind::ControlCode:
    case TokenKind::HexControlCode:
      return &colors.Str();
    default:
      return nullptr;
  }
}

}  // namespace glean
