// Controls that behave like broken programs. A list view whose every answer to an
// item-text query points the caller's item record at an address no program may read, so
// a reader in another process fails when it follows the pointer (the control itself
// still paints its texts, because it does not send these messages to itself); and
// controls that claim endless items.
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

constexpr UINT_PTR kLiarId = 2;

LRESULT CALLBACK AnswerCountWithALie(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                     DWORD_PTR countMessage) {
  if (message == countMessage) return 0x7FFFFFFF;
  return DefSubclassProc(control, message, wparam, lparam);
}

}  // namespace

void MakeCountALie(HWND control, UINT countMessage) {
  // One subclass per message told a lie about.
  SetWindowSubclass(control, AnswerCountWithALie, kLiarId + countMessage, countMessage);
}

void MakeItemTextUnreadable(HWND view) {
  SetWindowSubclass(view, AnswerWithUnreadablePointer, kSubclassId, 0);
}

}  // namespace sample_app
