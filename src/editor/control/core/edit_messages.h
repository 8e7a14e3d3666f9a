// What the pane answers to the standard messages of a multi-line edit control, so that
// screen readers read it like an ordinary edit box. The window only unpacks parameters
// and writes results; everything here is portable and works on the core alone.
//
// Every index is a byte offset in the Shift-JIS text over the screen rows: a row counts
// its bytes, plus 2 after a LineBreak row, nothing after a Wrapped row. A "line" is a
// screen row.
#pragma once

#include <cstdint>
#include <string>

#include "editor/control/core/editor_core.h"

namespace glean::edit_msg {

// Low and high words of a reply, as the edit control packs them.
inline int32_t MakeReply(int low, int high) {
  return static_cast<int32_t>((static_cast<uint32_t>(high & 0xFFFF) << 16) |
                              static_cast<uint32_t>(low & 0xFFFF));
}

// EM_GETSEL: start and end (the caret twice without a selection); either may be null.
int32_t GetSel(const TEditorCore& e, int32_t* start, int32_t* end);
// EM_SETSEL: (0, -1) selects all, start -1 removes the selection, else the caret ends
// at the higher offset.
void SetSel(TEditorCore& e, int start, int end);
// EM_GETLINE: copies at most `size` bytes of row `line` (no terminating zero).
int GetLine(const TEditorCore& e, int line, char* buffer, int size);
// EM_LINEINDEX: -1 is the caret row; a row at or past the count gives -1.
int LineIndex(const TEditorCore& e, int line);
// EM_LINELENGTH.
int LineLength(const TEditorCore& e, int index);
// EM_LINEFROMCHAR: the row count when the index lies past the end.
int LineFromChar(const TEditorCore& e, int index);
// EM_GETLINECOUNT.
int LineCount(const TEditorCore& e);
// EM_POSFROMCHAR: client x, y of the character.
int32_t PosFromChar(const TEditorCore& e, int index);
// EM_CHARFROMPOS: offset in the low word, row in the high word; -1 outside the client.
int32_t CharFromPos(const TEditorCore& e, int x, int y, const TRect& client);
// EM_SCROLLCARET: brings the caret a third into the view where it is out of it.
void ScrollCaret(TEditorCore& e);
// EM_SETMODIFY / EM_SETREADONLY / EM_CANUNDO.
void SetModify(TEditorCore& e, bool on);
void SetReadOnly(TEditorCore& e, bool on);
bool CanUndo(TEditorCore& e);
// WM_GETTEXT: up to size - 1 bytes and a zero; nothing at all when size is 0.
int GetText(const TEditorCore& e, char* buffer, int size);

// WM_SETTEXT: the whole text, unless read-only (a null text empties the pane).
void SetText(TEditorCore& e, const char* text);
// EM_UNDO: removes a selection and undoes one step; false when nothing was undone.
bool Undo(TEditorCore& e);
// EM_EMPTYUNDOBUFFER: forgets the undo and the redo steps, unless read-only.
void EmptyUndoBuffer(TEditorCore& e);
// WM_COPY: the text for the clipboard (empty without a selection) and whether it is
// a box, which also goes under the box format.
std::string CopyText(const TEditorCore& e, bool& box);

// WM_GETDLGCODE over the default reply; the flags of the Windows protocol.
constexpr uint32_t kWantArrows = 0x0001, kWantTab = 0x0002, kWantAllKeys = 0x0004,
                   kWantChars = 0x0080;
// `tabKey`: the dialog manager asks about a Tab key. Without WantTabs the pane does not
// claim it even when it wants all keys, so Tab still moves the focus on: a keyboard
// user who tabs into the pane must be able to tab out of it.
uint32_t DlgCode(const TEditorCore& e, uint32_t defaultCode, bool tabKey = false);

}  // namespace glean::edit_msg
