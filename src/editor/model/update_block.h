// Update blocks that close also when the work inside them throws.
#pragma once

#include <utility>

namespace glean {

// Runs `fn` inside an update block of `list`. The block is closed once: a throwing
// EndUpdate (its change events) is not run a second time.
template <class List, class Fn>
void InUpdate(List& list, Fn&& fn) {
  list.BeginUpdate();
  try {
    fn();
  } catch (...) {
    list.EndUpdate();
    throw;
  }
  list.EndUpdate();
}

// Runs `fn` inside an update block of `list` with its OnChange held back and put back
// afterwards, also when `fn` or the block's end throws.
template <class List, class Fn>
void InQuietUpdate(List& list, Fn&& fn) {
  auto saved = std::move(list.OnChange);
  list.OnChange = nullptr;
  try {
    InUpdate(list, std::forward<Fn>(fn));
  } catch (...) {
    list.OnChange = std::move(saved);
    throw;
  }
  list.OnChange = std::move(saved);
}

}  // namespace glean
