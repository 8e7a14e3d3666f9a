#pragma once
// Fill functions, one per kind of content: they put the table's items into a control
// that has just been created.
#include <windows.h>

#include "control_table.h"

namespace sample_app {

void FillListBox(HWND list, const ListItems& items, bool multiple);
void FillComboBox(HWND combo, const ListItems& items);
void FillListView(HWND view, const ListViewData& data);
void FillTreeView(HWND tree, const TreeData& data);
void FillStatusBar(HWND bar, const StatusData& data);
void FillToolBar(HWND bar, const ToolBarData& data);
void FillTab(HWND tab, const TabData& data);

// Makes the list view answer item-text queries with a pointer nobody can read.
void MakeItemTextUnreadable(HWND view);

// Makes an LVS_OWNERDATA list view hold the table's rows, answered through
// LVN_GETDISPINFO, with the slow row answering late.
void MakeOwnerData(HWND view, const ListViewData& data);

// Makes the control answer `countMessage` with 2^31 - 1.
void MakeCountALie(HWND control, UINT countMessage);

// Gives a lazy tree node its children when it is first expanded (TVN_ITEMEXPANDING).
void FillLazyNode(HWND tree, HTREEITEM item);

}  // namespace sample_app
