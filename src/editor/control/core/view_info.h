// The view options (`View`): the editor's own colouring scheme, exposed property by
// property. A change made here or directly on the fountain reaches the editor.
#pragma once

#include <string>

#include "editor/control/core/option_base.h"
#include "editor/model/editor_fountain.h"

namespace glean {

class TEditorViewInfo : public TEditorOption {
 public:
  TEditorViewInfo();
  ~TEditorViewInfo() override;
  TEditorViewInfo(const TEditorViewInfo&) = delete;
  TEditorViewInfo& operator=(const TEditorViewInfo&) = delete;

  TEditorFountain& Fountain() { return *fountain_; }

  TEditorBracketCollection& Brackets() { return fountain_->EditorBrackets(); }
  void SetBrackets(const TFountainBracketCollection& b) { fountain_->SetBrackets(b); }
  TEditorColors& Colors() { return fountain_->Colors(); }
  void SetColors(TEditorColors& c) { fountain_->SetColors(c); }
  const std::string& Commenter() const { return fountain_->Commenter(); }
  void SetCommenter(const std::string& v) { fountain_->SetCommenter(v); }
  bool ControlCode() const { return fountain_->ControlCode(); }
  void SetControlCode(bool v) { fountain_->SetControlCode(v); }
  const std::string& HexPrefix() const { return fountain_->HexPrefix(); }
  void SetHexPrefix(const std::string& v) { fountain_->SetHexPrefix(v); }
  bool Mail() const { return fountain_->Mail(); }
  void SetMail(bool v) { fountain_->SetMail(v); }
  const std::string& Quotation() const { return fountain_->Quotation(); }
  // The parser compares one byte only, so only the first byte is kept.
  void SetQuotation(const std::string& v) { fountain_->SetQuotation(v.substr(0, 1)); }
  bool Url() const { return fountain_->Url(); }
  void SetUrl(bool v) { fountain_->SetUrl(v); }

  void Assign(TEditorViewInfo& s);

 protected:
  virtual std::unique_ptr<TEditorFountain> CreateFountain();

 private:
  std::unique_ptr<TEditorFountain> fountain_;
};

}  // namespace glean
