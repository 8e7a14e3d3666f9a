// The descendants of the chosen window, in the order EnumChildWindows gives them, with
// what the capture must know of each before reading it: its class name and where it lies
// on the screen. With hidden windows left out, a window that is hidden, or lies in one,
// is not given.
//
// Under Wine every question about another program's window is a round trip to the
// window server, and together they cost more than the text messages the capture is
// for. A worker thread asks them ahead of the reader, while the reader waits for the
// target's answers. The worker sends no messages (no window can keep it waiting), so it
// is always joined, never abandoned.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>

namespace glean::capture {

struct ChildFacts {
  HWND hwnd = nullptr;
  std::string className;
  bool hasRect = false;
  RECT rect{};  // screen rectangle, when hasRect
};

class ChildWalk {
 public:
  ChildWalk(HWND parent, bool skipHidden);
  ~ChildWalk();
  ChildWalk(const ChildWalk&) = delete;
  ChildWalk& operator=(const ChildWalk&) = delete;

  // The next descendant; false when there are no more.
  bool Next(ChildFacts& facts);

 private:
  void Walk();
  static BOOL CALLBACK Visit(HWND child, LPARAM self);
  static BOOL CALLBACK CollectHidden(HWND child, LPARAM self);
  std::string ClassNameOf(HWND window);

  const HWND parent_;
  const bool skipHidden_;
  // The worker's own: class names by class atom (atoms name the same class in every
  // process), and the descendants of a hidden window, which are hidden with it.
  std::map<ATOM, std::string> classNames_;
  std::set<HWND> underHidden_;

  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<ChildFacts> found_;
  bool finished_ = false;
  bool stop_ = false;
  std::thread worker_;
};

}  // namespace glean::capture
