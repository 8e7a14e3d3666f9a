#include "editor/control/access/pane_access.h"

#include "editor/control/access/msaa_object.h"
#include "editor/control/access/uia_provider.h"
#include "win/cp932_text.h"

namespace glean::access {

TPaneAccess::TPaneAccess(HWND hwnd, TEditorCore& editor) : hwnd_(hwnd), text_(editor, win::FromCodePage932) {}

TPaneAccess::~TPaneAccess() {
  if (provider_) {
    provider_->Disconnect();
    if (auto fn = uia::Functions().DisconnectProvider) fn(provider_);
    provider_->Release();
  }
  if (accessible_) {
    accessible_->Disconnect();
    accessible_->Release();
  }
}

IRawElementProviderSimple* TPaneAccess::Provider() {
  if (!provider_) provider_ = new TPaneProvider(this);
  provider_->AddRef();
  return provider_;
}

IAccessible* TPaneAccess::Accessible() {
  if (!accessible_) accessible_ = new TPaneAccessible(this);
  accessible_->AddRef();
  return accessible_;
}

bool TPaneAccess::GetObject(WPARAM wp, LPARAM lp, LRESULT& reply) {
  const auto id = static_cast<LONG>(lp);
  if (id == uia::kRootObjectId) {
    auto fn = uia::Functions().ReturnRawElementProvider;
    if (!fn) return false;
    win::ComPtr<IRawElementProviderSimple> p(Provider());
    reply = fn(hwnd_, wp, lp, p.Get());
    return true;
  }
  if (id == OBJID_CLIENT) {
    win::ComPtr<IAccessible> a(Accessible());
    reply = LresultFromObject(__uuidof(IAccessible), wp, a.Get());
    return true;
  }
  return false;
}

bool TPaneAccess::Listening() const {
  // No provider given out yet: nobody can be listening to this pane.
  auto fn = uia::Functions().ClientsAreListening;
  return provider_ && fn && fn();
}

void TPaneAccess::Raise(int event) {
  if (!Listening()) return;
  if (auto fn = uia::Functions().RaiseAutomationEvent) fn(provider_, event);
}

void TPaneAccess::FocusGained() { Raise(uia::kFocusChangedEvent); }
void TPaneAccess::SelectionMoved() { Raise(uia::kTextSelectionChangedEvent); }

void TPaneAccess::TextChanged(const TLastUpdate& update) {
  text_.RowsChanged(update);
  Raise(uia::kTextChangedEvent);
}

void TPaneAccess::RowListSwapped() {
  text_.RowListSwapped();
  Raise(uia::kTextChangedEvent);
}

void TPaneAccess::Notify(const std::string& text, const char16_t* activity) {
  auto fn = uia::Functions().RaiseNotificationEvent;
  auto listening = uia::Functions().ClientsAreListening;
  if (!fn || !listening || !listening()) return;
  win::ComPtr<IRawElementProviderSimple> p(Provider());
  win::UniqueBstr display(win::MakeBstr(win::FromCodePage932(text)));
  win::UniqueBstr activityId(win::MakeBstr(activity));
  fn(p.Get(), uia::kNotificationKindActionCompleted, uia::kNotificationProcessingMostRecent, display.Get(),
     activityId.Get());
}

}  // namespace glean::access
