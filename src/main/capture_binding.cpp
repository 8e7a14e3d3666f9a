// The capture of the chosen entry into the pane: the driver reads the window, the main
// window shows the lines, puts the caret at the top and tells the screen reader.
#include "capture/capture_driver.h"
#include "capture/section_headers.h"
#include "main/body.h"
#include "main/main_texts.h"
#include "ui/application.h"

namespace glean {

namespace {
// A close asked for while a capture runs (the pane and the lists are still in use)
// happens after it.
class CloseAfterCapture {
 public:
  CloseAfterCapture(bool& closeRequested, HWND window) : closeRequested_(closeRequested), window_(window) {}
  ~CloseAfterCapture() {
    if (closeRequested_) {
      closeRequested_ = false;
      PostMessageA(window_, WM_CLOSE, 0, 0);
    }
  }
  CloseAfterCapture(const CloseAfterCapture&) = delete;
  CloseAfterCapture& operator=(const CloseAfterCapture&) = delete;

 private:
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
  // Requests arriving from the capture's message pump are refused.
  capture::CaptureRun run;
  if (!run) return;
  CloseAfterCapture closeLater(closeRequested_, hwnd_);
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
  capture::CaptureOutcome outcome = capture::CaptureWindow(run, request, capture_, CapturedLines_, ItemHitTable_, &LineSources_);
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
