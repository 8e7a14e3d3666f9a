// A list view that behaves like a broken program: every answer to an item-text query
// points the caller's item record at an address no program may read, so a reader in
// another process fails when it follows the pointer. The control itself still paints its
// texts, because it does not send these messages to itself.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "fill.h"

namespace sample_app {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// The last page of the address space belongs to the system. A page of our own with
// PAGE_NOACCESS would not do: under Wine, ReadProcessMemory reads such a page anyway.
char* UnreadableAddress() { return reinterpret_cast<char*>(~static_cast<std::uintptr_t>(0xFFF)); }

bool IsItemTextQuery(UINT message) {
  return message == LVM_GETITEMA || message == LVM_GETITEMW || message == LVM_GETITEMTEXTA ||
         message == LVM_GETITEMTEXTW;
}

LRESULT CALLBACK AnswerWithUnreadablePointer(HWND view, UINT message, WPARAM wparam, LPARAM lparam,
                                           UINT_PTR, DWORD_PTR) {
  auto* item = reinterpret_cast<LVITEMA*>(lparam);
  const bool asks_text = item && (message == LVM_GETITEMTEXTA || message == LVM_GETITEMTEXTW ||
                                  (item->mask & LVIF_TEXT));
  if (!IsItemTextQuery(message) || !asks_text) return DefSubclassProc(view, message, wparam, lparam);
  const LRESULT result = DefSubclassProc(view, message, wparam, lparam);
  item->pszText = UnreadableAddress();
  return result;
}

}  // namespace

void MakeItemTextUnreadable(HWND view) {
  SetWindowSubclass(view, AnswerWithUnreadablePointer, kSubclassId, 0);
}

}  // namespace sample_app
