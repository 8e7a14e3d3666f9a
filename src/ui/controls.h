// The standard controls of Glean's own windows: push buttons and check boxes, the
// report-style list view with one column, the status bar, tool tips and the timer.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "ui/control.h"

namespace glean::ui {

class Button : public Control {
 public:
  enum class Kind { Push, CheckBox };
  Button(HWND parent, Kind kind, const std::string& caption, int x, int y, int width, int height);

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool Checked() const;
  // Raises OnClick when the state changes, as a click would.
  void SetChecked(bool checked);

  std::function<void()> OnClick;
  bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  Kind kind_;
};

// Report view, one column whose header is hidden, whole-row selection, one selected
// entry, the selection shown without focus, small images from a shared list.
class ListView : public Control {
 public:
  ListView(HWND parent, const std::string& columnCaption, int x, int y, int width, int height);

  void SetSmallImages(HIMAGELIST list);  // not owned
  void Clear();
  int AddItem(const std::string& caption, int image);
  int Count() const;
  std::string Caption(int index) const;
  int Selected() const;  // -1 when none
  // Sets the selected state only (the focus state is left alone).
  void Select(int index);
  void MakeVisible(int index);
  int ItemAt(int x, int y) const;  // -1 when no entry lies there
  void FitColumn();

  std::function<void()> OnClick;
  bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

class StatusBar : public Control {
 public:
  explicit StatusBar(HWND parent);
  // The one text shown (the simple mode).
  void SetSimpleText(const std::string& text);
  std::string SimpleText() const;
  int Height() const;
};

// A tool tip for whole controls, one text each.
class ToolTip {
 public:
  explicit ToolTip(HWND owner);
  ~ToolTip();
  ToolTip(const ToolTip&) = delete;  // the object owns its window
  ToolTip& operator=(const ToolTip&) = delete;
  void Add(HWND control, const std::string& text);
  HWND Handle() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
  HWND owner_;
};

// A window timer; the handler runs on the window's thread.
class Timer {
 public:
  Timer(HWND window, UINT_PTR id, UINT intervalMs);
  ~Timer();
  Timer(const Timer&) = delete;  // one owner kills the timer
  Timer& operator=(const Timer&) = delete;
  UINT_PTR Id() const { return id_; }
  UINT Interval() const { return interval_; }
  std::function<void()> OnTimer;

 private:
  HWND window_;
  UINT_PTR id_;
  UINT interval_;
};

}  // namespace glean::ui
