// Tree views: nodes by level, all expanded.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "fill.h"

namespace sample_app {

void FillTreeView(HWND tree, const TreeData& data) {
  std::vector<HTREEITEM> parents;  // parents[level] = last node inserted at that level
  std::vector<HTREEITEM> inserted;
  for (const TreeNode& node : data.nodes) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = node.level > 0 ? parents[node.level - 1] : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(node.text.c_str());
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    parents.resize(node.level + 1);
    parents[node.level] = item;
    inserted.push_back(item);
  }
  for (HTREEITEM item : inserted)
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  if (!inserted.empty())
    SendMessageA(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(inserted.front()));
}

}  // namespace sample_app
