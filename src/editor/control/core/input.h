// What the keyboard and mouse layer exchanges with the host: key codes (the Windows
// virtual-key numbers, so the host passes them through unchanged), the shift state and
// the host events' signatures, as Delphi's controls have them.
#pragma once

#include <cstdint>
#include <functional>

#include "base/notify.h"

namespace glean {

// Delphi's TShiftState as bits.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16,
                      ssMiddle = 32, ssDouble = 64;

// The virtual-key codes the control acts on.
namespace vk {
constexpr uint16_t Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11,
                   Escape = 0x1B, Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24,
                   Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Delete = 0x2E,
                   F10 = 0x79, Apps = 0x5D;
}  // namespace vk

// OnKeyDown, OnKeyUp: the key by reference; a handler that sets it to 0 swallows it.
using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
// OnKeyPress: the character byte by reference; 0 swallows it, another value replaces it.
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
// OnMouseMove: client coordinates.
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

}  // namespace glean
