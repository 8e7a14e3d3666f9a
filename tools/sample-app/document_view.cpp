// The document view's window: paints its objects' names row by row and hands out their
// tree on WM_GETOBJECT.
#include "document_view.h"

#include <oleacc.h>

#include "document_tree.h"
#include "sample_ids.h"

namespace sample_app {
namespace {

constexpr wchar_t kDocumentClass[] = L"GleanSampleDocument";
// In the "lazy" mode, the tree the first asker gets: as a browser's before it has built
// its own, a bare root.
constexpr wchar_t kFirstAnswer[] = L"GleanSampleFirstAnswer";

DocumentNode* TreeOf(HWND window) {
  return reinterpret_cast<DocumentNode*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Each object's name on its own row, indented by depth: what a reader of the screen
// would see, in no control a message could read.
void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(dc, TRANSPARENT);
  if (DocumentNode* root = TreeOf(window)) root->Draw(dc, 0);
  EndPaint(window, &ps);
}

LRESULT CALLBACK DocumentProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_GETOBJECT:
      if (static_cast<LONG>(lparam) == static_cast<LONG>(OBJID_CLIENT) && TreeOf(window)) {
        if (auto* first = static_cast<DocumentNode*>(RemovePropW(window, kFirstAnswer)))
          return LresultFromObject(__uuidof(IAccessible), wparam, first);
        return LresultFromObject(__uuidof(IAccessible), wparam, TreeOf(window));
      }
      break;
    case WM_PAINT:
      Paint(window);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

bool RegisterDocumentClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DocumentProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = kDocumentClass;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HWND CreateDocumentView(HWND parent, const ControlEntry& entry) {
  // Handing out objects needs COM on the window's thread.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const bool lazy = entry.text == "lazy";
  DocumentNode* tree = BuildDocumentTree(lazy ? "normal" : entry.text);
  if (!tree || !RegisterDocumentClass()) return nullptr;
  HWND view = CreateWindowExW(WS_EX_CLIENTEDGE, kDocumentClass, L"", WS_CHILD | WS_VISIBLE, entry.rect.x,
                              entry.rect.y, entry.rect.width, entry.rect.height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), GetModuleHandleW(nullptr),
                              nullptr);
  if (!view) return nullptr;
  tree->Place(view, 0, document::kRowHeight);
  SetWindowLongPtrW(view, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(tree));
  if (lazy) SetPropW(view, kFirstAnswer, new DocumentNode(ROLE_SYSTEM_DOCUMENT, L"読み込み中"));
  return view;
}

}  // namespace sample_app
