#include "capture/point_readers.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "base/sjis.h"
#include "capture/remote_buffers.h"
#include "capture/remote_items.h"
#include "capture/target_messages.h"
#include "procmem/uProcessMemMgr.h"

namespace glean::capture {

namespace {
constexpr uint32_t kTextSize = 400;
// Room for the newer list-view hit-test record (item, sub-item and group), which a
// current common-controls library fills in; the point, flags and item come first.
constexpr uint32_t kListViewHitTestSize = 24;
constexpr int kListBoxTextLimit = 256;

// The point relative to the control's window rectangle.
POINT WindowRelative(HWND hwnd, int x, int y) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return POINT{x - r.left, y - r.top};
}

}  // namespace

std::string ListViewItemAtPoint(HWND listView, int x, int y, bool announcing) {
  return WithTargetMemory(listView, [&](TProcessMemMgr& m) -> std::string {
    const Bitness bits = TargetBitness(m);
    RemoteListView list(listView, m, kTextSize);
    const ProcessAddress hit = m.AllocMem(kListViewHitTestSize);

    const POINT p = WindowRelative(listView, x, y);
    StructImage h(kListViewHitTestSize, bits);
    h.PutU32(0, static_cast<uint32_t>(p.x));
    h.PutU32(4, static_cast<uint32_t>(p.y));
    m.WriteBuffer(h.Data(), hit, h.Size());
    const int row = static_cast<int>(SendToTarget(listView, LVM_HITTEST, 0, AsParam(hit)));
    if (row < 0) return {};

    const std::vector<std::string> titles = list.ColumnTitles();
    const int columns = std::max<int>(1, static_cast<int>(titles.size()));
    std::string result;
    for (int j = 0; j < columns; ++j) {
      const std::string value = list.Cell(row, j);
      if (value.empty()) continue;
      result += ColumnPrefix(titles, j) + value;
      if (announcing) result += ".";
      result += "\r\n";
    }
    return result;
  });
}

std::string TreeViewItemAtPoint(HWND treeView, int x, int y) {
  return WithTargetMemory(treeView, [&](TProcessMemMgr& m) -> std::string {
    const Bitness bits = TargetBitness(m);
    const auto& H = TreeViewHitTest(bits);
    const auto& L = TreeViewItem(bits);
    const ProcessAddress text = m.AllocMem(kTextSize);
    const ProcessAddress item = m.AllocMem(static_cast<uint32_t>(L.size));
    const ProcessAddress hit = m.AllocMem(static_cast<uint32_t>(H.size));

    const POINT p = WindowRelative(treeView, x, y);
    StructImage h(H.size, bits);
    h.PutU32(H.x, static_cast<uint32_t>(p.x));
    h.PutU32(H.y, static_cast<uint32_t>(p.y));
    m.WriteBuffer(h.Data(), hit, h.Size());
    const uint64_t handle = TreeItemHandle(bits, SendToTarget(treeView, TVM_HITTEST, 0, AsParam(hit)));
    if (handle == 0) return {};
    return TreeItemText(treeView, m, handle, item, text, kTextSize);
  });
}

std::string ListBoxItemAtPoint(HWND listBox, int x, int y) {
  POINT p{x, y};
  ScreenToClient(listBox, &p);
  const LRESULT answer = SendToTarget(listBox, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
  return GetListBoxItemText(listBox, LOWORD(answer), kListBoxTextLimit);
}

}  // namespace glean::capture
