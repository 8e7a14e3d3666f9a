#include "capture/child_walk.h"

namespace glean::capture {

namespace {
bool HasVisibleStyle(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0; }
}  // namespace

ChildWalk::ChildWalk(HWND parent, bool skipHidden)
    : parent_(parent), skipHidden_(skipHidden), worker_([this] { Walk(); }) {}

ChildWalk::~ChildWalk() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  worker_.join();
}

bool ChildWalk::Next(ChildFacts& facts) {
  std::unique_lock lock(mutex_);
  ready_.wait(lock, [this] { return !found_.empty() || finished_; });
  if (found_.empty()) return false;
  facts = std::move(found_.front());
  found_.pop_front();
  return true;
}

void ChildWalk::Walk() {
  // A hidden chosen window hides everything in it.
  if (!skipHidden_ || HasVisibleStyle(parent_)) EnumChildWindows(parent_, Visit, reinterpret_cast<LPARAM>(this));
  std::lock_guard lock(mutex_);
  finished_ = true;
  ready_.notify_one();
}

BOOL CALLBACK ChildWalk::CollectHidden(HWND child, LPARAM self) {
  reinterpret_cast<ChildWalk*>(self)->underHidden_.insert(child);
  return TRUE;
}

BOOL CALLBACK ChildWalk::Visit(HWND child, LPARAM self) {
  auto* walk = reinterpret_cast<ChildWalk*>(self);
  {
    std::lock_guard lock(walk->mutex_);
    if (walk->stop_) return FALSE;
  }
  if (walk->skipHidden_) {
    if (walk->underHidden_.count(child)) return TRUE;
    // Descendants come right after their ancestor, so those of a hidden window are
    // known before they are met: no window's ancestors need asking about.
    if (!HasVisibleStyle(child)) {
      EnumChildWindows(child, CollectHidden, self);
      return TRUE;
    }
  }
  ChildFacts facts;
  facts.hwnd = child;
  facts.className = walk->ClassNameOf(child);
  facts.hasRect = GetWindowRect(child, &facts.rect) != 0;
  std::lock_guard lock(walk->mutex_);
  walk->found_.push_back(std::move(facts));
  walk->ready_.notify_one();
  return TRUE;
}

std::string ChildWalk::ClassNameOf(HWND window) {
  const ATOM atom = static_cast<ATOM>(GetClassLongPtrA(window, GCW_ATOM));
  if (atom) {
    auto known = classNames_.find(atom);
    if (known != classNames_.end()) return known->second;
  }
  char name[256] = {};
  GetClassNameA(window, name, 255);
  if (atom) classNames_[atom] = name;
  return name;
}

}  // namespace glean::capture
