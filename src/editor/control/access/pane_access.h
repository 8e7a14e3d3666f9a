// The pane's accessibility in the window: answers WM_GETOBJECT with the UI Automation
// provider or the MSAA object, raises the UI Automation events while a client listens,
// and disconnects the objects when the window goes (clients may hold them longer).
#pragma once

#include <windows.h>

#include <string>

#include "editor/control/access/access_text.h"
#include "editor/control/access/uia_api.h"
#include "win/com.h"

namespace glean::access {

class TPaneProvider;
class TPaneAccessible;

class TPaneAccess {
 public:
  TPaneAccess(HWND hwnd, TEditorCore& editor);
  ~TPaneAccess();
  TPaneAccess(const TPaneAccess&) = delete;
  TPaneAccess& operator=(const TPaneAccess&) = delete;

  // WM_GETOBJECT: false when the system's own answer is wanted.
  bool GetObject(WPARAM wp, LPARAM lp, LRESULT& reply);

  void FocusGained();
  void SelectionMoved();
  void TextChanged(const TLastUpdate& update);
  // The pane shows another row list: the text changed as a whole.
  void RowListSwapped();
  // Glean's report of what it did, spoken by the screen reader (Shift-JIS text). The
  // activity groups reports: a newer one of the same activity replaces a waiting one.
  void Notify(const std::string& text, const char16_t* activity = u"Glean.Announce");

  HWND Window() const { return hwnd_; }
  TEditorCore& Editor() { return text_.Editor(); }
  TAccessText& Text() { return text_; }
  // The provider, made on first use (a new reference).
  IRawElementProviderSimple* Provider();
  IAccessible* Accessible();

 private:
  bool Listening() const;
  void Raise(int event);

  HWND hwnd_;
  TAccessText text_;
  TPaneProvider* provider_ = nullptr;  // one reference each
  TPaneAccessible* accessible_ = nullptr;
};

}  // namespace glean::access
