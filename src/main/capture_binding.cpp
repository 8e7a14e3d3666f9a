// The capture of the chosen entry into the pane: the driver reads the window, the main
// window shows the lines, puts the caret at the top and tells the screen reader.
#include "capture/capture_driver.h"
#include "capture/section_headers.h"
#include "main/body.h"
#include "main/main_texts.h"
#include "ui/application.h"

namespace glean {

namespace {
// Set while a capture runs; requests arriving meanwhile (the list-view reader lets
// messages through) are ignored, and a close asked for meanwhile happens after it.
class CaptureGuard {
 public:
  CaptureGuard(bool& flag, bool& closeRequested, HWND window)
      : flag_(flag), closeRequested_(closeRequested), window_(window) {
    flag_ = true;
  }
  ~CaptureGuard() {
    flag_ = false;
    if (closeRequested_) {
      closeRequested_ = false;
      PostMessageA(window_, WM_CLOSE, 0, 0);
    }
  }
  CaptureGuard(const CaptureGuard&) = delete;
  CaptureGuard& operator=(const CaptureGuard&) = delete;

 private:
  bool& flag_;
  bool& closeRequested_;
  HWND window_;
};
}  // namespace

void TBody::WinListClick() {
  if (WinList_->Count() == 0) return;
  int index = WinList_->Selected();
  if (index < 0) return;
  CaptureEntry(index, WinList_->Caption(index), texts::kAccessed);
}

void TBody::WinComboClick() {
  if (WinCombo_->Count() == 0) return;
  int index = WinCombo_->ItemIndex();
  if (index < 0) return;
  CaptureEntry(index, WinCombo_->ItemText(index), texts::kAccessed);
}

void TBody::CaptureEntry(int index, const std::string& spoken, const char* accessedSuffix) {
  if (capturing_) return;
  CaptureGuard guard(capturing_, closeRequested_, hwnd_);
  ReselectIndex = index;
  Data_->Lines().Clear();
  CapturedLines_.Clear();
  ItemHitTable_.clear();
  LineSources_.Clear();
  // The full title finds the window even where the list shows it cut or with blanks
  // at its ends.
  const auto& entries = WindowTitles_.Items();
  SelectedTitle_ = static_cast<size_t>(index) < entries.size() ? entries[static_cast<size_t>(index)].FullTitle
                                                              : std::string(capture::kDesktopTitle);
  ui::ProcessMessages(hwnd_);
  Data_->Marks().EofMark().SetVisible(true);

  capture::CaptureRequest request;
  request.SelectedTitle = SelectedTitle_;
  request.WindowsFolder = windowsFolder_;
  request.ShowProgress = [this](const std::string& text) { StatusBar1_->SetSimpleText(text); };
  // Esc pressed in any of Glean's windows stops the capture; the key goes no further.
  stopRequested_ = false;
  request.ProcessMessages = [this] {
    ui::ProcessMessages(hwnd_, [this](const MSG& msg) {
      const bool esc = msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE &&
                       (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd));
      if (esc) stopRequested_ = true;
      return esc;
    });
  };
  request.StopRequested = [this] { return stopRequested_; };
  // A reader's error leaves here with the pane still empty; the message loop shows it.
  capture::CaptureOutcome outcome = capture::CaptureWindow(request, capture_, CapturedLines_, ItemHitTable_, &LineSources_);
  if (outcome == capture::CaptureOutcome::WindowNotFound) {
    Data_->Lines().SetText(capture::kWindowNotFound);
    return;
  }
  Data_->Lines().Assign(CapturedLines_);
  Data_->SetSelStart(0);
  SendMessageA(Data_->Handle(), EM_SCROLLCARET, 0, 0);
  StatusBar1_->SetSimpleText("");
  Report(spoken + accessedSuffix + texts::kTabToData);
  WatchAfterCapture();
}

}  // namespace glean
