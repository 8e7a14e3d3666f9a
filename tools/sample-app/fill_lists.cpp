// List boxes and combo boxes: items, then the selection.
#include <windows.h>
#include <commctrl.h>

#include "fill.h"

namespace sample_app {

void FillListBox(HWND list, const ListItems& items, bool multiple) {
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (const std::string& item : items.items)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (multiple) {
    for (int index : items.selected) SendMessageA(list, LB_SETSEL, TRUE, index);
  } else if (!items.selected.empty()) {
    SendMessageA(list, LB_SETCURSEL, items.selected.front(), 0);
  }
  SendMessageA(list, LB_SETTOPINDEX, 0, 0);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

void FillComboBox(HWND combo, const ListItems& items) {
  for (const std::string& item : items.items)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (!items.selected.empty()) SendMessageA(combo, CB_SETCURSEL, items.selected.front(), 0);
}

void FillTab(HWND tab, const TabData& data) {
  for (std::size_t i = 0; i < data.pages.size(); ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(data.pages[i].c_str());
    SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(tab, TCM_SETCURSEL, data.shown, 0);
}

}  // namespace sample_app
