#include "capture/in_process_readers.h"

#include <algorithm>

#include "capture/classes/control_classes.h"
#include "capture/section_headers.h"
#include "capture/target_messages.h"

namespace glean::capture {

namespace {
constexpr int kMenuTextLimit = 255;
constexpr int kListItemLimit = 10000;
constexpr int kMaxSelectedItems = 1000;

uint64_t Handle(HWND hwnd) { return reinterpret_cast<uintptr_t>(hwnd); }

LineSource ListBoxItem(HWND listBox, int list, int index) {
  LineSource s;
  s.window = Handle(listBox);
  s.kind = SourceKind::ListBoxItem;
  s.row = index;
  s.list = list;
  return s;
}

void WriteSingleListItem(CapturedText& out, HWND listBox, int index) {
  const std::string text = GetListBoxItemText(listBox, index, kListItemLimit);
  if (text.empty()) return;
  out.AddSectionBreak();
  out.AddHeader(kListItemHeader);
  out.SetSource(ListBoxItem(listBox, out.AddList({SourceKind::ListBoxItem, Handle(listBox), {}, {}}), index));
  out.Add(text);
  out.ClearSource();
  out.EndSection();
}

TextKind KindOf(HWND child, const std::string& className) {
  return TextKindOf(
      className, [child] { return SendToTarget(child, EM_GETLIMITTEXT) > 0; },
      [child] { return SendToTarget(child, CB_GETCOUNT) > 0; });
}

// A drop-down list drawn by its program without strings shows a value of the program's
// own as its window text: read as characters it is rubbish, so it has no text.
bool IsComboWithoutStrings(HWND combo) {
  const LONG_PTR style = GetWindowLongPtrA(combo, GWL_STYLE);
  return (style & 3) == CBS_DROPDOWNLIST && (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) &&
         !(style & CBS_HASSTRINGS);
}

void AddHitForWindow(CapturedText& out, const std::string& text, const ChildFacts& child) {
  if (child.hasRect) out.AddHit(text, child.rect);
}

// The lines of a control's own text come from the control.
void SetControlSource(CapturedText& out, const ChildFacts& child) {
  LineSource s;
  s.window = Handle(child.hwnd);
  if (child.hasRect) s.rect = ScreenRect{child.rect.left, child.rect.top, child.rect.right, child.rect.bottom};
  out.SetSource(s);
}
}  // namespace

std::string RemoveAmpersands(const std::string& text) {
  std::string out = text;
  out.erase(std::remove(out.begin(), out.end(), '&'), out.end());
  return out;
}

void ReadMenuBar(CapturedText& out, HWND window) {
  HMENU menu = GetMenu(window);
  if (!menu) return;
  int count = GetMenuItemCount(menu);
  if (count <= 0) return;
  out.AddHeader(kMenuHeader);
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, kMenuTextLimit, MF_BYPOSITION);
    LineSource s;
    s.window = Handle(window);
    s.kind = SourceKind::MenuItem;
    s.row = i;
    out.SetSource(s);
    out.Add(out.Options().no_ampersand ? RemoveAmpersands(text) : std::string(text));
  }
  out.ClearSource();
  out.EndSection();
}

void ReadListBox(CapturedText& out, HWND child) {
  LRESULT current = SendToTarget(child, LB_GETCURSEL);
  if (current < 0) {
    WriteSingleListItem(out, child, 0);
    return;
  }
  LRESULT selCount = SendToTarget(child, LB_GETSELCOUNT);
  if (selCount < 0) {
    WriteSingleListItem(out, child, static_cast<int>(current));
    return;
  }
  // The index array is in our memory; the system copies it back across processes.
  int indices[kMaxSelectedItems] = {};
  LRESULT n = SendToTarget(child, LB_GETSELITEMS, kMaxSelectedItems, reinterpret_cast<LPARAM>(indices));
  if (n <= 0) return;
  n = std::min<LRESULT>(n, kMaxSelectedItems);
  out.AddSectionBreak();
  out.AddHeader(kSelectedListItemsHeader);
  const int list = out.AddList({SourceKind::ListBoxItem, Handle(child), {}, {}});
  for (LRESULT i = 0; i < n; ++i) {
    out.Breathe();
    std::string text = GetListBoxItemText(child, indices[i], kListItemLimit);
    out.SetSource(ListBoxItem(child, list, indices[i]));
    if (!text.empty()) out.Add(text);
  }
  out.ClearSource();
  out.EndSection();
}

bool ReadChildText(CapturedText& out, const ChildFacts& facts) {
  const HWND child = facts.hwnd;
  const std::string& className = facts.className;
  WholeTargetText whole = GetWholeTargetText(child, out.Limits.WindowText);
  const std::string& text = whole.text;
  if (text.empty()) return false;
  if (text == out.LastChildText) return true;
  const CaptureOptions& options = out.Options();
  TextKind kind = KindOf(child, className);
  if (kind == TextKind::Combo && IsComboWithoutStrings(child)) return true;
  switch (kind) {
    case TextKind::Edit:
    case TextKind::Combo: {
      bool edit = kind == TextKind::Edit;
      if (edit ? options.read_edit : options.read_combo) {
        out.AddSectionBreak();
        out.AddHeader(edit ? kEditHeader : kComboHeader);
        SetControlSource(out, facts);
        out.AddCutText(text, whole.cut);
        out.ClearSource();
        out.EndSection();
        AddHitForWindow(out, text, facts);
      }
      break;
    }
    case TextKind::Static:
      if (options.read_static) {
        std::string shown = options.no_ampersand ? RemoveAmpersands(text) : text;
        if (out.LastLineEmpty()) out.AddHeader(kStaticHeader);
        SetControlSource(out, facts);
        out.AddCutText(shown, whole.cut);
        out.ClearSource();
        AddHitForWindow(out, shown, facts);
      }
      break;
  }
  out.LastChildText = text;
  return true;
}

}  // namespace glean::capture
