#include "capture/classes/control_classes.h"

#include <array>
#include <cstddef>

namespace glean::capture {

namespace {
enum class Match { No, Exact, ExactIgnoringCase, Contains };
constexpr Match n = Match::No, E = Match::Exact, I = Match::ExactIgnoringCase, C = Match::Contains;

constexpr size_t kUses = static_cast<size_t>(ClassUse::Count);

struct ControlClass {
  std::string_view name;
  ControlFamily family;
  std::array<Match, kUses> rules;  // in the order of ClassUse
};

// Rows are tried in order, the first match wins. Containment is case-sensitive: it finds
// the classes other libraries build on a system one (WinForms'
// "WindowsForms10.SysListView32.app.0.x", VB's "ThunderRT6ListBox", "ComboBoxEx32").
// Ignoring case folds ASCII letters only, which is what lstrcmpiA makes of these names: a
// name with any other character never equals one of them.
using F = ControlFamily;
constexpr ControlClass kClasses[] = {
    //                                    Reader TextUnasked TextNamed NotListBox MessageRead Pointer
    {"SysListView32", F::ListView,       {C,     n,          n,        n,         I,          E}},
    {"TListView", F::ListView,           {E,     n,          n,        n,         I,          E}},
    {"SysTreeView32", F::TreeView,       {E,     n,          n,        n,         I,          E}},
    {"TTreeView", F::TreeView,           {E,     n,          n,        n,         I,          E}},
    {"msctls_statusbar32", F::StatusBar, {E,     n,          n,        n,         I,          E}},
    {"TStatusBar", F::StatusBar,         {E,     n,          n,        n,         I,          E}},
    {"ToolbarWindow32", F::ToolBar,      {E,     n,          n,        n,         I,          n}},
    {"TToolBar", F::ToolBar,             {E,     n,          n,        n,         I,          n}},
    {"Static", F::Static,                {n,     E,          n,        E,         I,          n}},
    {"Button", F::Button,                {n,     E,          n,        E,         I,          n}},
    {"Edit", F::Edit,                    {n,     n,          E,        E,         I,          n}},
    {"TEdit", F::Edit,                   {n,     n,          E,        n,         I,          n}},
    {"ComboBox", F::ComboBox,            {n,     E,          C,        E,         C,          n}},
    {"TComboBox", F::ComboBox,           {n,     n,          E,        n,         I,          n}},
    {"ListBox", F::ListBox,              {n,     n,          n,        n,         C,          C}},
};

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

bool Matches(Match rule, std::string_view className, std::string_view known) {
  switch (rule) {
    case Match::No: return false;
    case Match::Exact: return className == known;
    case Match::ExactIgnoringCase: return EqualIgnoringCase(className, known);
    case Match::Contains: return className.find(known) != std::string_view::npos;
  }
  return false;
}
}  // namespace

ControlFamily FamilyOf(std::string_view className, ClassUse use) {
  const auto u = static_cast<size_t>(use);
  for (const ControlClass& row : kClasses)
    if (Matches(row.rules[u], className, row.name)) return row.family;
  return ControlFamily::None;
}

}  // namespace glean::capture
