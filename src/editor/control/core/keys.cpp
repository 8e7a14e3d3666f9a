// Keyboard and input-method input: the host events first, then the key
// table of movement and deletion keys, the character handling (Backspace with
// un-indent, Tab, Return with auto-indent, single- and double-byte characters) and the
// result string of the input method.
#include <algorithm>
#include <utility>

#include "base/sjis.h"
#include "editor/control/core/editor_core.h"
#include "editor/model/fountain_parser.h"

namespace glean {

namespace {
const std::string kCrLf = "\r\n";

bool IsMoveKey(uint16_t key) { return key >= vk::Prior && key <= vk::Down; }

// Width of the leading white space of `s`: spaces 1, full-width spaces 2, tabs to the
// next tab stop. `bytes` receives its length in bytes.
int LeadingWhite(const std::string& s, int tab, int* bytes = nullptr) {
  int col = 0;
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] == ' ') {
      ++col;
      ++i;
    } else if (s[i] == '\t') {
      col += tab - col % tab;
      ++i;
    } else if (i + 1 < s.size() && s[i] == '\x81' && s[i + 1] == '\x40') {
      col += 2;
      i += 2;
    } else {
      break;
    }
  }
  if (bytes) *bytes = int(i);
  return col;
}
}  // namespace

int TEditorCore::IndentWidth(int row) const {
  if (row < 0 || row >= list_->Count()) return 0;
  return LeadingWhite(list_->Ref(row), caret_->TabSpaceCount());
}

// ---- key-down ----

void TEditorCore::KeyDown(uint16_t key, TShiftState shift, bool repeat) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
  if (key == 0) return;
  keyRepeat_ = repeat;
  if (MouseBusy()) {
    if (dragState_ != TDragState::Dragging) return;
    if (key == vk::Control) CtrlChanged(true);
    if (key == vk::Escape) CancelDrag();
  }
  if (ShortcutKey(key, shift)) return;
  const bool ctrl = (shift & ssCtrl) != 0;
  if (IsMoveKey(key)) {
    MoveKey(key, (shift & ssShift) != 0, ctrl);
  } else if (key == vk::Delete) {
    DeleteKey();
  }
}

void TEditorCore::KeyUp(uint16_t key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
  if (key == 0) return;
  if (MouseBusy()) {
    if (dragState_ == TDragState::Dragging && key == vk::Control) CtrlChanged(false);
    return;
  }
  KeyReleased();
}

void TEditorCore::MoveKey(uint16_t key, bool shift, bool ctrl) {
  if (selState_ == TEditorSelectionState::Hit) CleanSelection();
  if (shift && !Selected())
    StartSelection();
  else if (!shift && Selected())
    CleanSelection();
  const int count = list_->Count();
  auto isEnd = [&](int r) {
    return r >= count || list_->RowAttribute(r) == TRowAttribute::EndOfText;
  };
  const int page = ((visibleRows_ - 1) / 2) *
                   (keyRepeat_ ? speed_->PageVerticalRangeAc() : speed_->PageVerticalRange());
  extending_ = shift;
  switch (key) {
    case vk::Prior:
      PageMove(-page);
      break;
    case vk::Next:
      PageMove(page);
      break;
    case vk::Home:
      if (ctrl) SetRow(0);
      SetCol(0);
      break;
    case vk::End:
      if (ctrl) SetRow(count);
      SetCol(row_ < count ? RowWidth(row_) : 0);
      break;
    case vk::Left:
      if (ctrl) {
        TokenLeft();
      } else if (col_ == 0 && row_ > 0 &&
                 (caret_->NextLine() || list_->RowAttribute(row_ - 1) == TRowAttribute::Wrapped)) {
        SetRowCol(row_ - 1, RowWidth(row_ - 1));
      } else {
        SetCol(col_ - 1);
      }
      break;
    case vk::Right:
      if (ctrl) {
        TokenRight();
      } else {
        const int before = col_;
        SetCol(col_ + 1);
        if (col_ == before && row_ < count && !isEnd(row_) &&
            (caret_->NextLine() || list_->RowAttribute(row_) == TRowAttribute::Wrapped))
          SetRowCol(row_ + 1, 0);
      }
      break;
    case vk::Up: {
      const int step = keyRepeat_ && row_ == topRow_ ? speed_->CaretVerticalAc() : 1;
      if (ctrl) {
        SetTopRow(topRow_ - step);
        if (row_ > topRow_ + visibleRows_ - 1) SetRow(std::max(row_ - step, 0));
      } else if (row_ > 0) {
        SetRow(std::max(row_ - step, 0));
      }
      break;
    }
    case vk::Down: {
      const int step =
          keyRepeat_ && row_ == topRow_ + visibleRows_ - 1 ? speed_->CaretVerticalAc() : 1;
      if (ctrl) {
        SetTopRow(topRow_ + step);
        if (row_ < topRow_) SetRow(row_ + step);
      } else if (!isEnd(row_)) {
        SetRow(row_ + step);
      }
      break;
    }
    default:
      break;
  }
  extending_ = false;
  if (shift) ExtendSelection();
  UpdateCaret();
}

void TEditorCore::PageMove(int n) {
  const int count = list_->Count();
  if (topRow_ == 0 && n < 0) {
    SetRow(0);
    return;
  }
  if (n > 0 && (topRow_ >= count || list_->RowAttribute(topRow_) == TRowAttribute::EndOfText))
    return;
  const int before = topRow_;
  SetTopRow(std::clamp(topRow_ + n, 0, count));
  const int moved = topRow_ - before;
  if (moved != 0) SetRow(row_ + moved);
}

namespace {
// The starts (display columns) of the row's tokens that are not symbols, read by the
// colouring parser from the row's stored state over the text with tabs expanded.
std::vector<int> TokenStarts(TEditorScreenStrings& list, TFountain* fountain, int row, int tab) {
  std::vector<int> starts;
  if (row < 0 || row >= list.Count() || !fountain) return starts;
  const std::string& s = list.Ref(row);
  std::string expanded;
  for (char c : s) {
    if (c == '\t')
      expanded.append(size_t(tab - int(expanded.size()) % tab), ' ');
    else
      expanded += c;
  }
  if (list.BracketIndex(row) == -2) list.ReparseFrom(row, false);
  std::unique_ptr<TFountainParser> parser = fountain->CreateParser();
  parser->Init(expanded, list.RowState(row));
  for (TokenKind k = parser->NextToken(); k != TokenKind::End; k = parser->NextToken())
    if (k != TokenKind::Symbol) starts.push_back(parser->TokenPos());
  return starts;
}
}  // namespace

std::vector<int> TEditorCore::TokenStartBytes(int row) {
  std::vector<int> bytes;
  for (int col : TokenStarts(*list_, ActiveFountain(), row, caret_->TabSpaceCount()))
    bytes.push_back(ColToByte(row, col));
  return bytes;
}

void TEditorCore::TokenRight() {
  const int count = list_->Count();
  if (row_ >= count) return;
  int row = row_, col = col_;
  if (col >= RowWidth(row) && row + 1 < count) {
    row = row + 1;
    col = -1;
  }
  for (int start : TokenStarts(*list_, ActiveFountain(), row, caret_->TabSpaceCount())) {
    if (start > col) {
      SetRowCol(row, start);
      return;
    }
  }
  if (list_->RowAttribute(row) == TRowAttribute::Wrapped && row + 1 < count)
    SetRowCol(row + 1, 0);
  else
    SetRowCol(row, RowWidth(row));
}

void TEditorCore::TokenLeft() {
  const int count = list_->Count();
  int row = std::min(row_, count), col = col_;
  if (row >= count) {
    if (row == 0) return;
    col = 0;
  }
  if (col == 0) {
    if (row == 0) return;
    --row;
    col = RowWidth(row);
    SetRowCol(row, col);
    if (list_->RowAttribute(row) == TRowAttribute::LineBreak) return;
  }
  int found = -1;
  for (int start : TokenStarts(*list_, ActiveFountain(), row, caret_->TabSpaceCount()))
    if (start < col) found = start;
  if (found >= 0)
    SetRowCol(row, found);
  else if (row == 0)
    SetRowCol(0, 0);
  else
    SetRowCol(row - 1, RowWidth(row - 1));
}

// ---- deletion ----

void TEditorCore::DeleteKey() {
  if (readOnly_) return;
  if (selState_ == TEditorSelectionState::Selected) {
    ClearSelection();
    return;
  }
  if (selState_ == TEditorSelectionState::Hit) CleanSelection();
  const int count = list_->Count();
  const int row = row_;
  if (row >= count) return;
  std::string s = list_->Ref(row);
  const TRowAttribute attr = list_->RowAttribute(row);
  const int width = RowWidth(row);
  const int base = RowOffset(row);
  if (col_ < width) {
    const int col = NormalCol(row, col_);
    const std::string classes = ColumnClasses(row);
    int c = col;
    while (c > 0 && classes[size_t(c)] == '3') --c;  // on a tab filler: the tab itself
    const int byte = ColToByte(row, c);
    s.erase(size_t(byte), sjis::CharLength(s, size_t(byte)));
    if (attr == TRowAttribute::LineBreak) s += kCrLf;
    ReplaceRowsText(row, row, s, base + byte);
    return;
  }
  if (attr == TRowAttribute::EndOfText) return;
  // At or beyond the end: spaces up to the caret, and the next row joins (on a wrapped
  // row its first character goes instead).
  s.append(size_t(col_ - width), ' ');
  const int caret = base + int(s.size());
  if (attr == TRowAttribute::Wrapped && row + 1 < count) {
    std::string next = list_->Ref(row + 1);
    next.erase(0, sjis::CharLength(next, 0));
    if (list_->RowAttribute(row + 1) == TRowAttribute::LineBreak) next += kCrLf;
    ReplaceRowsText(row, row + 1, s + next, caret);
    return;
  }
  ReplaceRowsText(row, row, s, caret);  // without its line break the next row joins
}

void TEditorCore::BackSpaceKey() {
  if (readOnly_) return;
  if (selState_ == TEditorSelectionState::Selected) {
    ClearSelection();
    return;
  }
  const int count = list_->Count();
  if (count == 0) {
    SetCol(col_ - 1);
    return;
  }
  if (selState_ == TEditorSelectionState::Hit) CleanSelection();
  const int row = row_;
  if (row >= count) {
    // The empty row after a final line break.
    if (col_ > 0) {
      SetCol(col_ - 1);
      return;
    }
    const std::string prev = list_->Ref(count - 1);
    ReplaceRowsText(count - 1, count - 1, prev, RowOffset(count - 1) + int(prev.size()));
    return;
  }
  std::string s = list_->Ref(row);
  const TRowAttribute attr = list_->RowAttribute(row);
  const std::string end = attr == TRowAttribute::LineBreak ? kCrLf : std::string();
  const int base = RowOffset(row);
  if (col_ == 0) {
    if (row == 0) return;
    std::string prev = list_->Ref(row - 1);
    const int prevBase = RowOffset(row - 1);
    if (list_->RowAttribute(row - 1) == TRowAttribute::Wrapped) {
      const size_t at = sjis::PrevCharPos(prev, prev.size());
      prev.erase(at);
      ReplaceRowsText(row - 1, row, prev + s + end, prevBase + int(at));
    } else {
      ReplaceRowsText(row - 1, row, prev + s + end, prevBase + int(prev.size()));
    }
    return;
  }
  const int width = RowWidth(row);
  if (col_ > width) {
    SetCol(col_ - 1);
    return;
  }
  const int byte = CaretByte();
  const int tab = caret_->TabSpaceCount();
  int whiteBytes = 0;
  LeadingWhite(s, tab, &whiteBytes);
  const bool textAfter = whiteBytes < int(s.size());
  if (!caret_->BackSpaceUnIndent() || (textAfter && byte != whiteBytes)) {
    const size_t at = sjis::PrevCharPos(s, size_t(byte));
    s.erase(at, size_t(byte) - at);
    ReplaceRowsText(row, row, s + end, base + int(at));
    return;
  }
  // Un-indent: to the indent of the nearest row above that is indented less.
  const int lineStart = list_->LineStartRow(row);
  int target = 0;
  for (int r = row - 1; r >= 0; --r) {
    const int w = IndentWidth(r);
    if (r >= lineStart && w == 0) continue;  // the caret's own line, continued
    if (w < col_) {
      target = w;
      break;
    }
  }
  if (target >= width) {
    SetCol(target);
    return;
  }
  // Keep the white space up to the target column; a tab the target cuts becomes spaces.
  std::string head;
  int col = 0;
  size_t i = 0;
  while (i < size_t(byte) && col < target) {
    const int w = s[i] == '\t' ? tab - col % tab : (s[i] == ' ' ? 1 : 2);
    const int n = s[i] == '\t' || s[i] == ' ' ? 1 : 2;
    if (col + w > target) {
      head.append(size_t(target - col), ' ');
      col = target;
    } else {
      head.append(s, i, size_t(n));
      col += w;
    }
    i += size_t(n);
  }
  const std::string text = head + s.substr(size_t(byte)) + end;
  ReplaceRowsText(row, row, text, base + int(head.size()));
}

// ---- characters ----

void TEditorCore::TabKey() {
  if (readOnly_ || !wantTabs_) return;
  const int tab = caret_->TabSpaceCount();
  int n = tab - col_ % tab;
  if (list_->WordWrap()) {
    const int wrap = std::max(1, list_->WrapOption().WrapByte());
    n = std::min(n, wrap - col_ % wrap);
  }
  TypeText(caret_->SoftTab() ? std::string(size_t(std::max(n, 1)), ' ') : std::string("\t"));
}

void TEditorCore::ReturnKey(bool shift) {
  if (readOnly_) return;
  const bool selected = selState_ == TEditorSelectionState::Selected;
  if (selected && shift) return;
  if (selState_ == TEditorSelectionState::Hit) CleanSelection();
  const int count = list_->Count();
  // With a selection the line break replaces it (one step): the caret's row is then
  // the selection's start row with the text after the selection joined to it.
  const int row = selected ? selStartRow_ : row_;
  const int col = selected ? screenRange_.StartCol : col_;
  if (row >= count) {
    if (selected)
      InsertText(kCrLf);
    else
      ReplaceRowsText(count, count, kCrLf, GetTextLen() + 2);
    return;
  }
  auto rowText = [&](int r) {
    if (!selected || r != row) return list_->Ref(r);
    const std::string& head = list_->Ref(row);
    std::string s = head.substr(0, std::min(size_t(selStartByte_), head.size()));
    if (selEndRow_ < count) {
      const std::string& tail = list_->Ref(selEndRow_);
      s += tail.substr(std::min(size_t(selEndByte_ + 1), tail.size()));
    }
    return s;
  };
  const int tab = caret_->TabSpaceCount();
  const int first = list_->LineStartRow(row);
  int d = 0;
  if (caret_->AutoIndent()) {
    const int w = LeadingWhite(rowText(first), tab);
    if (w < 1) {
      if (caret_->PrevSpaceIndent() && row == first && rowText(row).empty()) {
        for (int r = row - 1; r >= 0; --r) {
          if (list_->Ref(r).empty()) continue;
          d = IndentWidth(list_->LineStartRow(r));
          break;
        }
      }
    } else {
      d = row == first && col < w ? col : w;
    }
  }
  const std::string indent = caret_->TabIndent()
                                 ? std::string(size_t(d / tab), '\t') + std::string(size_t(d % tab), ' ')
                                 : std::string(size_t(d), ' ');
  if (selected) {
    InsertText(kCrLf + indent);
    return;
  }
  if (shift) {
    // An empty line holding the indent, above the logical line.
    const int base = RowOffset(first);
    ReplaceRowsText(first, first - 1, indent + kCrLf, base + int(indent.size()));
    return;
  }
  const std::string& s = list_->Ref(row);
  const int byte = CaretByte();
  std::string text = s.substr(0, size_t(byte)) + kCrLf + indent + s.substr(size_t(byte));
  if (list_->RowAttribute(row) == TRowAttribute::LineBreak) text += kCrLf;
  ReplaceRowsText(row, row, text, RowOffset(row) + byte + 2 + int(indent.size()));
}

void TEditorCore::KeyPress(char c, TShiftState shift) {
  // The trail byte of a character whose lead byte came in a message of its own.
  const auto first = static_cast<unsigned char>(c);
  const bool trailOfPending = pendingLead_ && first >= 0x40 && first != 0x7F;
  if (OnKeyPress && !trailOfPending) OnKeyPress(this, c);
  const char lead = std::exchange(pendingLead_, char(0));
  if (c == 0 || MouseBusy()) return;
  if (trailOfPending) {
    DoubleBytePress(lead, c);
    return;
  }
  const auto u = static_cast<unsigned char>(c);
  if (sjis::IsLeadByte(u)) {
    const int trail = host_.TakeTrailByte();
    if (trail < 64 || trail > 255)
      pendingLead_ = c;  // the trail byte may still come, as the system converts typed Unicode
    else
      DoubleBytePress(c, static_cast<char>(trail));
    return;
  }
  switch (u) {
    case 8:
      BackSpaceKey();
      return;
    case 9:
      if (!(shift & (ssShift | ssCtrl))) TabKey();
      return;
    case 13:
      if (!(shift & ssCtrl)) ReturnKey((shift & ssShift) != 0);
      return;
    default:
      break;
  }
  if ((u >= 32 && u <= 126) || u >= 160) {
    if (imeSkip_ > 0) {
      --imeSkip_;
      return;
    }
    if (readOnly_) return;
    KeyReleasedIme();
    TypeText(std::string(1, c));
  }
}

void TEditorCore::DoubleBytePress(char lead, char trail) {
  if (imeSkip_ > 0) {
    imeSkip_ = std::max(imeSkip_ - 2, 0);
    return;
  }
  if (readOnly_) return;
  KeyReleasedIme();
  TypeText(std::string{lead, trail});
}

void TEditorCore::CharPress(const std::string& ch, TShiftState shift) {
  if (ch.size() != 2) {
    if (ch.size() == 1) KeyPress(ch[0], shift);
    return;
  }
  pendingLead_ = 0;
  char lead = ch[0];
  if (OnKeyPress) OnKeyPress(this, lead);
  if (lead == 0 || MouseBusy()) return;
  if (lead != ch[0]) {  // the handler replaced the character
    KeyPress(lead, shift);
    return;
  }
  DoubleBytePress(ch[0], ch[1]);
}

void TEditorCore::KeyReleasedIme() {
  if (!imePending_ || !host_.HasWindow()) return;
  imePending_ = false;
  const TPoint p = CaretPos();
  host_.MoveImeWindow(p.X, p.Y);
}

void TEditorCore::ImeResult(const std::string& text) {
  if (readOnly_ || text.empty()) return;
  TypeText(text);
  imeSkip_ = int(text.size());
}

void TEditorCore::ImeCandidateWindow(bool open) {
  if (open)
    HideCaret();
  else
    ShowCaret();
}

void TEditorCore::DblClick() {
  if (MouseBusy()) return;
  if (OnDblClick) OnDblClick(this);
}

}  // namespace glean
