// "環境設定(&E)...": the settings dialog over the main window, and what its OK changes.
#include "main/body.h"
#include "settings/settings_dialog.h"

namespace glean {

void TBody::N18Click() {
  {
    TSettei dialog(capture_, capture_.no_access, [this](const std::string& text) { Announce(text); });
    dialog.SetSystemColors(view_.system_colors);
    if (dialog.ShowModal(hwnd_)) {
      const CaptureOptions& chosen = dialog.Result();
      capture_ = chosen;
      ini_.SaveCaptureOptions(capture_);
      if (dialog.SystemColorsResult() != view_.system_colors) {
        view_.system_colors = dialog.SystemColorsResult();
        ini_.SaveSystemColors(view_.system_colors);
        ApplyColours();
      }
      SrchBtnClick();
    }
  }
  // The modal dialog took the window's place in front.
  if (AlwsFrgrnd_->Checked()) SetTopmost(true);
}

}  // namespace glean
