// "環境設定(&E)...": the settings dialog over the main window, and what its OK changes.
#include "main/body.h"
#include "settings/settings_dialog.h"

namespace glean {

void TBody::N18Click() {
  {
    TSettei dialog(capture_, capture_.no_access, [this](const std::string& text) { Announce(text); });
    if (dialog.ShowModal(hwnd_)) {
      const CaptureOptions& chosen = dialog.Result();
      capture_ = chosen;
      ini_.SaveCaptureOptions(capture_);
      SrchBtnClick();
    }
  }
  // The modal dialog took the window's place in front.
  if (AlwsFrgrnd_->Checked()) SetTopmost(true);
}

}  // namespace glean
