// The screen updater: after a text change it repaints only the rows that changed and
// moves the rows below them with the window system's scroll call.
#pragma once

#include "editor/model/screen_strings.h"

namespace glean {

class TEditorCore;

class TEditorScreen {
 public:
  explicit TEditorScreen(TEditorCore& editor) : editor_(editor) {}
  virtual ~TEditorScreen() = default;
  virtual void Update(const TLastUpdate& update);

 private:
  TEditorCore& editor_;
};

}  // namespace glean
