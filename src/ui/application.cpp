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

namespace {
struct HintState {
  HintLookup lookup;
  HintHandler onHint;
  std::string current;
};
HintState& Hints() {
  static HintState state;
  return state;
}

void TrackHint(const MSG& msg) {
  HintState& h = Hints();
  if (msg.message != WM_MOUSEMOVE || !h.lookup) return;
  std::string hint = h.lookup(msg.hwnd);
  if (hint == h.current) return;
  h.current = std::move(hint);
  if (h.onHint) Guarded(msg.hwnd, [&] { h.onHint(h.current); });
}

struct Shortcuts {
  HWND window = nullptr;
  HACCEL table = nullptr;
};
Shortcuts& CurrentShortcuts() {
  static Shortcuts shortcuts;
  return shortcuts;
}

bool TranslateShortcut(MSG& msg) {
  const Shortcuts& s = CurrentShortcuts();
  if (!s.table || !msg.hwnd) return false;
  if (msg.hwnd != s.window && !IsChild(s.window, msg.hwnd)) return false;  // a dialog's keys are its own
  bool done = false;
  Guarded(s.window, [&] { done = TranslateAcceleratorA(s.window, s.table, &msg) != 0; });
  return done;
}

// A double-byte character's byte for a control that takes characters goes to it directly.
// The dialog manager would only pass it on, and under Wine its conversion to UTF-16 takes
// each byte alone (typed Unicode arrives one byte at a time) and turns the character into
// "・".
bool DoubleByteForCharTaker(const MSG& msg) {
  return msg.message == WM_CHAR && (msg.wParam & 0xFF) >= 0x80 && msg.hwnd &&
         (SendMessageA(msg.hwnd, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&msg)) & DLGC_WANTCHARS);
}

void Dispatch(HWND dialogWindow, MSG& msg) {
  if (TranslateShortcut(msg)) return;
  if (!(dialogWindow && !DoubleByteForCharTaker(msg) && IsDialogMessageA(dialogWindow, &msg))) {
    TranslateMessage(&msg);
    Guarded(msg.hwnd, [&] { DispatchMessageA(&msg); });
  }
  TrackHint(msg);
}
}  // namespace

int RunMessageLoop(HWND dialogWindow) {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(dialogWindow, msg);
  return static_cast<int>(msg.wParam);
}

void ProcessMessages(HWND dialogWindow, const std::function<bool(const MSG&)>& intercept) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (intercept && intercept(msg)) continue;
    Dispatch(dialogWindow, msg);
  }
}

void SetShortcuts(HWND window, HACCEL table) {
  CurrentShortcuts().window = window;
  CurrentShortcuts().table = table;
}

void SetHintHandlers(HintLookup lookup, HintHandler onHint) {
  Hints().lookup = std::move(lookup);
  Hints().onHint = std::move(onHint);
  Hints().current.clear();
}

const std::string& CurrentHint() { return Hints().current; }

}  // namespace glean::ui
