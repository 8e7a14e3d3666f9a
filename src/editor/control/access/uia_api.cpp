#include "editor/control/access/uia_api.h"

namespace glean::uia {

namespace {
template <class F>
void Load(HMODULE dll, F& fn, const char* name) {
  fn = dll ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name))) : nullptr;
}
}  // namespace

Api& Functions() {
  static Api api = [] {
    Api a;
    HMODULE dll = LoadLibraryA("uiautomationcore.dll");  // kept for the program's life
    Load(dll, a.ReturnRawElementProvider, "UiaReturnRawElementProvider");
    Load(dll, a.HostProviderFromHwnd, "UiaHostProviderFromHwnd");
    Load(dll, a.ClientsAreListening, "UiaClientsAreListening");
    Load(dll, a.RaiseAutomationEvent, "UiaRaiseAutomationEvent");
    Load(dll, a.RaiseNotificationEvent, "UiaRaiseNotificationEvent");
    Load(dll, a.GetReservedNotSupportedValue, "UiaGetReservedNotSupportedValue");
    Load(dll, a.DisconnectProvider, "UiaDisconnectProvider");
    return a;
  }();
  return api;
}

}  // namespace glean::uia
