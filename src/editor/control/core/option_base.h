// Shared by the editor's option objects: a setter stores a value only when it differs
// and then notifies; Assign copies everything under one notification.
#pragma once

#include <algorithm>

#include "base/notify.h"

namespace glean {

class TEditorOption : public TNotifyPersistent {
 protected:
  template <class T>
  void Set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void SetClamped(int& field, int value, int lo, int hi) { Set(field, std::clamp(value, lo, hi)); }
  // Within lo..hi, then down to an even number.
  void SetClampedEven(int& field, int value, int lo, int hi) {
    value = std::clamp(value, lo, hi);
    Set(field, value - value % 2);
  }
  // Copies `source` into `self` (same class) with one notification at the end.
  template <class Self>
  void AssignFields(Self& self, const Self& source) {
    if (&self == &source) return;
    BeginUpdate();
    self.CopyFields(source);
    EndUpdate();
  }
};

}  // namespace glean
