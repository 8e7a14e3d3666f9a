#include "pane/pane_colours.h"

#include <cstdlib>

namespace glean {

namespace {
// Below this sum of channel differences two colours look the same to many low-vision
// readers; a high-contrast theme's pairs lie far above it.
constexpr int kMinDistance = 96;

int Channel(TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// `text` on `back`, or the plain text colour where the theme made them alike, or the
// plain pair itself where even that fails.
ColourPair PairOn(TColor text, TColor back, const ColourPair& plain) {
  if (Distinct(text, back)) return {text, back};
  if (Distinct(plain.text, back)) return {plain.text, back};
  return plain;
}

constexpr PaneColours kOwnColours{
    {clBlack, clWhite},  // plain
    {clBlue, clYellow},  // header
    {clMaroon, clNone},  // note
    {clRed, clNone},     // error
    {clNavy, clNone},    // link
    {clGreen, clNone},   // mail
    {clWhite, clNavy},   // selection
    {clNone, clNone},    // hit
    {clFuchsia, clNone}, // end mark
    {clBlack, clWhite},  // list
};
}  // namespace

bool Distinct(TColor text, TColor back) {
  int d = 0;
  for (int shift : {0, 8, 16}) d += std::abs(Channel(text, shift) - Channel(back, shift));
  return d >= kMinDistance;
}

SystemColorUse SystemColorUseOf(int setting) {
  switch (setting) {
    case 0: return SystemColorUse::Never;
    case 1: return SystemColorUse::Always;
    default: return SystemColorUse::InHighContrast;
  }
}

bool UsesSystemColours(SystemColorUse use, bool highContrast) {
  return use == SystemColorUse::Always || (use == SystemColorUse::InHighContrast && highContrast);
}

PaneColours ChoosePaneColours(SystemColorUse use, bool highContrast, const SystemColours& s) {
  if (!UsesSystemColours(use, highContrast)) return kOwnColours;
  // Even the theme's own window pair may be alike (a broken theme): then black on white.
  const ColourPair plain =
      Distinct(s.windowText, s.window) ? ColourPair{s.windowText, s.window} : ColourPair{clBlack, clWhite};
  PaneColours c;
  c.plain = plain;
  c.list = plain;
  // Headers stand apart as a band, in the face of a button where it differs from the
  // window (a high-contrast theme often makes them one), else in the highlight; the rest
  // keeps the window's background and differs by its text colour.
  if (Distinct(s.btnFace, plain.back) && Distinct(s.btnText, s.btnFace))
    c.header = {s.btnText, s.btnFace};
  else if (Distinct(s.highlightText, s.highlight))
    c.header = {s.highlightText, s.highlight};
  else
    c.header = plain;
  c.note = PairOn(s.grayText, plain.back, plain);
  c.error = PairOn(s.highlight, plain.back, plain);
  c.link = PairOn(s.hotLight, plain.back, plain);
  c.mail = c.link;
  c.endMark = PairOn(s.grayText, plain.back, plain);
  c.selection = Distinct(s.highlightText, s.highlight) ? ColourPair{s.highlightText, s.highlight}
                                                       : ColourPair{plain.back, plain.text};
  c.hit = c.selection;
  return c;
}

}  // namespace glean
