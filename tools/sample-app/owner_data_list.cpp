// An owner-data list view (LVS_OWNERDATA): the rows live in the program, which answers
// LVN_GETDISPINFO into the caller's buffer. One row can answer late when another program
// asks for it, as a slow program does: the answer is written after the caller may have
// given up, into the buffer the caller placed here.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "fill.h"
#include "sample_ids.h"

namespace sample_app {
namespace {

constexpr UINT_PTR kDisplayInfoId = 1;
constexpr UINT_PTR kSlowRowId = 1;

struct OwnerData {
  HWND view;
  std::vector<std::vector<std::string>> rows;
  int slowRow;
  int lateAnswers = 0;
};

// Plain stores: a buffer that is gone must fault here, not be skipped over by a copy
// routine that catches the fault.
void CopyInto(char* to, int room, const std::string& text) {
  if (!to || room <= 0) return;
  int n = 0;
  for (; n + 1 < room && n < static_cast<int>(text.size()); ++n) to[n] = text[static_cast<size_t>(n)];
  to[n] = 0;
}

// The parent answers for the list view (the system sends it the notification). The
// window is an ANSI one, so only the A form comes.
LRESULT CALLBACK AnswerDisplayInfo(HWND parent, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                   DWORD_PTR ref) {
  auto* data = reinterpret_cast<OwnerData*>(ref);
  if (message == WM_NOTIFY) {
    auto* info = reinterpret_cast<NMLVDISPINFOA*>(lparam);
    if (info->hdr.hwndFrom == data->view && info->hdr.code == LVN_GETDISPINFOA) {
      LVITEMA& item = info->item;
      const auto row = static_cast<size_t>(item.iItem), column = static_cast<size_t>(item.iSubItem);
      if ((item.mask & LVIF_TEXT) && row < data->rows.size())
        CopyInto(item.pszText, item.cchTextMax, column < data->rows[row].size() ? data->rows[row][column] : "");
      return 0;
    }
  }
  return DefSubclassProc(parent, message, wparam, lparam);
}

int RowAsked(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == LVM_GETITEMA || message == LVM_GETITEMW) return reinterpret_cast<const LVITEMA*>(lparam)->iItem;
  if (message == LVM_GETITEMTEXTA || message == LVM_GETITEMTEXTW) return static_cast<int>(wparam);
  return -1;
}

// Only a question from another thread is slow: the view's own painting asks nothing
// through messages.
LRESULT CALLBACK AnswerSlowRowLate(HWND view, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR ref) {
  auto* data = reinterpret_cast<OwnerData*>(ref);
  if (!InSendMessage() || RowAsked(message, wparam, lparam) != data->slowRow)
    return DefSubclassProc(view, message, wparam, lparam);
  Sleep(slowrow::kDelayMs);
  const LRESULT result = DefSubclassProc(view, message, wparam, lparam);
  const std::string note = "遅れた答え: " + std::to_string(++data->lateAnswers);
  SetDlgItemTextA(GetParent(view), slowrow::kAnswered, note.c_str());
  return result;
}

}  // namespace

void MakeOwnerData(HWND view, const ListViewData& table) {
  auto* data = new OwnerData{view, table.rows, table.slow_row};  // lives as long as the program
  SendMessageA(view, LVM_SETITEMCOUNT, static_cast<WPARAM>(table.rows.size()), 0);
  SetWindowSubclass(GetParent(view), AnswerDisplayInfo, kDisplayInfoId, reinterpret_cast<DWORD_PTR>(data));
  if (table.slow_row >= 0) SetWindowSubclass(view, AnswerSlowRowLate, kSlowRowId, reinterpret_cast<DWORD_PTR>(data));
}

}  // namespace sample_app
