#include "capture/cross_process_readers.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "base/sjis.h"
#include "capture/remote_buffers.h"
#include "capture/remote_items.h"
#include "capture/section_headers.h"
#include "capture/target_messages.h"
#include "procmem/uProcessMemMgr.h"

namespace glean::capture {

namespace {
constexpr uint32_t kListViewTextSize = 200;
constexpr uint32_t kTreeViewTextSize = 1024;
constexpr uint32_t kBarTextSize = 255;
constexpr uint32_t kRectSize = 16;

using Manager = std::unique_ptr<TProcessMemMgr>;

// What a text buffer of `size` bytes would have held: at most size - 1 bytes, cut at a
// character boundary.
std::string CutToBuffer(std::string text, uint32_t size) {
  if (text.size() >= size) text.resize(sjis::CharBoundaryAtOrBefore(text, size - 1));
  return text;
}

RECT ReadRect(TProcessMemMgr& m, ProcessAddress block) {
  int32_t r[4] = {};
  m.ReadBuffer(block, r, sizeof r);
  return RECT{r[0], r[1], r[2], r[3]};
}

RECT ToScreen(const RECT& item, const RECT& window) {
  return RECT{window.left + item.left, window.top + item.top, window.left + item.right,
              window.top + item.bottom};
}

// ---------------------------------------------------------------------------------------
// List view

struct ListViewReader {
  CapturedText& out;
  HWND hwnd;
  RemoteListView list;
  std::vector<std::string> titles;

  int Columns() const { return std::max<int>(1, static_cast<int>(titles.size())); }

  void ReadCells(int row) {
    for (int c = 0; c < Columns(); ++c) {
      std::string cell = list.Cell(row, c);
      if (!cell.empty()) out.Add(ColumnPrefix(titles, c) + cell);
    }
  }

  void BeginRow(int row, const char* header) {
    if (out.ProcessMessages) out.ProcessMessages();
    if (out.ShowProgress) out.ShowProgress(kListViewProgress + std::to_string(row));
    out.AddHeaderOnce(header);
  }

  void ReadRowsInView() {
    int top = static_cast<int>(SendToTarget(hwnd, LVM_GETTOPINDEX));
    int count = static_cast<int>(SendToTarget(hwnd, LVM_GETCOUNTPERPAGE));
    for (int row = top; row < top + count; ++row) {
      BeginRow(row, kListViewInViewHeader);
      ReadCells(row);
      out.EndSection();
    }
  }

  void ReadSelectedRows() {
    bool any = false;
    int row = static_cast<int>(SendToTarget(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    int guard = static_cast<int>(SendToTarget(hwnd, LVM_GETITEMCOUNT));
    while (row >= 0 && guard-- >= 0) {
      any = true;
      BeginRow(row, kListViewSelectedHeader);
      ReadCells(row);
      out.EndSection();
      int next = static_cast<int>(SendToTarget(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
      if (next <= row) break;  // the list is walked forward only; anything else is broken
      row = next;
    }
    if (any) return;
    if (out.ShowProgress) out.ShowProgress(kListViewFallbackProgress);
    out.AddHeader(kListViewFirstRowHeader);
    ReadCells(0);
    out.EndSection();
  }
};
}  // namespace

void ReadListView(CapturedText& out, HWND listView) {
  Manager m = CreateMemMgrForWindow(listView);
  ListViewReader reader{out, listView, RemoteListView(listView, *m, kListViewTextSize), {}};
  reader.titles = reader.list.ColumnTitles();
  if (SendToTarget(listView, LVM_GETSELECTEDCOUNT) >= 2)
    reader.ReadSelectedRows();
  else
    reader.ReadRowsInView();
}

// -----------------------------------------------------------------------------------------
// Tree view

void ReadTreeView(CapturedText& out, HWND treeView) {
  int count = static_cast<int>(SendToTarget(treeView, TVM_GETVISIBLECOUNT));
  if (count <= 0) return;
  Manager m = CreateMemMgrForWindow(treeView);
  const Bitness bits = TargetBitness(*m);
  ProcessAddress text = m->AllocMem(kTreeViewTextSize);
  ProcessAddress record = m->AllocMem(static_cast<uint32_t>(TreeViewItem(bits).size));
  uint64_t item = TreeItemHandle(bits, SendToTarget(treeView, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
  for (int n = 0; item != 0 && n < count; ++n) {
    out.AddHeaderOnce(kTreeViewHeader);
    out.Add(TreeItemText(treeView, *m, item, record, text, kTreeViewTextSize));
    item = TreeItemHandle(bits, SendToTarget(treeView, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, static_cast<LPARAM>(item)));
  }
}

// -----------------------------------------------------------------------------------------
// Status bar and toolbar: items are collected first, then written with their rectangles.

namespace {
struct KeptItem {
  int position;
  std::string text;
};

// `itemRect` gives an item's rectangle in the bar's client coordinates, or nothing when
// the bar has none for it (a hidden button): such an item gets no hit row, since the
// rectangle block still holds the item before it and the row would lie on that item.
void WriteBarItems(CapturedText& out, HWND bar, const std::vector<KeptItem>& kept,
                   const char* header, bool skipEmptyLines,
                   const std::function<std::optional<RECT>(int)>& itemRect) {
  if (kept.empty()) return;
  RECT window{};
  GetWindowRect(bar, &window);
  out.AddSectionBreak();
  out.AddHeader(header);
  for (const auto& k : kept) {
    if (!(skipEmptyLines && k.text.empty())) out.Add(k.text);
    if (std::optional<RECT> r = itemRect(k.position)) out.AddHit(k.text, ToScreen(*r, window));
  }
  out.EndSection();
}

std::optional<RECT> ItemRect(TProcessMemMgr& m, HWND bar, UINT message, int position, ProcessAddress block) {
  if (!SendToTarget(bar, message, static_cast<WPARAM>(position), AsParam(block))) return std::nullopt;
  return ReadRect(m, block);
}
}  // namespace

void ReadStatusBar(CapturedText& out, HWND statusBar) {
  int parts = static_cast<int>(SendToTarget(statusBar, SB_GETPARTS, 255, 0));
  // A bar in simple mode shows one text and answers every part with it: read it once.
  if (parts > 1 && SendToTarget(statusBar, SB_ISSIMPLE)) parts = 1;
  Manager m = CreateMemMgrForWindow(statusBar);
  // The buffer is sized from the longest part, so no text can overrun it. The length
  // may come in UTF-16 units (Wine) while the text comes in bytes: room for two each.
  uint32_t longest = 0;
  for (int p = 0; p < parts; ++p)
    longest = std::max<uint32_t>(longest, LOWORD(SendToTarget(statusBar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(p))));
  ProcessAddress text = m->AllocMem(std::max(kBarTextSize, 2 * longest + 1));
  ProcessAddress rect = m->AllocMem(kRectSize);
  std::vector<KeptItem> kept;
  for (int p = 0; p < parts; ++p) {
    // An owner-drawn part answers with its data and writes nothing: without this, it
    // would repeat the text of the part before it.
    m->WriteString("", text);
    LRESULT r = SendToTarget(statusBar, SB_GETTEXTA, static_cast<WPARAM>(p), AsParam(text));
    if (r > 0) kept.push_back({p, CutToBuffer(m->ReadString(text), kBarTextSize)});
  }
  WriteBarItems(out, statusBar, kept, kStatusBarHeader, true,
                [&](int p) { return ItemRect(*m, statusBar, SB_GETRECT, p, rect); });
}

void ReadToolBar(CapturedText& out, HWND toolBar) {
  int buttons = static_cast<int>(SendToTarget(toolBar, TB_BUTTONCOUNT));
  if (buttons <= 0) return;
  Manager m = CreateMemMgrForWindow(toolBar);
  Bitness bits = TargetBitness(*m);
  const auto& L = ToolBarButton(bits);
  ProcessAddress text = m->AllocMem(kBarTextSize);
  ProcessAddress rect = m->AllocMem(kRectSize);
  ProcessAddress button = m->AllocMem(static_cast<uint32_t>(L.size));
  uint32_t textSize = kBarTextSize;
  std::vector<KeptItem> kept;
  for (int b = 0; b < buttons; ++b) {
    // The text is asked for by command identifier, so translate the position first.
    StructImage s(L.size, bits);
    Write(*m, s, button);
    if (!SendToTarget(toolBar, TB_GETBUTTON, static_cast<WPARAM>(b), AsParam(button))) continue;
    ReadBack(*m, button, s);
    if (s.GetU8(L.fsStyle) & BTNS_SEP) continue;
    WPARAM id = static_cast<WPARAM>(static_cast<int32_t>(s.GetU32(L.idCommand)));
    LRESULT length = SendToTarget(toolBar, TB_GETBUTTONTEXTA, id, 0);
    if (length < 0) continue;
    if (static_cast<uint32_t>(length) >= textSize) {
      textSize = static_cast<uint32_t>(length) + 1;
      text = m->AllocMem(textSize);
    }
    m->WriteString("", text);
    if (SendToTarget(toolBar, TB_GETBUTTONTEXTA, id, AsParam(text)) < 0) continue;
    std::string t = CutToBuffer(m->ReadString(text), kBarTextSize);
    if (!t.empty()) kept.push_back({b, t});
  }
  WriteBarItems(out, toolBar, kept, kToolBarHeader, false,
                [&](int b) { return ItemRect(*m, toolBar, TB_GETITEMRECT, b, rect); });
}

}  // namespace glean::capture
