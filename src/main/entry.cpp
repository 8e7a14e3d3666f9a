// Glean's entry point: one instance, the main window, the message loop.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "base/errors.h"
#include "main/body.h"
#include "main/single_instance.h"
#include "ui/application.h"
#include "ui/dpi.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  // The manifest declares it; a system that skipped the manifest gets the same chain.
  glean::ui::DeclareDpiAwareness();
  if (glean::ActivateRunningInstance()) return 0;
  glean::win::UniqueHandle mutex = glean::CreateInstanceMutex();  // lives until the end

  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  // The pane's UI Automation and MSAA objects are served to screen readers through COM.
  struct OleScope {
    bool on = SUCCEEDED(OleInitialize(nullptr));
    ~OleScope() {
      if (on) OleUninitialize();
    }
  } ole;
  try {
    glean::TBody body(instance);
    glean::ui::SetShortcuts(body.Handle(), body.Shortcuts());
    body.Show(showCommand);
    return glean::ui::RunMessageLoop(body.Handle());
  } catch (const glean::Exception& e) {
    glean::ui::ShowErrorMessage(nullptr, e.Message());
    return 1;
  }
}
