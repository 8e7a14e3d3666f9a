#include "capture/cross_process_readers.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>
#include <functional>
#include <optional>
#include <vector>

#include "capture/remote_buffers.h"
#include "capture/remote_items.h"
#include "capture/remote_runs.h"
#include "capture/section_headers.h"
#include "capture/target_messages.h"
#include "procmem/uProcessMemMgr.h"

namespace glean::capture {

namespace {
constexpr uint32_t kColumnTitleSize = 200;
// Items whose records travel together: enough that the transfers cost little against
// the messages (under Wine each transfer stops the other process for a moment, at about
// the cost of a message), few enough that a run's buffers stay small.
constexpr int kItemsPerRun = 128;
// Toolbar texts are asked for without a buffer size, so their buffers are sized from
// the lengths the control gives; a button claiming more than this is left out.
constexpr size_t kLongestButtonText = 1 << 20;
constexpr size_t kButtonTextBudget = 256 << 10;

// The buffer an item text is asked into: two bytes past the limit, so that a text
// longer than the limit comes back longer than it and is known to be cut.
size_t ItemBufferSize(const CapturedText& out) { return out.Limits.ItemText + 2; }
// Runs ask into short buffers, and an item that fills its short buffer is asked again
// alone into a whole one: most texts are short, and the bytes of a run's buffers cross
// the process boundary twice.
constexpr size_t kShortBuffer = 264;
size_t RunBufferSize(const CapturedText& out) { return std::min(kShortBuffer, ItemBufferSize(out)); }

// A stop or a time-out while a run's messages are sent is held until the items the
// control answered before it are read back and written, then raised again: nothing
// read is lost. After a time-out the target is sent nothing more.
class Interruption {
 public:
  template <typename Send>
  void Run(Send&& send) {
    try {
      send();
    } catch (const ECaptureStopped&) {
      raised_ = std::current_exception();
    } catch (const ETargetNotResponding&) {
      raised_ = std::current_exception();
      timedOut_ = true;
    }
  }
  bool Happened() const { return raised_ != nullptr; }
  bool TimedOut() const { return timedOut_; }
  void RaiseAgain() const {
    if (raised_) std::rethrow_exception(raised_);
  }
  // Writes what was answered, then raises again. After a time-out, a text that cannot be
  // read on the way gives way to the time-out, which is what ends the control: the
  // target may still write into our blocks, and they must stay.
  template <typename Write>
  void WriteThenRaise(Write&& write) const {
    try {
      write();
    } catch (const Exception&) {
      if (!timedOut_) throw;
    }
    RaiseAgain();
  }

 private:
  std::exception_ptr raised_;
  bool timedOut_ = false;
};

// An item asked again alone, into a buffer of the whole size, through one record
// reserved once per reader call.
class WholeItemReader {
 public:
  WholeItemReader(TProcessMemMgr& m, Bitness bits, size_t recordSize, const CapturedText& out)
      : m_(m), bits_(bits), recordSize_(recordSize), size_(ItemBufferSize(out)), limit_(out.Limits.ItemText) {}

  // `record` is the item's record with pszText and cchTextMax still to be set.
  ItemText Read(HWND control, UINT message, StructImage record, size_t pszText, size_t cchTextMax) {
    if (!run_) run_.emplace(m_, bits_, recordSize_, size_, 1);
    record.PutPointer(pszText, run_->Text(0));
    record.PutU32(cchTextMax, static_cast<uint32_t>(size_));
    run_->Put(0, record);
    run_->Push(1);
    if (!SendToTarget(control, message, 0, AsParam(run_->Record(0)))) return {};
    run_->Pull(1);
    return run_->TextOf(0, run_->Get(0).GetPointer(pszText), limit_);
  }

 private:
  TProcessMemMgr& m_;
  Bitness bits_;
  size_t recordSize_, size_, limit_;
  std::optional<RecordRun> run_;
};

// A text that filled its short buffer, when it cannot be asked for again whole.
ItemText CutShort(const RecordRun& run, int slot, size_t limit) {
  ItemText text = run.BufferText(slot, limit);
  text.cut = true;
  return text;
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
  TProcessMemMgr& m;
  Bitness bits;
  std::vector<std::string> titles;
  std::optional<RecordRun> run;
  std::optional<WholeItemReader> whole;
  // The sub-items read, in the order the user sees them (one, 0, without columns).
  std::vector<int> shown{0};
  int list = -1;

  int Columns() const { return static_cast<int>(shown.size()); }

  // Report views are read in the order the user sees the columns, without the columns
  // of width 0 (the usual way a program hides one). Other views show no columns.
  void ChooseColumns() {
    const int n = static_cast<int>(titles.size());
    if (n == 0) return;
    std::vector<int> order(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) order[static_cast<size_t>(i)] = i;
    if ((GetWindowLongPtrA(hwnd, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT) {
      const size_t bytes = order.size() * sizeof(int32_t);
      const ProcessAddress array = m.AllocMem(static_cast<uint32_t>(bytes));
      std::vector<int32_t> got(order.size(), -1);
      if (SendToTarget(hwnd, LVM_GETCOLUMNORDERARRAY, static_cast<WPARAM>(n), AsParam(array))) {
        m.ReadBuffer(array, got.data(), bytes);
        std::vector<int> sorted(got.begin(), got.end());
        std::sort(sorted.begin(), sorted.end());
        // A broken answer (not each column once) keeps the order they were made in.
        if (sorted == order) order.assign(got.begin(), got.end());
      }
      m.FreeMem(array);
      std::vector<int> visible;
      for (int c : order)
        if (SendToTarget(hwnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c)) > 0) visible.push_back(c);
      if (!visible.empty()) order = std::move(visible);
    }
    shown = std::move(order);
  }

  void RecordList() {
    SourceList table{SourceKind::ListViewCell, reinterpret_cast<uintptr_t>(hwnd), {}, shown};
    if (!titles.empty())
      for (int c : shown) table.titles.push_back(titles[static_cast<size_t>(c)]);
    list = out.AddList(std::move(table));
  }

  LineSource CellSource(int row, int subItem, size_t prefix) const {
    LineSource s;
    s.window = reinterpret_cast<uintptr_t>(hwnd);
    s.kind = SourceKind::ListViewCell;
    s.row = row;
    s.column = subItem;
    s.list = list;
    s.textStart = static_cast<uint32_t>(prefix);
    return s;
  }

  void Reserve() {
    run.emplace(m, bits, ListViewItem(bits).size, RunBufferSize(out), std::max(kItemsPerRun, Columns()));
    whole.emplace(m, bits, ListViewItem(bits).size, out);
  }

  // A cell's record without its buffer.
  StructImage Cell(int row, int column) const {
    const auto& L = ListViewItem(bits);
    StructImage s(L.size, bits);
    s.PutU32(L.mask, LVIF_TEXT);
    s.PutU32(L.iItem, static_cast<uint32_t>(row));
    s.PutU32(L.iSubItem, static_cast<uint32_t>(column));
    return s;
  }

  // Reads the rows `next` gives (-1 ends them) under `header` (written once; none: the
  // caller wrote one), a run of rows at a time: the records of
  // the run go over in one write, each row's messages follow (with the user interface
  // served between rows), and the texts come back in one read.
  void ReadRows(const std::function<int()>& next, int count, const char* header) {
    const auto& L = ListViewItem(bits);
    const int columns = Columns();
    const int rowsPerRun = std::max(1, run->Slots() / columns);
    const size_t limit = out.Limits.ItemText;
    for (bool more = true; more;) {
      std::vector<int> rows;
      while (static_cast<int>(rows.size()) < rowsPerRun) {
        int row = next();
        if (row < 0) {
          more = false;
          break;
        }
        rows.push_back(row);
      }
      for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < columns; ++c) {
          StructImage s = Cell(rows[r], shown[static_cast<size_t>(c)]);
          const int slot = static_cast<int>(r) * columns + c;
          s.PutPointer(L.pszText, run->Text(slot));
          s.PutU32(L.cchTextMax, static_cast<uint32_t>(run->TextSize()));
          run->Put(slot, s);
        }
      const int used = static_cast<int>(rows.size()) * columns;
      run->Push(used);
      std::vector<char> answered(static_cast<size_t>(used), 0);
      size_t sent = 0;
      Interruption interruption;
      interruption.Run([&] {
        for (; sent < rows.size(); ++sent) {
          out.RowStep(rows[sent], count);
          for (int c = 0; c < columns; ++c) {
            const int slot = static_cast<int>(sent) * columns + c;
            answered[static_cast<size_t>(slot)] =
                SendToTarget(hwnd, LVM_GETITEMA, 0, AsParam(run->Record(slot))) != 0;
          }
        }
      });
      interruption.WriteThenRaise([&] {
        run->Pull(static_cast<int>(sent) * columns);
        for (size_t r = 0; r < sent; ++r) {
          if (header) out.AddHeaderOnce(header);
          for (int c = 0; c < columns; ++c) {
            const int slot = static_cast<int>(r) * columns + c;
            if (!answered[static_cast<size_t>(slot)]) continue;
            // The control may point pszText at a buffer of its own.
            const int subItem = shown[static_cast<size_t>(c)];
            const uint64_t pointer = run->Get(slot).GetPointer(L.pszText);
            ItemText cell = !run->Filled(slot, pointer) ? run->TextOf(slot, pointer, limit)
                            : interruption.TimedOut()   ? CutShort(*run, slot, limit)
                                                        : whole->Read(hwnd, LVM_GETITEMA, Cell(rows[r], subItem), L.pszText, L.cchTextMax);
            if (cell.text.empty()) continue;
            const std::string prefix = ColumnPrefix(titles, subItem);
            out.SetSource(CellSource(rows[r], subItem, prefix.size()));
            out.AddCutText(prefix + cell.text, cell.cut);
            out.ClearSource();
          }
          out.EndSection();
        }
      });
    }
  }

  // The rows that fit the client area at one pixel a row (in the icon views, at one
  // pixel an item), and never more than the capture's limit for rows in view.
  int RowsThatFit() const {
    RECT client{};
    GetClientRect(hwnd, &client);
    long height = std::max<long>(1, client.bottom - client.top);
    long width = std::max<long>(1, client.right - client.left);
    const LONG_PTR view = GetWindowLongPtrA(hwnd, GWL_STYLE) & LVS_TYPEMASK;
    long fit = view == LVS_REPORT ? height : height * width;
    return static_cast<int>(std::min<long>(fit, out.Limits.ItemsInView));
  }

  // LVM_GETCOUNTPERPAGE counts the rows that fit, not the rows there are: a short list
  // ends at its last row.
  void ReadRowsInView() {
    const int top = std::max(0, static_cast<int>(SendToTarget(hwnd, LVM_GETTOPINDEX)));
    const int fit = static_cast<int>(SendToTarget(hwnd, LVM_GETCOUNTPERPAGE));
    const int rest = static_cast<int>(SendToTarget(hwnd, LVM_GETITEMCOUNT)) - top;
    const int reported = std::min(fit, rest);
    const int bound = RowsThatFit();
    const int count = std::max(0, std::min(reported, bound));
    int row = top;
    ReadRows([&] { return row < top + count ? row++ : -1; }, count, kListViewInViewHeader);
    if (reported > bound) out.AddTooManyItems(bound);
  }

  void ReadAllRows() {
    const int reported = static_cast<int>(SendToTarget(hwnd, LVM_GETITEMCOUNT));
    const int count = std::min(reported, out.Limits.Items);
    int row = 0;
    ReadRows([&] { return row < count ? row++ : -1; }, count, kListViewAllHeader);
    if (reported > count) out.AddTooManyItems(count);
  }

  void ReadSelectedRows() {
    const int selected = static_cast<int>(SendToTarget(hwnd, LVM_GETSELECTEDCOUNT));
    int guard = static_cast<int>(SendToTarget(hwnd, LVM_GETITEMCOUNT));
    int taken = 0, last = -1;
    bool done = false, cut = false;
    auto nextSelected = [&]() -> int {
      if (done) return -1;
      int n = static_cast<int>(SendToTarget(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(last), LVNI_SELECTED));
      // The list is walked forward only; a row at or before the last one means it is broken.
      done = n < 0 || (taken > 0 && n <= last) || guard-- < 0;
      if (!done && taken == out.Limits.Items) done = cut = true;
      if (done) return -1;
      ++taken;
      return last = n;
    };
    ReadRows(nextSelected, selected, kListViewSelectedHeader);
    if (cut) out.AddTooManyItems(out.Limits.Items);
    if (taken > 0) return;
    if (out.ShowProgress) out.ShowProgress(kListViewFallbackProgress);
    out.AddHeader(kListViewFirstRowHeader);
    bool first = true;
    ReadRows([&] { return std::exchange(first, false) ? 0 : -1; }, 1, nullptr);
  }
};
}  // namespace

void ReadListView(CapturedText& out, HWND listView) {
  WithTargetMemory(listView, [&](TProcessMemMgr& m) {
    ListViewReader reader{out, listView, m, TargetBitness(m), {}, std::nullopt, std::nullopt};
    reader.titles = RemoteListView(listView, m, kColumnTitleSize).ColumnTitles();
    reader.ChooseColumns();
    reader.RecordList();
    reader.Reserve();
    if (SendToTarget(listView, LVM_GETSELECTEDCOUNT) >= 2)
      reader.ReadSelectedRows();
    else if (out.Options().read_all_items)
      reader.ReadAllRows();
    else
      reader.ReadRowsInView();
  });
}

// -----------------------------------------------------------------------------------------
// Tree view

namespace {
struct TreeItem {
  uint64_t handle;
  int depth;
};

// Reads the items `next` gives (a null handle ends them), a run at a time, each line
// led by one full-width space per level.
void ReadTreeItems(CapturedText& out, HWND tree, TProcessMemMgr& m, const std::function<TreeItem()>& next,
                   const char* header) {
  const Bitness bits = TargetBitness(m);
  const auto& L = TreeViewItem(bits);
  RecordRun run(m, bits, L.size, RunBufferSize(out), kItemsPerRun);
  WholeItemReader whole(m, bits, L.size, out);
  auto record = [&](uint64_t handle) {
    StructImage s(L.size, bits);
    s.PutU32(L.mask, TVIF_TEXT);
    s.PutPointer(L.hItem, handle);
    return s;
  };
  int n = 0;
  const int list = out.AddList({SourceKind::TreeItem, reinterpret_cast<uintptr_t>(tree), {}, {}});
  for (bool more = true; more;) {
    std::vector<TreeItem> items;
    while (static_cast<int>(items.size()) < run.Slots()) {
      out.Breathe(n, 0);
      TreeItem item = next();
      if (!item.handle) {
        more = false;
        break;
      }
      StructImage s = record(item.handle);
      const int slot = static_cast<int>(items.size());
      s.PutPointer(L.pszText, run.Text(slot));
      s.PutU32(L.cchTextMax, static_cast<uint32_t>(run.TextSize()));
      run.Put(slot, s);
      items.push_back(item);
      ++n;
    }
    const int used = static_cast<int>(items.size());
    run.Push(used);
    std::vector<char> answered(items.size(), 0);
    int sent = 0;
    Interruption interruption;
    interruption.Run([&] {
      for (; sent < used; ++sent)
        answered[static_cast<size_t>(sent)] = SendToTarget(tree, TVM_GETITEMA, 0, AsParam(run.Record(sent))) != 0;
    });
    interruption.WriteThenRaise([&] {
      run.Pull(sent);
      for (int i = 0; i < sent; ++i) {
        out.AddHeaderOnce(header);
        ItemText text;
        if (answered[static_cast<size_t>(i)]) {
          const uint64_t pointer = run.Get(i).GetPointer(L.pszText);
          text = !run.Filled(i, pointer)   ? run.TextOf(i, pointer, out.Limits.ItemText)
                 : interruption.TimedOut() ? CutShort(run, i, out.Limits.ItemText)
                                           : whole.Read(tree, TVM_GETITEMA, record(items[static_cast<size_t>(i)].handle),
                                                        L.pszText, L.cchTextMax);
        }
        std::string indent;
        for (int d = 0; d < items[static_cast<size_t>(i)].depth; ++d) indent += kTreeLevelIndent;
        LineSource source;
        source.window = reinterpret_cast<uintptr_t>(tree);
        source.kind = SourceKind::TreeItem;
        source.item = items[static_cast<size_t>(i)].handle;
        source.list = list;
        source.textStart = static_cast<uint32_t>(indent.size());
        out.SetSource(source);
        out.AddCutText(indent + text.text, text.cut);
        out.ClearSource();
      }
    });
  }
}

uint64_t NextTreeItem(HWND tree, Bitness bits, WPARAM relation, uint64_t from) {
  return TreeItemHandle(bits, SendToTarget(tree, TVM_GETNEXTITEM, relation, static_cast<LPARAM>(from)));
}

// The items in view (`reported` of them), or with `whole` every item the tree holds.
void ReadTreeItemsOf(CapturedText& out, HWND treeView, TProcessMemMgr& m, bool whole, int reported) {
  const Bitness bits = TargetBitness(m);
  if (!whole) {
    const int count = std::min(reported, out.Limits.ItemsInView);
    uint64_t item = NextTreeItem(treeView, bits, TVGN_FIRSTVISIBLE, 0);
    int n = 0;
    ReadTreeItems(out, treeView, m, [&]() -> TreeItem {
      if (!item || n == count) return {0, 0};
      TreeItem t{item, 0};
      ++n;
      item = NextTreeItem(treeView, bits, TVGN_NEXTVISIBLE, item);
      return t;
    }, kTreeViewHeader);
    if (reported > count && item) out.AddTooManyItems(count);
    return;
  }
  const int limit = out.Limits.Items;
  TreeOrder order(treeView, bits);
  int n = 0;
  bool cut = false;
  ReadTreeItems(out, treeView, m, [&]() -> TreeItem {
    if (!order.Item()) return {0, 0};
    if (n == limit) {
      cut = true;
      return {0, 0};
    }
    ++n;
    TreeItem t{order.Item(), order.Depth()};
    order.Next();
    return t;
  }, kTreeViewAllHeader);
  if (cut) out.AddTooManyItems(limit);
}
}  // namespace

void ReadTreeView(CapturedText& out, HWND treeView) {
  const bool whole = out.Options().read_all_items;
  const int reported = whole ? 0 : static_cast<int>(SendToTarget(treeView, TVM_GETVISIBLECOUNT));
  if (!whole && reported <= 0) return;
  WithTargetMemory(treeView, [&](TProcessMemMgr& m) { ReadTreeItemsOf(out, treeView, m, whole, reported); });
}

// -----------------------------------------------------------------------------------------
// Status bar and toolbar: items are collected first, then written with their rectangles.

namespace {
struct KeptItem {
  int position;
  ItemText text;
  std::optional<RECT> rect;  // none when the bar has none for it (a hidden button)
};

// An item without a rectangle gets no hit row: the row would lie on another item.
void WriteBarItems(CapturedText& out, HWND bar, const std::vector<KeptItem>& kept, const char* header,
                   SourceKind kind, bool skipEmptyLines, int cutAt) {
  if (kept.empty() && cutAt < 0) return;
  RECT window{};
  GetWindowRect(bar, &window);
  out.AddSectionBreak();
  out.AddHeader(header);
  for (const auto& k : kept) {
    LineSource source;
    source.window = reinterpret_cast<uintptr_t>(bar);
    source.kind = kind;
    source.row = k.position;
    if (k.rect) {
      const RECT r = ToScreen(*k.rect, window);
      source.rect = ScreenRect{r.left, r.top, r.right, r.bottom};
    }
    out.SetSource(source);
    if (!(skipEmptyLines && k.text.text.empty())) out.AddCutText(k.text.text, k.text.cut);
    out.ClearSource();
    if (k.rect) out.AddHit(k.text.text, ToScreen(*k.rect, window));
  }
  if (cutAt >= 0) out.AddTooManyItems(cutAt);
  out.EndSection();
}

// A block of per-item buffers of varying sizes and rectangles, filled by the control
// and read back whole.
struct BarBlock {
  TProcessMemMgr& m;
  ProcessAddress base = 0;
  std::vector<uint8_t> image;

  BarBlock(TProcessMemMgr& mgr, size_t bytes) : m(mgr), base(mgr.AllocMem(static_cast<uint32_t>(bytes))), image(bytes, 0) {}
  ProcessAddress At(size_t offset) const { return base + static_cast<ProcessAddress>(offset); }
  void Clear(size_t bytes) {
    std::fill(image.begin(), image.begin() + static_cast<long>(bytes), 0);
    m.WriteBuffer(image.data(), base, bytes);
  }
  void Pull(size_t bytes) { m.ReadBuffer(base, image.data(), bytes); }
  const char* Bytes(size_t offset) const { return reinterpret_cast<const char*>(image.data()) + offset; }
};
}  // namespace

void ReadStatusBar(CapturedText& out, HWND statusBar) {
  int parts = static_cast<int>(SendToTarget(statusBar, SB_GETPARTS, 255, 0));
  // A bar in simple mode shows one text and answers every part with it: read it once.
  if (parts > 1 && SendToTarget(statusBar, SB_ISSIMPLE)) parts = 1;
  const int cutAt = parts > out.Limits.StatusParts ? out.Limits.StatusParts : -1;
  parts = std::min(parts, out.Limits.StatusParts);
  if (parts <= 0) return;
  WithTargetMemory(statusBar, [&](TProcessMemMgr& m) {
    // SB_GETTEXTA writes the whole text, so each buffer is sized from its part's length.
    // The length may come in UTF-16 units (Wine) while the text comes in bytes: room for
    // two each.
    std::vector<size_t> offsets, sizes;
    size_t total = static_cast<size_t>(parts) * kRemoteRectSize;
    for (int p = 0; p < parts; ++p) {
      size_t length = LOWORD(SendToTarget(statusBar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(p)));
      offsets.push_back(total);
      sizes.push_back(std::max(ItemBufferSize(out), 2 * length + 1));
      total += Align8(sizes.back());
    }
    BarBlock block(m, total);
    block.Clear(total);
    std::vector<LRESULT> results;
    std::vector<char> hasRect;
    Interruption interruption;
    interruption.Run([&] {
      for (int p = 0; p < parts; ++p) {
        out.Breathe();
        // An owner-drawn part answers with its data and writes nothing: its buffer stays empty.
        results.push_back(SendToTarget(statusBar, SB_GETTEXTA, static_cast<WPARAM>(p),
                                       AsParam(block.At(offsets[static_cast<size_t>(p)]))));
        hasRect.push_back(SendToTarget(statusBar, SB_GETRECT, static_cast<WPARAM>(p),
                                       AsParam(block.At(static_cast<size_t>(p) * kRemoteRectSize))) != 0);
      }
    });
    block.Pull(total);
    std::vector<KeptItem> kept;
    for (size_t p = 0; p < results.size(); ++p) {
      if (results[p] <= 0) continue;
      std::optional<RECT> rect;
      if (p < hasRect.size() && hasRect[p]) rect = RectFromBytes(block.image.data() + p * kRemoteRectSize);
      kept.push_back({static_cast<int>(p), TextWithin(block.Bytes(offsets[p]), sizes[p], out.Limits.ItemText), rect});
    }
    WriteBarItems(out, statusBar, kept, kStatusBarHeader, SourceKind::StatusPart, true, interruption.Happened() ? -1 : cutAt);
    interruption.RaiseAgain();
  });
}

void ReadToolBar(CapturedText& out, HWND toolBar) {
  int buttons = static_cast<int>(SendToTarget(toolBar, TB_BUTTONCOUNT));
  if (buttons <= 0) return;
  const int cutAt = buttons > out.Limits.ToolButtons ? out.Limits.ToolButtons : -1;
  buttons = std::min(buttons, out.Limits.ToolButtons);
  WithTargetMemory(toolBar, [&](TProcessMemMgr& m) {
    const Bitness bits = TargetBitness(m);
    const auto& L = ToolBarButton(bits);
    const size_t record = Align8(L.size);
    const size_t rects = static_cast<size_t>(buttons) * record;
    const size_t recordBytes = rects + static_cast<size_t>(buttons) * kRemoteRectSize;
    BarBlock records(m, recordBytes);
    records.Clear(recordBytes);
    std::vector<char> got, hasRect;
    for (int b = 0; b < buttons; ++b) {
      out.Breathe();
      got.push_back(SendToTarget(toolBar, TB_GETBUTTON, static_cast<WPARAM>(b),
                                 AsParam(records.At(static_cast<size_t>(b) * record))) != 0);
      hasRect.push_back(SendToTarget(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(b),
                                     AsParam(records.At(rects + static_cast<size_t>(b) * kRemoteRectSize))) != 0);
    }
    records.Pull(recordBytes);

    // The text is asked for by command identifier, so the position is translated first,
    // and its buffer is sized from the length the button gives.
    struct Wanted {
      int position;
      WPARAM id;
      size_t size;
    };
    std::vector<Wanted> wanted;
    size_t largest = 0;
    for (int b = 0; b < buttons; ++b) {
      if (!got[static_cast<size_t>(b)]) continue;
      StructImage s(L.size, bits);
      std::memcpy(s.Data(), records.image.data() + static_cast<size_t>(b) * record, L.size);
      if (s.GetU8(L.fsStyle) & BTNS_SEP) continue;
      const WPARAM id = static_cast<WPARAM>(static_cast<int32_t>(s.GetU32(L.idCommand)));
      out.Breathe();
      const LRESULT length = SendToTarget(toolBar, TB_GETBUTTONTEXTA, id, 0);
      if (length < 0 || static_cast<size_t>(length) > kLongestButtonText) continue;
      const size_t size = Align8(std::max(ItemBufferSize(out), static_cast<size_t>(length) + 1));
      largest = std::max(largest, size);
      wanted.push_back({b, id, size});
    }
    std::vector<KeptItem> kept;
    Interruption interruption;
    if (!wanted.empty()) {
      // The texts go in runs that fit one block, reserved once.
      size_t total = 0;
      for (const Wanted& w : wanted) total += w.size;
      BarBlock texts(m, std::min(total, std::max(kButtonTextBudget, largest)));
      for (size_t first = 0; first < wanted.size();) {
        size_t end = first, used = 0;
        while (end < wanted.size() && used + wanted[end].size <= texts.image.size()) used += wanted[end++].size;
        texts.Clear(used);
        std::vector<char> answered;
        interruption.Run([&] {
          for (size_t i = first, at = 0; i < end; at += wanted[i++].size) {
            out.Breathe();
            answered.push_back(SendToTarget(toolBar, TB_GETBUTTONTEXTA, wanted[i].id, AsParam(texts.At(at))) >= 0);
          }
        });
        texts.Pull(used);
        for (size_t i = first, at = 0; i < first + answered.size(); at += wanted[i++].size) {
          if (!answered[i - first]) continue;
          ItemText t = TextWithin(texts.Bytes(at), wanted[i].size, out.Limits.ItemText);
          if (t.text.empty()) continue;
          const size_t b = static_cast<size_t>(wanted[i].position);
          std::optional<RECT> rect;
          if (hasRect[b]) rect = RectFromBytes(records.image.data() + rects + b * kRemoteRectSize);
          kept.push_back({wanted[i].position, std::move(t), rect});
        }
        first = interruption.Happened() ? wanted.size() : end;
      }
    }
    WriteBarItems(out, toolBar, kept, kToolBarHeader, SourceKind::ToolButton, false, interruption.Happened() ? -1 : cutAt);
    interruption.RaiseAgain();
  });
}

}  // namespace glean::capture
