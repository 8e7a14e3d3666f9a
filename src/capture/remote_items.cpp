#include "capture/remote_items.h"

#include <commctrl.h>

#include "capture/remote_buffers.h"
#include "capture/remote_runs.h"
#include "capture/target_messages.h"

namespace glean::capture {

namespace {
// A broken control that claims endless columns must not keep the caller going.
constexpr int kMaxColumns = 4096;
}  // namespace

RemoteListView::RemoteListView(HWND listView, TProcessMemMgr& m, uint32_t textSize)
    : hwnd_(listView),
      m_(m),
      bits_(TargetBitness(m)),
      textSize_(textSize),
      text_(m.AllocMem(textSize)),
      item_(m.AllocMem(static_cast<uint32_t>(ListViewItem(bits_).size))) {}

std::vector<std::string> RemoteListView::ColumnTitles() const {
  // The records of a run of columns go over in one write and come back in one read.
  constexpr int kColumnsPerRun = 16;
  const auto& L = ListViewColumn(bits_);
  RecordRun run(m_, bits_, L.size, textSize_, kColumnsPerRun);
  std::vector<std::string> titles;
  for (int first = 0; first < kMaxColumns; first += kColumnsPerRun) {
    for (int i = 0; i < kColumnsPerRun; ++i) {
      StructImage s(L.size, bits_);
      s.PutU32(L.mask, LVCF_TEXT);
      s.PutPointer(L.pszText, run.Text(i));
      s.PutU32(L.cchTextMax, textSize_);
      run.Put(i, s);
    }
    run.Push(kColumnsPerRun);
    int answered = 0;
    while (answered < kColumnsPerRun &&
           SendToTarget(hwnd_, LVM_GETCOLUMNA, static_cast<WPARAM>(first + answered), AsParam(run.Record(answered))))
      ++answered;
    run.Pull(answered);
    for (int i = 0; i < answered; ++i) titles.push_back(run.TextOf(i, run.Get(i).GetPointer(L.pszText), textSize_).text);
    if (answered < kColumnsPerRun) break;
  }
  return titles;
}

std::string RemoteListView::Cell(int row, int column) const {
  const auto& L = ListViewItem(bits_);
  StructImage s(L.size, bits_);
  s.PutU32(L.mask, LVIF_TEXT);
  s.PutU32(L.iItem, static_cast<uint32_t>(row));
  s.PutU32(L.iSubItem, static_cast<uint32_t>(column));
  s.PutPointer(L.pszText, text_);
  s.PutU32(L.cchTextMax, textSize_);
  Write(m_, s, item_);
  m_.WriteString("", text_);  // never the previous cell's text
  if (!SendToTarget(hwnd_, LVM_GETITEMA, 0, AsParam(item_))) return {};
  ReadBack(m_, item_, s);  // the control may point pszText at a buffer of its own
  return ReadItemText(m_, s.GetPointer(L.pszText), text_, textSize_);
}

std::string ColumnPrefix(const std::vector<std::string>& titles, int column) {
  if (column < 0 || column >= static_cast<int>(titles.size())) return {};
  const std::string& title = titles[static_cast<size_t>(column)];
  if (title.empty() || title == " ") return {};
  return "《" + title + "》";
}

uint64_t TreeItemHandle(Bitness bits, LRESULT reply) {
  return bits == Bitness::Bits32 ? static_cast<uint64_t>(static_cast<uint32_t>(reply))
                                 : static_cast<uint64_t>(reply);
}

TreeOrder::TreeOrder(HWND treeView, Bitness bits) : tree_(treeView), bits_(bits), item_(Ask(TVGN_ROOT, 0)) {}

uint64_t TreeOrder::Ask(WPARAM relation, uint64_t from) const {
  return TreeItemHandle(bits_, SendToTarget(tree_, TVM_GETNEXTITEM, relation, static_cast<LPARAM>(from)));
}

void TreeOrder::Next() {
  if (!item_) return;
  if (uint64_t child = Ask(TVGN_CHILD, item_)) {
    parents_.push_back(item_);
    item_ = child;
    return;
  }
  item_ = Ask(TVGN_NEXT, item_);
  while (!item_ && !parents_.empty()) {
    item_ = Ask(TVGN_NEXT, parents_.back());
    parents_.pop_back();
  }
}

std::string TreeItemText(HWND treeView, TProcessMemMgr& m, uint64_t handle, ProcessAddress record,
                         ProcessAddress text, uint32_t textSize) {
  const Bitness bits = TargetBitness(m);
  const auto& L = TreeViewItem(bits);
  StructImage s(L.size, bits);
  s.PutU32(L.mask, TVIF_TEXT);
  s.PutPointer(L.hItem, handle);
  s.PutPointer(L.pszText, text);
  s.PutU32(L.cchTextMax, textSize);
  Write(m, s, record);
  m.WriteString("", text);  // never the previous item's text
  if (!SendToTarget(treeView, TVM_GETITEMA, 0, AsParam(record))) return {};
  ReadBack(m, record, s);
  return ReadItemText(m, s.GetPointer(L.pszText), text, textSize);
}

}  // namespace glean::capture
