#include "editor/control/core/view_info.h"

namespace glean {

TEditorViewInfo::TEditorViewInfo() : fountain_(CreateFountain()) {
  fountain_->NotifyEventList().Add(this, [this](TObject*) { Changed(); });
}

TEditorViewInfo::~TEditorViewInfo() { fountain_->NotifyEventList().Remove(this); }

std::unique_ptr<TEditorFountain> TEditorViewInfo::CreateFountain() {
  return std::make_unique<TEditorFountain>();
}

void TEditorViewInfo::Assign(TEditorViewInfo& s) {
  if (&s == this) return;
  BeginUpdate();
  TNotifyEventList& notify = fountain_->NotifyEventList();
  notify.BeginUpdate();
  SetBrackets(s.Brackets());
  SetColors(s.Colors());
  SetCommenter(s.Commenter());
  SetControlCode(s.ControlCode());
  SetHexPrefix(s.HexPrefix());
  SetMail(s.Mail());
  SetQuotation(s.Quotation());
  SetUrl(s.Url());
  notify.EndUpdate();
  EndUpdate();
}

}  // namespace glean
