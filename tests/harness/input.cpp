#include "harness/input.h"

#include <vector>

namespace glean::test {

namespace {
// Absolute input coordinates run from 0 to 65536 over the screen; rounded up so that the
// window system's mapping back lands on the very pixel.
LONG Absolute(LONG pixel, int metric) {
  const LONGLONG size = GetSystemMetrics(metric);
  return static_cast<LONG>((pixel * 65536LL + size - 1) / size);
}

void SendMouse(DWORD flags, POINT at) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Absolute(at.x, SM_CXSCREEN);
  input.mi.dy = Absolute(at.y, SM_CYSCREEN);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}
}  // namespace

void Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

void Press(WORD key, std::initializer_list<WORD> modifiers) {
  for (WORD m : modifiers) Key(m, false);
  Key(key, false);
  Key(key, true);
  for (auto m = modifiers.end(); m != modifiers.begin();) Key(*--m, true);
}

void TypeUnicode(const std::wstring& text) {
  std::vector<INPUT> input;
  for (wchar_t c : text) {
    for (DWORD up : {DWORD(0), DWORD(KEYEVENTF_KEYUP)}) {
      INPUT in{};
      in.type = INPUT_KEYBOARD;
      in.ki.wScan = c;
      in.ki.dwFlags = KEYEVENTF_UNICODE | up;
      input.push_back(in);
    }
  }
  SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

void MoveMouse(POINT to) { SendMouse(0, to); }

void MouseButton(DWORD buttonFlags, POINT at) { SendMouse(buttonFlags, at); }

}  // namespace glean::test
