#include "editor/control/core/bar_options.h"

namespace glean {

void TEditorRuler::SetGaugeRange(int v) { SetClampedEven(gaugeRange_, v, 8, 10); }

void TEditorRuler::CopyFields(const TEditorRuler& s) {
  SetBkColor(s.bkColor_);
  SetColor(s.color_);
  SetEdge(s.edge_);
  SetGaugeRange(s.gaugeRange_);
  SetMarkColor(s.markColor_);
  SetVisible(s.visible_);
}

void TEditorLeftbar::CopyFields(const TEditorLeftbar& s) {
  SetBkColor(s.bkColor_);
  SetColor(s.color_);
  SetColumn(s.column_);
  SetEdge(s.edge_);
  SetLeftMargin(s.leftMargin_);
  SetRightMargin(s.rightMargin_);
  SetShowNumber(s.showNumber_);
  SetShowNumberMode(s.mode_);
  SetVisible(s.visible_);
  SetZeroBase(s.zeroBase_);
  SetZeroLead(s.zeroLead_);
}

void TEditorImagebar::CopyFields(const TEditorImagebar& s) {
  SetDigitWidth(s.digitWidth_);
  SetLeftMargin(s.leftMargin_);
  SetMarkWidth(s.markWidth_);
  SetRightMargin(s.rightMargin_);
  SetVisible(s.visible_);
}

}  // namespace glean
