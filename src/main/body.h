// TBody: Glean's main window. The window list (list view or, in the compact layout, the
// image combo box), the command buttons, the captured-text pane `Data` and the status
// bar; start-up, layouts, the window search and the capture of the chosen window.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "base/strings.h"
#include "capture/captured_text.h"
#include "capture/sources/table_text.h"
#include "capture/window_search.h"
#include "editor/control/editor.h"
#include "pane/pane_colours.h"
#include "settings/ini_profile.h"
#include "ui/controls.h"
#include "ui/gdi_owners.h"
#include "ui/panel.h"
#include "widgets/image_combo_box.h"

namespace glean {

class TBodyMenus;
namespace watch {
class TWatcher;
struct CaptureChange;
}  // namespace watch

class TBody {
 public:
  // Registers the class and creates the window with its controls and settings (not
  // shown yet). `iniPath` is the settings file (Glean.ini beside the program).
  explicit TBody(HINSTANCE instance, std::string iniPath = GleanIniPath());
  ~TBody();
  TBody(const TBody&) = delete;  // one main window per run
  TBody& operator=(const TBody&) = delete;

  HWND Handle() const { return hwnd_; }
  // Shows the window (maximized when it was closed so) and runs FormShow.
  void Show(int showCommand);

  void SetCompactMode(bool compact);
  void SrchBtnClick();
  void WinListClick();
  void WinComboClick();

  // What the window holds, for the commands and for tests.
  TEditor& Data() { return *Data_; }
  ui::ListView& WinList() { return *WinList_; }
  TImageComboBox& WinCombo() { return *WinCombo_; }
  ui::StatusBar& StatusBar1() { return *StatusBar1_; }
  ui::Button& SrchBtn() { return *SrchBtn_; }
  ui::Button& AlwsFrgrnd() { return *AlwsFrgrnd_; }
  const ViewSettings& View() const { return view_; }
  CaptureOptions& Options() { return capture_; }
  const TStringList& CapturedLines() const { return CapturedLines_; }
  const capture::ItemHitTable& ItemHitTable() const { return ItemHitTable_; }
  const capture::LineSources& LineSources() const { return LineSources_; }
  int ReselectIndex = 0;
  bool AnnounceActive = false;
  // The hint of one of the window's controls (tool tip|status bar).
  std::string HintOf(HWND control) const;

  // Commands and menus (commands.cpp, body_menus.cpp).
  TBodyMenus& Menus() { return *menus_; }
  HACCEL Shortcuts() const;  // for the message loop
  bool MenuCommand(UINT id);  // false for an identifier that is no command
  void CopyBtnClick();
  void SaveBtnClick();
  void N18Click();
  void SetFontSize(int points);
  // The zoom: one step of the sizes up or down, or back to 9 points (body_display.cpp).
  void ZoomIn();
  void ZoomOut();
  void ZoomReset();
  int DataFontSize() const { return dataFontSize_; }
  // The DPI Glean's windows are laid out for, and the colours the pane draws in.
  int Dpi() const { return dpi_; }
  const PaneColours& Colours() const { return colours_; }
  // The name the save dialog proposes a file name from: the chosen entry's text.
  std::string SaveName() const;
  void ShowPopupMenu1(int screenX, int screenY);
  // A captured line's source (body_sources.cpp).
  void TableCopyClick();
  void TableSaveClick();
  void GoToSourceClick();

  // Joined by the pane's link behaviour, the announcements and the re-search on
  // activation (body_hooks.cpp).
  bool LinkIsCurrent();
  void OpenCurrentLink();
  void AppActivate();
  void SecClick();
  void N22Click();
  void DataEnter();

  // Speech as the focus moves and line reading in the pane (body_announce.cpp); the
  // pane's links, marks and popup key (body_links.cpp); the pointer reader
  // (body_pointer.cpp).
  void DataKeyUp(uint16_t key, TShiftState shift);
  void DataKeyDown(uint16_t& key, TShiftState shift);
  void DataCaretMoved();
  void DataMouseMove(int x, int y);
  void DataDblClick();
  void DataDrawLine(const std::string& lineStr, int x, int y, int index, const TRect& rect, int selected);
  void Timer1Timer();
  const std::string& CurrentLink() const { return CurrentLink_; }

  // The watch of the captured window (body_watch.cpp): Ctrl+W and the two menu items.
  void WatchClick();
  bool Watching() const;
  const std::string& LastPointedText() const { return LastPointedText_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  void CreateControls();
  void CreatePane();
  void ApplyFonts(int listFontSize, int dataFontSize);
  // Display (body_display.cpp): interface design units in pixels (the DPI times the
  // user's text size), the image lists at the icon size, the colours, the messages
  // that change them.
  int Px(int design) const;
  int Unpx(int pixels) const;
  void CreateImageLists();
  void ApplyColours();
  void ApplyPaneMetrics();
  void DpiChanged(WPARAM wp, LPARAM lp);
  void DisplaySettingChanged();
  void PlaceButtons();
  void LayoutChildren();
  void PlaceWindow(int left, int top, int width, int height);
  RECT WindowBounds() const;

  void FormCreate();
  void FormShow();
  void FormResize();
  void FormClose();
  void FormDestroy();
  void WmMove();
  void WmMouseWheel(WPARAM wp);
  void AppHint(const std::string& hint);
  void WinListMouseMove(int x, int y);
  void AlwsFrgrndClick();
  void SetTopmost(bool on);

  void CreateMenus();
  void InitMenuPopup(HMENU menu);
  void PopupMenu1Popup();
  void SetEditingStates(UINT undo, UINT cut, UINT copy, UINT paste, UINT clear);
  void CopyClick();
  void UndoClick();
  void CutClick();
  void PasteClick();
  void DeleteClick();
  void SelectLineClick();
  void InputMethodClick();
  void WordWrapClick();
  void ClearWordWrapTicks();  // reader mode
  void B1Click();
  void N13Click();
  void M1Click();
  void C2Click();
  void ReadmeR1Click();
  void C1Click();
  void N12Click();

  void AddWindowEntry(const capture::WindowEntry& entry, bool compact);
  void AddDesktopEntry(bool compact);
  std::vector<std::string> ReaderSearchTexts(bool compact) const;
  // The capture shared by both lists: the entry at `index`, spoken as `spoken`.
  void CaptureEntry(int index, const std::string& spoken, const char* accessedSuffix);
  void Announce(const std::string& text);
  // A report of what Glean did: spoken through the clipboard while AnnounceActive, and
  // raised as a UI Automation notification (uia_notify) in any case.
  void Report(const std::string& text);
  void BindBehaviours();
  void AnnounceCheckBox(const ui::Button& box, const char* ticked, const char* unticked);
  void SetSendClipboard(bool on, const char* spoken);
  void ShowLink(const std::string& token);
  std::string PointedText(HWND window, POINT at);
  std::optional<int> CaretCapturedLine();
  std::optional<capture::Table> CaretTable();
  void RefuseSourceCommand(const char* text);
  void StartWatch();
  void RestartWatch(HWND window);
  void WatchAfterCapture();
  void WatchReport(const std::string& text);
  void WatchChanged(const watch::CaptureChange& change);
  void FollowInPane(const watch::CaptureChange& change);
  void MarkWatchedRows(const std::vector<int>& lines);
  void PaintWatchedRow(int row, int x, int y, const TRect& rect);
  // The status bar's text over the pane: the watch's while it runs, else the pane's hint.
  std::string PaneStatus() const;
  void SetWatchStatus(const std::string& text);

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  bool created_ = false;
  bool sizeWriteRefused_ = false;
  bool closeRequested_ = false;  // while a capture runs
  bool stopRequested_ = false;   // Esc pressed in Glean while a capture runs
  bool maximizeOnShow_ = false;

  TGleanIni ini_;
  CaptureOptions capture_;
  ViewSettings view_;
  std::string windowsFolder_;
  int listFontSize_ = 9;
  int dataFontSize_ = 9;
  int dpi_ = 96;
  int textScale_ = 100;
  PaneColours colours_{};
  bool coloursApplied_ = false;

  capture::WindowEntries WindowTitles_;
  TStringList CapturedLines_;
  capture::ItemHitTable ItemHitTable_;
  capture::LineSources LineSources_;
  std::string SelectedTitle_;
  std::string CurrentLink_;
  std::string LastPointedText_;

  win::UniqueFont formFont_, listFont_;
  ui::ImageList IcnList_, ImageList1_;
  std::unique_ptr<ui::Panel> Panel1_, Panel2_, Panel3_;
  std::unique_ptr<ui::Button> AutoBtn_, AlwsFrgrnd_, SrchBtn_, CopyBtn_, SaveBtn_, ExitBtn_;
  std::unique_ptr<ui::ListView> WinList_;
  std::unique_ptr<TImageComboBox> WinCombo_;
  std::unique_ptr<ui::StatusBar> StatusBar1_;
  std::unique_ptr<TEditor> Data_;
  std::unique_ptr<TBodyMenus> menus_;
  std::unique_ptr<ui::ToolTip> tips_;
  std::unique_ptr<ui::Timer> Timer1_;
  std::map<HWND, std::string> hints_;

  std::unique_ptr<watch::TWatcher> watch_;
  std::vector<char> watchedRows_;  // rows of the last change, by the row count below
  int watchedRowCount_ = -1;
  bool following_ = false;  // the pane takes a re-read: no pointer moves, no link hints
  std::string watchStatus_;
};

}  // namespace glean
