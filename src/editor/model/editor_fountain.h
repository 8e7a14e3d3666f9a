// The fountain every editor has: a commenter, a quotation byte, control codes, a hex
// prefix, mail and URL recognition, and eleven colour triples for the token kinds.
#pragma once

#include <memory>
#include <string>

#include "editor/model/fountain.h"
#include "editor/model/fountain_parser.h"

namespace glean {

class TEditorFountain;

class TEditorColor : public TFountainColor {};

class TEditorColors : public TNotifyPersistent {
 public:
  explicit TEditorColors(TEditorFountain* fountain);

  TEditorColor& Ank() { return ank_; }
  TEditorColor& Comment() { return comment_; }
  TEditorColor& DBCS() { return dbcs_; }
  TEditorColor& Hit() { return hit_; }
  TEditorColor& Int() { return int_; }
  TEditorColor& Mail() { return mail_; }
  // The fountain's own reserved-word colour.
  TFountainColor& Reserve();
  TEditorColor& Select() { return select_; }
  TEditorColor& Str() { return str_; }
  TEditorColor& Symbol() { return symbol_; }
  TEditorColor& Url() { return url_; }

  void SetAnk(const TFountainColor& c) { ank_.Assign(c); }
  void SetComment(const TFountainColor& c) { comment_.Assign(c); }
  void SetDBCS(const TFountainColor& c) { dbcs_.Assign(c); }
  void SetHit(const TFountainColor& c) { hit_.Assign(c); }
  void SetInt(const TFountainColor& c) { int_.Assign(c); }
  void SetMail(const TFountainColor& c) { mail_.Assign(c); }
  void SetReserve(const TFountainColor& c) { Reserve().Assign(c); }
  void SetSelect(const TFountainColor& c) { select_.Assign(c); }
  void SetStr(const TFountainColor& c) { str_.Assign(c); }
  void SetSymbol(const TFountainColor& c) { symbol_.Assign(c); }
  void SetUrl(const TFountainColor& c) { url_.Assign(c); }

  // Copies every colour inside one update block: one notification.
  void Assign(TEditorColors& source);
  // The colours with their property names, Reserve included.
  void ForEach(const TFountain::TColorVisitor& visit);

 private:
  TEditorFountain* fountain_;
  TEditorColor ank_, comment_, dbcs_, hit_, int_, mail_, select_, str_, symbol_, url_;
};

class TEditorBracketCollection : public TFountainBracketCollection {
 public:
  using TFountainBracketCollection::TFountainBracketCollection;
  void SetAllBkColor(TColor c);
  void SetAllColor(TColor c);
  void SetAllStyle(TFontStyles s);
};

class TEditorFountain : public TFountain {
 public:
  TEditorFountain() = default;

  TEditorColors& Colors();
  void SetColors(TEditorColors& c) { Colors().Assign(c); }
  const std::string& Commenter() const { return commenter_; }
  void SetCommenter(const std::string& v) { Set(commenter_, v); }
  bool ControlCode() const { return controlCode_; }
  void SetControlCode(bool v) { Set(controlCode_, v); }
  const std::string& HexPrefix() const { return hexPrefix_; }
  void SetHexPrefix(const std::string& v) { Set(hexPrefix_, v); }
  bool Mail() const { return mail_; }
  void SetMail(bool v) { Set(mail_, v); }
  // Only the first byte counts.
  const std::string& Quotation() const { return quotation_; }
  void SetQuotation(const std::string& v) { Set(quotation_, v); }
  bool Url() const { return url_; }
  void SetUrl(bool v) { Set(url_, v); }

  TEditorBracketCollection& EditorBrackets() {
    return static_cast<TEditorBracketCollection&>(Brackets());
  }

  TParserClass GetParserClass() const override;
  void ForEachColor(const TColorVisitor& visit) override;

  // One part of every colour of Colors but Select and Hit; one notification.
  virtual void SetAllBkColor(TColor c);
  virtual void SetAllColor(TColor c);
  virtual void SetAllStyle(TFontStyles s);

 protected:
  virtual std::unique_ptr<TEditorColors> CreateColors();
  std::unique_ptr<TFountainBracketCollection> CreateBrackets() override;

 private:
  template <class T>
  void Set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    NotifyEventList().ChangedProc(this);  // the editors re-colour
  }
  void ApplyToColors(const TFountainColor& source, int mask);

  std::unique_ptr<TEditorColors> colors_;
  std::string commenter_;
  bool controlCode_ = false;
  std::string hexPrefix_;
  bool mail_ = false;
  std::string quotation_;
  bool url_ = false;
};

class TEditorParser : public TFountainParser {
 public:
  explicit TEditorParser(TFountain* fountain);
  TFountainColor* TokenColor() override;

 protected:
  void InitTables() override;
  void ScanDispatch() override;
  virtual bool AtQuotation();
  virtual void ScanQuoted();
  virtual bool AtCommenter();
  virtual bool AtHexPrefix();
  virtual bool AtHexControlCode();
  virtual void ScanHexControlCode();
  virtual bool AtControlCode();
  virtual void ScanControlCode();

 private:
  TEditorFountain* Editor() const { return editorFountain_; }
  TEditorFountain* editorFountain_;
};

}  // namespace glean
