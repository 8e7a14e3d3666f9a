#include "capture/source_place.h"

#include <commctrl.h>

#include "capture/remote_buffers.h"
#include "capture/remote_items.h"
#include "capture/target_messages.h"

namespace glean::capture {

namespace {
constexpr uint32_t kTextSize = 4096 + 2;

HWND AsWindow(uint64_t handle) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(handle)); }

std::optional<RECT> ClientToScreenRect(HWND hwnd, std::optional<RECT> r) {
  if (r) MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&*r), 2);
  return r;
}

std::optional<RECT> ShowListViewRow(HWND view, const LineSource& s, const std::string& text) {
  if (s.row < 0 || s.row >= SendToTarget(view, LVM_GETITEMCOUNT)) return std::nullopt;
  return WithTargetMemory(view, [&](TProcessMemMgr& m) -> std::optional<RECT> {
    if (RemoteListView(view, m, kTextSize).Cell(s.row, s.column) != text) return std::nullopt;
    // The row alone selected and focused, as a click would leave it.
    const Bitness bits = TargetBitness(m);
    const auto& L = ListViewItem(bits);
    const ProcessAddress item = m.AllocMem(static_cast<uint32_t>(L.size));
    StructImage state(L.size, bits);
    state.PutU32(L.stateMask, LVIS_SELECTED | LVIS_FOCUSED);
    Write(m, state, item);
    SendToTarget(view, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), AsParam(item));
    state.PutU32(L.state, LVIS_SELECTED | LVIS_FOCUSED);
    Write(m, state, item);
    SendToTarget(view, LVM_SETITEMSTATE, static_cast<WPARAM>(s.row), AsParam(item));
    m.FreeMem(item);
    SendToTarget(view, LVM_ENSUREVISIBLE, static_cast<WPARAM>(s.row), FALSE);
    return ClientToScreenRect(view, ReadRemoteRect(m, LVIR_BOUNDS, [&](ProcessAddress at) {
      return SendToTarget(view, LVM_GETITEMRECT, static_cast<WPARAM>(s.row), AsParam(at)) != 0;
    }));
  });
}

// A stale item handle must never reach the control (it would read freed memory), so the
// handle is looked for among the tree's items first.
bool TreeHolds(HWND tree, Bitness bits, uint64_t wanted, int limit) {
  TreeOrder order(tree, bits);
  for (int n = 0; order.Item() && n < limit; ++n, order.Next())
    if (order.Item() == wanted) return true;
  return false;
}

std::optional<RECT> ShowTreeItem(HWND tree, const LineSource& s, const std::string& text, int limit) {
  return WithTargetMemory(tree, [&](TProcessMemMgr& m) -> std::optional<RECT> {
    const Bitness bits = TargetBitness(m);
    if (!TreeHolds(tree, bits, s.item, limit)) return std::nullopt;
    const ProcessAddress record = m.AllocMem(static_cast<uint32_t>(TreeViewItem(bits).size));
    const ProcessAddress buffer = m.AllocMem(kTextSize);
    const std::string now = TreeItemText(tree, m, s.item, record, buffer, kTextSize);
    m.FreeMem(buffer);
    m.FreeMem(record);
    if (now != text) return std::nullopt;
    SendToTarget(tree, TVM_SELECTITEM, TVGN_CARET, static_cast<LPARAM>(s.item));
    SendToTarget(tree, TVM_ENSUREVISIBLE, 0, static_cast<LPARAM>(s.item));
    return ClientToScreenRect(tree, ReadRemoteRect(m, s.item, [&](ProcessAddress at) {
      return SendToTarget(tree, TVM_GETITEMRECT, TRUE, AsParam(at)) != 0;
    }));
  });
}

std::optional<RECT> ShowListBoxItem(HWND list, const LineSource& s, const std::string& text) {
  if (s.row < 0 || s.row >= SendToTarget(list, LB_GETCOUNT)) return std::nullopt;
  if (GetListBoxItemText(list, s.row, static_cast<int>(kTextSize)) != text) return std::nullopt;
  const LONG_PTR style = GetWindowLongPtrA(list, GWL_STYLE);
  if (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
    SendToTarget(list, LB_SETSEL, FALSE, -1);
    SendToTarget(list, LB_SETSEL, TRUE, s.row);
    SendToTarget(list, LB_SETCARETINDEX, static_cast<WPARAM>(s.row), FALSE);
  } else {
    SendToTarget(list, LB_SETCURSEL, static_cast<WPARAM>(s.row));
  }
  // The rectangle from the row height: LB_GETITEMRECT's pointer is not one the system
  // carries to another process everywhere.
  const int top = static_cast<int>(SendToTarget(list, LB_GETTOPINDEX));
  const int height = static_cast<int>(SendToTarget(list, LB_GETITEMHEIGHT, static_cast<WPARAM>(s.row)));
  RECT client{};
  GetClientRect(list, &client);
  const int y = (s.row - top) * height;
  return ClientToScreenRect(list, RECT{0, y, client.right, y + height});
}

std::optional<RECT> ShowBarItem(HWND bar, const LineSource& s) {
  const bool status = s.kind == SourceKind::StatusPart;
  const LRESULT count = status ? SendToTarget(bar, SB_GETPARTS, 0, 0) : SendToTarget(bar, TB_BUTTONCOUNT);
  if (s.row < 0 || s.row >= count) return std::nullopt;
  return WithTargetMemory(bar, [&](TProcessMemMgr& m) {
    return ClientToScreenRect(bar, ReadRemoteRect(m, 0, [&](ProcessAddress at) {
      return SendToTarget(bar, status ? SB_GETRECT : TB_GETITEMRECT, static_cast<WPARAM>(s.row), AsParam(at)) != 0;
    }));
  });
}

std::optional<RECT> WindowRectOf(HWND hwnd) {
  RECT r{};
  if (!GetWindowRect(hwnd, &r)) return std::nullopt;
  return r;
}
}  // namespace

std::optional<RECT> ShowSource(const LineSource& source, const std::string& text, const CaptureLimits& limits) {
  const HWND hwnd = AsWindow(source.window);
  if (!IsWindow(hwnd)) return std::nullopt;
  switch (source.kind) {
    case SourceKind::ListViewCell: return ShowListViewRow(hwnd, source, text);
    case SourceKind::TreeItem: return ShowTreeItem(hwnd, source, text, limits.Items);
    case SourceKind::ListBoxItem: return ShowListBoxItem(hwnd, source, text);
    case SourceKind::StatusPart:
    case SourceKind::ToolButton: return ShowBarItem(hwnd, source);
    case SourceKind::MenuItem: {
      RECT r{};
      HMENU menu = GetMenu(hwnd);
      if (!menu || !GetMenuItemRect(hwnd, menu, static_cast<UINT>(source.row), &r)) return WindowRectOf(hwnd);
      return r;
    }
    case SourceKind::Control:
    case SourceKind::Accessible: return WindowRectOf(hwnd);
  }
  return std::nullopt;
}

}  // namespace glean::capture
