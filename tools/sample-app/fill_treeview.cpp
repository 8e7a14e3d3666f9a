// Tree views: nodes by level, expanded unless collapsed; lazy nodes get their children
// when first expanded.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "fill.h"

namespace sample_app {
namespace {
constexpr LPARAM kLazy = 1;

HTREEITEM Insert(HWND tree, HTREEITEM parent, const std::string& text, bool lazy) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | (lazy ? TVIF_CHILDREN : 0);
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.lParam = lazy ? kLazy : 0;
  insert.item.cChildren = lazy ? 1 : 0;
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}
}  // namespace

void FillTreeView(HWND tree, const TreeData& data) {
  std::vector<HTREEITEM> parents;  // parents[level] = last node inserted at that level
  std::vector<HTREEITEM> expanded;
  for (const TreeNode& node : data.nodes) {
    HTREEITEM item = Insert(tree, node.level > 0 ? parents[node.level - 1] : TVI_ROOT, node.text, node.lazy);
    parents.resize(node.level + 1);
    parents[node.level] = item;
    if (!node.collapsed && !node.lazy) expanded.push_back(item);
  }
  for (HTREEITEM item : expanded) SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  if (HTREEITEM first = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)))
    SendMessageA(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(first));
}

void FillLazyNode(HWND tree, HTREEITEM item) {
  char text[256] = {};
  TVITEMA query{};
  query.mask = TVIF_TEXT | TVIF_PARAM;
  query.hItem = item;
  query.pszText = text;
  query.cchTextMax = sizeof text;
  if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query)) || query.lParam != kLazy) return;
  if (SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item))) return;
  for (int i = 0; i < 3; ++i) Insert(tree, item, std::string(text) + " の子" + std::to_string(i), false);
}

}  // namespace sample_app
