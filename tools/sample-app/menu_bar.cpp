#include "sample_window.h"

namespace sample_app {
namespace {

HMENU BuildPopup(const std::vector<MenuItem>& items) {
  HMENU popup = CreatePopupMenu();
  for (const MenuItem& item : items) {
    if (item.command == 0)
      AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuA(popup, MF_STRING, item.command, item.text.c_str());
  }
  return popup;
}

}  // namespace

HMENU BuildMenuBar(const std::vector<MenuEntry>& menu) {
  if (menu.empty()) return nullptr;
  HMENU bar = CreateMenu();
  for (const MenuEntry& entry : menu) {
    if (entry.text.empty())
      AppendMenuA(bar, MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopup(entry.items)), entry.text.c_str());
  }
  return bar;
}

}  // namespace sample_app
