// TSettei: the settings dialog "環境設定", which edits the capture options and the list
// of title strings whose windows are left out. Modal; created for each use. Each control
// but two names itself and its state through `announce` when it gets the focus, so that
// the dialog can be used with a screen reader.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "settings/capture_options.h"
#include "win/gdi.h"

namespace glean {

class TSettei {
 public:
  using AnnounceFn = std::function<void(const std::string&)>;

  // `options` fills the controls. `noAccess` is the list in memory: deleting an entry
  // changes it at once, whatever the dialog's result.
  TSettei(const CaptureOptions& options, TStringList& noAccess, AnnounceFn announce);

  // Runs the dialog over `owner`; true when it closed with OK.
  bool ShowModal(HWND owner);
  // After OK: the options as the dialog left them (the flags and, as no_access, the
  // combo box's entries).
  const CaptureOptions& Result() const { return result_; }
  // Glean.ini's system_colors: the box is ticked for 1. After OK, the value chosen.
  void SetSystemColors(int value) { systemColors_ = systemColorsResult_ = value; }
  int SystemColorsResult() const { return systemColorsResult_; }

  // Whether two texts are the same list entry: the system's comparison for the user's
  // locale, without regard to letter case.
  static bool SameEntry(const std::string& a, const std::string& b);

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR Handle(UINT msg, WPARAM wp, LPARAM lp);
  void CreateControls();
  // Sizes, places and fonts for `dpi`; at `suggested` (a move to another monitor) or
  // centred on the screen.
  void Layout(int dpi, const RECT* suggested);
  void FormShow();
  void ComboBox1Change(bool fromSelection);
  void AddBtnClick();
  void DeleteBtnClick();
  void OKBtnClick();
  void Command(int id, int code);

  std::vector<std::string> Entries() const;
  int FindEntry(const std::string& text) const;
  std::string ComboText() const;
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  bool Ticked(int id) const;

  CaptureOptions options_;
  TStringList& noAccess_;
  AnnounceFn announce_;
  CaptureOptions result_;
  HWND hwnd_ = nullptr;
  win::UniqueFont font_;
  int systemColors_ = 2, systemColorsResult_ = 2;
};

}  // namespace glean
