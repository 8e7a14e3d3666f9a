// Compile-time proof that our byte layouts match the SDK's structures of the bitness
// this file is compiled for. Built for x86_64 and, as a syntax check, for i686.
#include <windows.h>

#include <commctrl.h>
#include <cstddef>

#include "capture/layout/remote_layout.h"

namespace glean::capture {

constexpr Bitness kHere = sizeof(void*) == 4 ? Bitness::Bits32 : Bitness::Bits64;

// The oldest structure forms: what every comctl32 version reads.
struct LvColumnV1 { UINT mask; int fmt; int cx; LPSTR pszText; int cchTextMax; int iSubItem; };
struct LvItemV1 { UINT mask; int iItem; int iSubItem; UINT state; UINT stateMask; LPSTR pszText; int cchTextMax; int iImage; LPARAM lParam; };

static_assert(ListViewColumn(kHere).size == sizeof(LvColumnV1));
static_assert(ListViewColumn(kHere).pszText == offsetof(LVCOLUMNA, pszText));
static_assert(ListViewColumn(kHere).cchTextMax == offsetof(LVCOLUMNA, cchTextMax));
static_assert(ListViewColumn(kHere).iSubItem == offsetof(LVCOLUMNA, iSubItem));
static_assert(ListViewItem(kHere).size == sizeof(LvItemV1));
static_assert(ListViewItem(kHere).iItem == offsetof(LVITEMA, iItem));
static_assert(ListViewItem(kHere).iSubItem == offsetof(LVITEMA, iSubItem));
static_assert(ListViewItem(kHere).state == offsetof(LVITEMA, state));
static_assert(ListViewItem(kHere).stateMask == offsetof(LVITEMA, stateMask));
static_assert(ListViewItem(kHere).pszText == offsetof(LVITEMA, pszText));
static_assert(ListViewItem(kHere).cchTextMax == offsetof(LVITEMA, cchTextMax));
static_assert(TreeViewItem(kHere).size == sizeof(TVITEMA));
static_assert(TreeViewItem(kHere).hItem == offsetof(TVITEMA, hItem));
static_assert(TreeViewItem(kHere).pszText == offsetof(TVITEMA, pszText));
static_assert(TreeViewItem(kHere).cchTextMax == offsetof(TVITEMA, cchTextMax));
static_assert(ToolBarButton(kHere).size == sizeof(TBBUTTON));
static_assert(ToolBarButton(kHere).idCommand == offsetof(TBBUTTON, idCommand));
static_assert(ToolBarButton(kHere).fsState == offsetof(TBBUTTON, fsState));
static_assert(ToolBarButton(kHere).fsStyle == offsetof(TBBUTTON, fsStyle));
static_assert(ToolBarButton(kHere).dwData == offsetof(TBBUTTON, dwData));
static_assert(ToolBarButton(kHere).iString == offsetof(TBBUTTON, iString));
static_assert(TreeViewHitTest(kHere).size == sizeof(TVHITTESTINFO));
static_assert(TreeViewHitTest(kHere).flags == offsetof(TVHITTESTINFO, flags));
static_assert(TreeViewHitTest(kHere).hItem == offsetof(TVHITTESTINFO, hItem));
static_assert(PointerSize(kHere) == sizeof(void*));

}  // namespace glean::capture
