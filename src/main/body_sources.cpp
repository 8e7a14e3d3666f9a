// The commands on a captured line's source: the list the line belongs to as a table
// (copied for a spreadsheet, or saved as CSV), and the item itself in the other program.
#include <windows.h>


#include <algorithm>
#include <optional>

#include "capture/source_place.h"
#include "capture/sources/table_text.h"
#include "capture/target_messages.h"
#include "main/body.h"
#include "main/model/save_name.h"
#include "main/save_dialog.h"
#include "main/source_texts.h"
#include "ui/clipboard.h"
#include "win/cp932_text.h"

namespace glean {

namespace {
constexpr DWORD kActivationWait = 2000;  // milliseconds

// The logical line the caret is on: the rows of a wrapped line count once.
int CaretLine(TEditor& pane) { return pane.ListRows().LineBreaksBefore(pane.Row()); }

std::string Utf8WithByteOrderMark(const std::string& cp932) {
  const std::u16string wide = win::FromCodePage932(cp932);
  const auto* w = reinterpret_cast<const wchar_t*>(wide.data());
  const int units = static_cast<int>(wide.size());
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, w, units, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(std::max(bytes, 0)), '\0');
  if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, w, units, utf8.data(), bytes, nullptr, nullptr);
  return "\xEF\xBB\xBF" + utf8;
}

HWND AsWindow(uint64_t handle) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(handle)); }

// The other program's window to the front, and the keyboard focus to its control: the
// activation is let through first, or the window's own focus restore would undo ours.
void BringToFront(HWND control) {
  HWND top = GetAncestor(control, GA_ROOT);
  if (!top) return;
  if (IsIconic(top)) ShowWindow(top, SW_RESTORE);
  SetForegroundWindow(top);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(top, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kActivationWait, &ignored);
  if (control == top) return;
  const DWORD own = GetCurrentThreadId();
  const DWORD theirs = GetWindowThreadProcessId(control, nullptr);
  const bool attached = theirs != own && AttachThreadInput(own, theirs, TRUE);
  SetFocus(control);
  if (attached) AttachThreadInput(own, theirs, FALSE);
}
}  // namespace

std::optional<int> TBody::CaretCapturedLine() {
  const int paneLine = CaretLine(*Data_);
  auto at = capture::CapturedLineOfPaneLine(CapturedLines_.Items(), paneLine);
  // A pane edited since the capture no longer says where its lines came from.
  if (!at || paneLine >= Data_->Lines().Count() || Data_->Lines().Get(paneLine) != at->text) return std::nullopt;
  return at->line;
}

std::optional<capture::Table> TBody::CaretTable() {
  const auto line = CaretCapturedLine();
  if (!line) return std::nullopt;
  return capture::TableOfLine(LineSources_, CapturedLines_.Items(), *line);
}

void TBody::RefuseSourceCommand(const char* text) {
  MessageBeep(MB_ICONEXCLAMATION);
  Report(text);
}

void TBody::TableCopyClick() {
  const auto table = CaretTable();
  if (!table) return RefuseSourceCommand(texts::kNotFromAList);
  if (!ui::PutTextOnClipboard(hwnd_, capture::TabSeparated(*table))) return RefuseSourceCommand(texts::kClipboardBusy);
  // Not through the clipboard speech: it would replace the table just copied.
  if (view_.uia_notify)
    Data_->NotifyAccessClients(Format(texts::kTableCopiedFormat, static_cast<int>(table->rows.size())));
}

void TBody::TableSaveClick() {
  const auto table = CaretTable();
  if (!table) return RefuseSourceCommand(texts::kNotFromAList);
  const auto choice = AskSaveName(hwnd_, SafeFileName(SaveName()) + ".csv", texts::kTableFilter, "csv");
  if (!choice) return;  // cancelled: nothing changes
  const std::string csv = capture::CommaSeparated(*table);
  WriteFileBytes(choice->path, choice->kind == 2 ? Utf8WithByteOrderMark(csv) : csv);
  Report(Format(texts::kTableSavedFormat, static_cast<int>(table->rows.size())));
}

void TBody::GoToSourceClick() {
  const auto line = CaretCapturedLine();
  const capture::LineSource* source = line ? LineSources_.At(*line) : nullptr;
  if (!source) return RefuseSourceCommand(texts::kNoSource);
  const std::string& captured = CapturedLines_.Items()[static_cast<size_t>(*line)];
  const std::string text = source->textStart <= captured.size() ? captured.substr(source->textStart) : captured;
  std::optional<RECT> place;
  try {
    place = capture::ShowSource(*source, text, capture::CaptureLimits{});
  } catch (const capture::ETargetNotResponding&) {
    place.reset();
  }
  if (!place) return RefuseSourceCommand(texts::kSourceGone);
  BringToFront(AsWindow(source->window));
  // Never a click: the user acts there with the screen reader, as after the address command.
  SetCursorPos(place->left + (place->right - place->left) / 2, place->top + (place->bottom - place->top) / 2);
  // A line of several (an edit's) is named by the pane's line alone.
  const std::string spoken = text.find_first_of("\r\n") == std::string::npos ? text : Data_->Lines().Get(CaretLine(*Data_));
  Report(Format(texts::kMovedToFormat, spoken.c_str()));
}

}  // namespace glean
