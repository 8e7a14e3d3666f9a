// The capture's reader of accessibility trees: windows whose content answers no text
// message (browsers, WPF, Qt, custom-drawn views) are read through the tree they offer
// screen readers, with the message readers' guarantees (time limits, bounds).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "capture/captured_text.h"

namespace glean::capture::accessible {

// A window's WM_GETOBJECT answer for OBJID_CLIENT. It holds the program's object for us
// (under Wine also a global atom and a file mapping) until it is taken once, so one that
// is never read is still taken, on a thread of its own: taking it may call into a
// program that has stopped answering.
class TreeAnswer {
 public:
  TreeAnswer() = default;
  explicit TreeAnswer(LRESULT answer) : answer_(answer) {}
  TreeAnswer(TreeAnswer&& other) noexcept : answer_(std::exchange(other.answer_, 0)) {}
  TreeAnswer& operator=(TreeAnswer&&) = delete;
  TreeAnswer(const TreeAnswer&) = delete;
  ~TreeAnswer();

  explicit operator bool() const { return answer_ != 0; }
  // For the one who takes it.
  LRESULT Hand() { return std::exchange(answer_, 0); }

 private:
  LRESULT answer_ = 0;
};

// WM_GETOBJECT for OBJID_CLIENT through the capture's time-limited send: non-empty when
// the window has a tree of its own (0 would only give the system's standard object).
TreeAnswer AskForOwnTree(HWND hwnd);

// Writes the tree of `window` (asked with AskForOwnTree) as a section of its own. A walk
// that runs out of time writes what it read and raises ETargetNotResponding.
void ReadWindowTree(CapturedText& out, HWND window, TreeAnswer answer);

// A child window of a class no message reader knows, which gave the text probe nothing,
// is read through its own tree.
void ReadChildTree(CapturedText& out, HWND child, const std::string& className);

// The line of the accessible object at `at`, for the pointer reader, when `window` (the
// window there) has a tree of its own; empty for Glean's own windows and where nothing
// is read. Raises ETargetNotResponding on a hung program.
std::string AccessibleTextAtPoint(HWND window, POINT at, const std::function<void()>& pump);

}  // namespace glean::capture::accessible
