// The re-search each time Glean becomes the active application, and the pointer reader:
// after a tap of the Shift key, the text under the mouse pointer replaces the pane's and
// is spoken.
#include <string_view>

#include "capture/accessible/accessible_reader.h"
#include "capture/classes/control_classes.h"
#include "capture/point_readers.h"
#include "capture/target_messages.h"
#include "main/body.h"
#include "main/core/hit_choice.h"

namespace glean {

namespace {
constexpr size_t kWindowTextLimit = 999;  // what a buffer of 1000 bytes holds

// The pressed-since-last-query bits of all three Shift keys: a tap shows in the one of
// the key that was pressed, and every bit is cleared for the next tick.
bool ShiftTapped() {
  bool tapped = false;
  for (int key : {VK_LSHIFT, VK_RSHIFT, VK_SHIFT})
    if (GetAsyncKeyState(key) & 1) tapped = true;
  return tapped;
}

std::string ClassOf(HWND hwnd) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}
}  // namespace

void TBody::AppActivate() {
  if (!AutoBtn_->Checked()) return;
  // The window list starts at the top of the Z order: entry 0 is normally the window
  // the user has just left.
  ReselectIndex = 0;
  SrchBtnClick();
}

// The text under `at` for the window `window` there; empty for Glean's own controls
// and for what cannot be read.
std::string TBody::PointedText(HWND window, POINT at) {
  HWND parent = GetParent(window);
  if (!parent) return window == hwnd_ ? std::string() : capture::GetWholeTargetText(window, kWindowTextLimit).text;
  if (window == WinList_->Handle() || window == WinCombo_->Handle() || window == Data_->Handle() ||
      parent == Panel1_->Handle() || parent == Panel2_->Handle() || parent == hwnd_)
    return {};

  const capture::ControlFamily family = capture::FamilyOf(ClassOf(window), capture::ClassUse::Pointer);
  if (family == capture::ControlFamily::ListView)
    return capture_.read_listview ? capture::ListViewItemAtPoint(window, at.x, at.y, AnnounceActive) : std::string();
  if (family == capture::ControlFamily::TreeView)
    return capture_.read_treeview ? capture::TreeViewItemAtPoint(window, at.x, at.y) : std::string();
  if (family == capture::ControlFamily::ListBox && capture_.read_list)
    return capture::ListBoxItemAtPoint(window, at.x, at.y);

  // Nothing is read for a window the last capture recorded nothing of.
  if (ItemHitTable_.empty()) return {};
  std::vector<HitBox> boxes;
  boxes.reserve(ItemHitTable_.size());
  for (const capture::HitRow& row : ItemHitTable_) boxes.push_back({row.Left, row.Top, row.Bottom, row.Right});
  const bool statusBar = family == capture::ControlFamily::StatusBar;
  const int chosen = ChooseHitBox(boxes, at.x, at.y, !statusBar && capture_.read_status);
  std::string text = chosen >= 0 ? ItemHitTable_[static_cast<size_t>(chosen)].Text : std::string();
  if (text.empty()) text = capture::GetWholeTargetText(window, kWindowTextLimit).text;
  return text;
}

void TBody::Timer1Timer() {
  if (!ShiftTapped()) return;
  POINT at{};
  GetCursorPos(&at);
  HWND window = WindowFromPoint(at);
  if (!window) return;
  std::string text;
  try {
    text = PointedText(window, at);
    if (text.empty() && capture_.read_accessible)
      text = capture::accessible::AccessibleTextAtPoint(window, at, nullptr);
  } catch (const capture::ETargetNotResponding&) {
    return;  // a hung program has no text to give
  }
  if (text.empty() || text == LastPointedText_) return;
  Data_->Marks().EofMark().SetVisible(false);  // the next capture shows it again
  SendMessageA(Data_->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Data_->SetSelStart(0);
  SendMessageA(Data_->Handle(), EM_SCROLLCARET, 0, 0);
  Report(text);
  LastPointedText_ = text;
}

}  // namespace glean
