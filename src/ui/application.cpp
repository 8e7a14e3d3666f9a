#include "ui/application.h"

#include "base/errors.h"

namespace glean::ui {

const char kApplicationTitle[] = "グリーナ！";

void ShowErrorMessage(HWND owner, const std::string& message) {
  MessageBoxA(owner, message.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

void Guarded(HWND owner, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const Exception& e) {
    ShowErrorMessage(owner, e.Message());
  } catch (const std::exception& e) {
    ShowErrorMessage(owner, e.what());
  }
}

int RunMessageLoop(HWND dialogWindow) {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (dialogWindow && IsDialogMessageA(dialogWindow, &msg)) continue;
    TranslateMessage(&msg);
    Guarded(msg.hwnd, [&] { DispatchMessageA(&msg); });
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace glean::ui
