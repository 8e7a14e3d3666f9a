// Change notification shared by lists and option objects: a sender-taking event and
// an update counter that batches notifications.
#pragma once

#include <functional>

namespace glean {

// Common root so that events can name their sender.
class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

// Base of the editor's option and colour objects. `Changed` fires `OnChange` only when no
// update is open; closing the outermost update fires it once.
class TNotifyPersistent : public TObject {
 public:
  TNotifyEvent OnChange;

  void BeginUpdate() { ++updateCount_; }
  void EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
    Changed();
  }
  int UpdateCount() const { return updateCount_; }

  virtual void Changed() {
    if (updateCount_ == 0 && OnChange) OnChange(this);
  }

  // A handler that one object installs on another it contains: forwards the change
  // unless it is its own.
  void ChangedProc(TObject* sender) {
    if (sender != this) Changed();
  }

 private:
  int updateCount_ = 0;
};

}  // namespace glean
