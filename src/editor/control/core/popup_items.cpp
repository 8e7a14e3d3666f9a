#include "editor/control/core/popup_items.h"

namespace glean::popup {

namespace {
std::vector<TItem> BuildItems() {
  std::vector<TItem> items;
  items.push_back({kMarks, 0, "マーク設定", "", 0, 0});
  for (int n = 0; n <= 9; ++n)
    items.push_back({kMarkSet + n, kMarks, std::to_string(n), "Shift+Ctrl+" + std::to_string(n),
                     uint16_t('0' + n), ssShift | ssCtrl});
  items.push_back({kJumps, 0, "マークジャンプ", "", 0, 0});
  for (int n = 0; n <= 9; ++n)
    items.push_back({kMarkJump + n, kJumps, std::to_string(n), "Ctrl+" + std::to_string(n),
                     uint16_t('0' + n), ssCtrl});
  items.push_back({0, 0, "-", "", 0, 0});
  items.push_back({kUndo, 0, "元に戻す(&U)", "Ctrl+Z", 'Z', ssCtrl});
  items.push_back({kRedo, 0, "やり直し(&R)", "Ctrl+A", 'A', ssCtrl});
  items.push_back({0, 0, "-", "", 0, 0});
  items.push_back({kCut, 0, "切り取り(&T)", "Ctrl+X", 'X', ssCtrl});
  items.push_back({kCopy, 0, "コピー(&C)", "Ctrl+C", 'C', ssCtrl});
  items.push_back({kPaste, 0, "貼り付け(&P)", "Ctrl+V", 'V', ssCtrl});
  items.push_back({kBoxPaste, 0, "Box貼り付け(&B)", "Ctrl+B", 'B', ssCtrl});
  items.push_back({kDelete, 0, "削除(&D)", "", 0, 0});
  items.push_back({0, 0, "-", "", 0, 0});
  items.push_back({kSelectAll, 0, "すべて選択(&A)", "", 0, 0});
  items.push_back({0, 0, "-", "", 0, 0});
  items.push_back({kBoxMode, 0, "Box選択モード(&K)", "Ctrl+K", 'K', ssCtrl});
  return items;
}
}  // namespace

const std::vector<TItem>& Items() {
  static const std::vector<TItem> items = BuildItems();
  return items;
}

TState StateOf(TEditorCore& e, int id) {
  const bool ro = e.ReadOnly();
  const bool selected = e.SelLength() > 0;
  const uint16_t used = e.ListRows().GetUsedMarks();
  if (id >= kMarkSet && id <= kMarkSet + 9) return {true, (used >> (id - kMarkSet) & 1) != 0};
  if (id >= kMarkJump && id <= kMarkJump + 9) return {true, (used >> (id - kMarkJump) & 1) != 0};
  switch (id) {
    case kUndo: return {e.CanUndo() && !ro, false};
    case kRedo: return {e.CanRedo() && !ro, false};
    case kCut:
    case kDelete: return {selected && !ro, false};
    case kCopy: return {selected, false};
    case kPaste:
    case kBoxPaste: return {!ro && e.Host().ClipboardHasText(), false};
    case kSelectAll: return {e.GetTextLen() > 0, false};
    case kBoxMode: return {true, e.SelectionMode() == TEditorSelectionMode::smBox};
    default: return {true, false};
  }
}

void Run(TEditorCore& e, int id) {
  if (id >= kMarkSet && id <= kMarkSet + 9) {
    const int n = id - kMarkSet;
    const int row = e.Row();
    if (row < e.ListRows().Count() && (e.ListRows().RowMarks(row) >> n & 1))
      e.DeleteRowMark(row, n);
    else
      e.PutRowMark(row, n);
    return;
  }
  if (id >= kMarkJump && id <= kMarkJump + 9) {
    e.GotoRowMark(id - kMarkJump);
    return;
  }
  switch (id) {
    case kUndo:
      if (e.CanUndo() && !e.ReadOnly()) e.Undo();
      break;
    case kRedo:
      if (e.CanRedo() && !e.ReadOnly()) e.Redo();
      break;
    case kCut: e.CutToClipboard(); break;
    case kCopy: e.CopyToClipboard(); break;
    case kPaste: e.PasteFromClipboard(); break;
    case kBoxPaste: {
      std::string text;
      bool box = false;
      if (!e.ReadOnly() && e.Host().GetClipboardText(text, box)) e.BoxPaste(text);
      break;
    }
    case kDelete: e.ClearSelection(); break;
    case kSelectAll: e.SelectAll(); break;
    case kBoxMode:
      e.SetSelectionMode(e.SelectionMode() == TEditorSelectionMode::smBox
                             ? TEditorSelectionMode::smNormal
                             : TEditorSelectionMode::smBox);
      break;
    default: break;
  }
}

int ForShortcut(uint16_t key, TShiftState shift) {
  shift &= ssShift | ssCtrl | ssAlt;
  for (const TItem& item : Items())
    if (item.Key != 0 && item.Key == key && item.Shift == shift) return item.Id;
  return 0;
}

}  // namespace glean::popup
