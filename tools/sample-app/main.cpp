// SampleApp.exe [--title TEXT] [--scenario NAME] [--hang-after MS] [--folder PATH]
#include <windows.h>
#include <commctrl.h>

#include "app.h"
#include "command_line.h"
#include "sample_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace sample_app;
  Options options;
  if (!ParseOptions(SplitCommandLine(GetCommandLineA()), options).empty()) return kExitBadArguments;
  if (!options.folder.empty() && !FillDesktopFolder(options.folder)) return kExitBadArguments;

  INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&init);
  if (OpenScenario(instance, options).empty()) return kExitNoWindow;

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
