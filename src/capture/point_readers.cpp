#include "capture/point_readers.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "base/sjis.h"
#include "capture/remote_buffers.h"
#include "capture/target_messages.h"
#include "procmem/uProcessMemMgr.h"

namespace glean::capture {

namespace {
constexpr uint32_t kTextSize = 400;
// Room for the newer list-view hit-test record (item, sub-item and group), which a
// current common-controls library fills in; the point, flags and item come first.
constexpr uint32_t kListViewHitTestSize = 24;
constexpr int kListBoxTextLimit = 256;
// A broken control that claims endless columns must not hold the timer tick.
constexpr int kMaxColumns = 4096;

// The point relative to the control's window rectangle.
POINT WindowRelative(HWND hwnd, int x, int y) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return POINT{x - r.left, y - r.top};
}

std::vector<std::string> ColumnHeaders(HWND hwnd, TProcessMemMgr& m, Bitness bits, ProcessAddress column,
                                       ProcessAddress text) {
  const auto& L = ListViewColumn(bits);
  std::vector<std::string> headers;
  for (int k = 0; k < kMaxColumns; ++k) {
    StructImage s(L.size, bits);
    s.PutU32(L.mask, LVCF_TEXT);
    s.PutPointer(L.pszText, text);
    s.PutU32(L.cchTextMax, kTextSize);
    m.WriteBuffer(s.Data(), column, s.Size());
    if (!SendToTarget(hwnd, LVM_GETCOLUMNA, static_cast<WPARAM>(k), AsParam(column))) break;
    m.ReadBuffer(column, s.Data(), s.Size());
    headers.push_back(ReadItemText(m, s.GetPointer(L.pszText), text, kTextSize));
  }
  return headers;
}
}  // namespace

std::string ListViewItemAtPoint(HWND listView, int x, int y, bool announcing) {
  std::unique_ptr<TProcessMemMgr> m = CreateMemMgrForWindow(listView);
  const Bitness bits = TargetBitness(*m);
  const auto& L = ListViewItem(bits);
  const ProcessAddress text = m->AllocMem(kTextSize);
  const ProcessAddress column = m->AllocMem(static_cast<uint32_t>(ListViewColumn(bits).size));
  const ProcessAddress item = m->AllocMem(static_cast<uint32_t>(L.size));
  const ProcessAddress hit = m->AllocMem(kListViewHitTestSize);

  const POINT p = WindowRelative(listView, x, y);
  StructImage h(kListViewHitTestSize, bits);
  h.PutU32(0, static_cast<uint32_t>(p.x));
  h.PutU32(4, static_cast<uint32_t>(p.y));
  m->WriteBuffer(h.Data(), hit, h.Size());
  const int row = static_cast<int>(SendToTarget(listView, LVM_HITTEST, 0, AsParam(hit)));
  if (row < 0) return {};

  const std::vector<std::string> headers = ColumnHeaders(listView, *m, bits, column, text);
  const int columns = std::max<int>(1, static_cast<int>(headers.size()));
  std::string result;
  for (int j = 0; j < columns; ++j) {
    StructImage s(L.size, bits);
    s.PutU32(L.mask, LVIF_TEXT);
    s.PutU32(L.iItem, static_cast<uint32_t>(row));
    s.PutU32(L.iSubItem, static_cast<uint32_t>(j));
    s.PutPointer(L.pszText, text);
    s.PutU32(L.cchTextMax, kTextSize);
    m->WriteBuffer(s.Data(), item, s.Size());
    m->WriteString("", text);  // a cell the control does not answer reads as empty
    SendToTarget(listView, LVM_GETITEMA, 0, AsParam(item));
    m->ReadBuffer(item, s.Data(), s.Size());
    const std::string value = ReadItemText(*m, s.GetPointer(L.pszText), text, kTextSize);
    if (value.empty()) continue;
    const std::string& header = j < static_cast<int>(headers.size()) ? headers[static_cast<size_t>(j)] : std::string();
    if (!header.empty() && header != " ") result += "《" + header + "》";
    result += value;
    if (announcing) result += ".";
    result += "\r\n";
  }
  return result;
}

std::string TreeViewItemAtPoint(HWND treeView, int x, int y) {
  std::unique_ptr<TProcessMemMgr> m = CreateMemMgrForWindow(treeView);
  const Bitness bits = TargetBitness(*m);
  const auto& H = TreeViewHitTest(bits);
  const auto& L = TreeViewItem(bits);
  const ProcessAddress text = m->AllocMem(kTextSize);
  const ProcessAddress item = m->AllocMem(static_cast<uint32_t>(L.size));
  const ProcessAddress hit = m->AllocMem(static_cast<uint32_t>(H.size));

  const POINT p = WindowRelative(treeView, x, y);
  StructImage h(H.size, bits);
  h.PutU32(H.x, static_cast<uint32_t>(p.x));
  h.PutU32(H.y, static_cast<uint32_t>(p.y));
  m->WriteBuffer(h.Data(), hit, h.Size());
  LRESULT found = SendToTarget(treeView, TVM_HITTEST, 0, AsParam(hit));
  const uint64_t handle = bits == Bitness::Bits32 ? static_cast<uint64_t>(static_cast<uint32_t>(found))
                                                  : static_cast<uint64_t>(found);
  if (handle == 0) return {};

  StructImage s(L.size, bits);
  s.PutU32(L.mask, TVIF_TEXT);
  s.PutPointer(L.hItem, handle);
  s.PutPointer(L.pszText, text);
  s.PutU32(L.cchTextMax, kTextSize);
  m->WriteBuffer(s.Data(), item, s.Size());
  m->WriteString("", text);
  if (!SendToTarget(treeView, TVM_GETITEMA, 0, AsParam(item))) return {};
  m->ReadBuffer(item, s.Data(), s.Size());
  return ReadItemText(*m, s.GetPointer(L.pszText), text, kTextSize);
}

std::string ListBoxItemAtPoint(HWND listBox, int x, int y) {
  POINT p{x, y};
  ScreenToClient(listBox, &p);
  const LRESULT answer = SendToTarget(listBox, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
  return GetListBoxItemText(listBox, LOWORD(answer), kListBoxTextLimit);
}

}  // namespace glean::capture
