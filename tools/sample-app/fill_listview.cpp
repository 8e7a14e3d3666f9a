// Report-view list views: columns, rows, selection.
#include <windows.h>
#include <commctrl.h>

#include "fill.h"

namespace sample_app {
namespace {

void AddColumn(HWND view, int index, const Column& column) {
  LVCOLUMNA col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  col.cx = column.width;
  col.pszText = const_cast<char*>(column.title.c_str());
  col.iSubItem = index;
  SendMessageA(view, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&col));
}

void AddRow(HWND view, int row, const std::vector<std::string>& cells) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<char*>(cells.empty() ? "" : cells[0].c_str());
  SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  for (std::size_t c = 1; c < cells.size(); ++c) {
    item.iSubItem = static_cast<int>(c);
    item.pszText = const_cast<char*>(cells[c].c_str());
    SendMessageA(view, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  }
}

void Select(HWND view, int row) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED;
  item.state = LVIS_SELECTED;
  SendMessageA(view, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void FillListView(HWND view, const ListViewData& data) {
  SendMessageA(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (std::size_t c = 0; c < data.columns.size(); ++c)
    AddColumn(view, static_cast<int>(c), data.columns[c]);
  if (!data.column_order.empty())
    SendMessageA(view, LVM_SETCOLUMNORDERARRAY, data.column_order.size(),
                 reinterpret_cast<LPARAM>(data.column_order.data()));
  if (data.owner_data)
    MakeOwnerData(view, data);
  else
    for (std::size_t r = 0; r < data.rows.size(); ++r) AddRow(view, static_cast<int>(r), data.rows[r]);
  for (int row : data.selected) Select(view, row);
  SendMessageA(view, LVM_ENSUREVISIBLE, 0, FALSE);
  if (data.unreadable_text) MakeItemTextUnreadable(view);
  if (data.lies_about_page) {
    MakeCountALie(view, LVM_GETCOUNTPERPAGE);
    MakeCountALie(view, LVM_GETITEMCOUNT);
  }
}

}  // namespace sample_app
