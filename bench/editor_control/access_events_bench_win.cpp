// Under Wine, by hand: what the UI Automation events cost on caret moves while no client
// listens. Caret moves in a pane whose provider was never asked for (the baseline) against
// the same in a pane whose provider a client has taken, measured in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "../../tests/editor/control/pane_form.h"

namespace {
double Seconds() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) / double(f.QuadPart);
}

// Seconds per caret move between two places of the pane.
double CaretMoves(glean::TEditor& e, int n) {
  const double t0 = Seconds();
  for (int i = 0; i < n; ++i) e.SetRowCol(1 + i % 2, i % 5);
  return (Seconds() - t0) / n;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  OleInitialize(nullptr);
  // One pane, focused as a reader's user has it: first as no client has seen it, then
  // with its provider given out, once with the system's listening test and once with none.
  glean::testing::PaneForm form;
  glean::TEditor& e = form.Data();
  double base = 1e9, events = 1e9, bare = 1e9;
  for (int round = 0; round < 7; ++round) base = std::min(base, CaretMoves(e, 2000));
  IRawElementProviderSimple* provider = e.Access().Provider();  // as a client holds it
  const auto listening = glean::uia::Functions().ClientsAreListening;
  for (int round = 0; round < 7; ++round) {
    glean::uia::Functions().ClientsAreListening = listening;
    events = std::min(events, CaretMoves(e, 2000));
    glean::uia::Functions().ClientsAreListening = nullptr;
    bare = std::min(bare, CaretMoves(e, 2000));
  }
  glean::uia::Functions().ClientsAreListening = listening;
  std::printf("asking the system whether a client listens: %.2f us per caret move\n", (events - bare) * 1e6);
  std::printf("caret move: %.2f us without a provider, %.2f us with one and nobody listening, ratio %.2f\n",
              base * 1e6, events * 1e6, events / base);
  provider->Release();
  return 0;
}
