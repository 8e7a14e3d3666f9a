// The window classes Glean knows by name, in one table: each row says what a class is
// and how each use matches the name (see control_classes.cpp).
#pragma once

#include <string_view>

namespace glean::capture {

enum class ControlFamily { None, ListView, TreeView, StatusBar, ToolBar, ListBox, ComboBox, Edit, Static, Button };

// The places that tell controls apart by their class name. Each matches in its own way,
// kept as it was when they were written apart.
enum class ClassUse {
  Reader,       // the capture's reader for a child: list view, tree view, status bar, toolbar
  TextUnasked,  // a child's text: classes known without asking the control
  TextNamed,    // a child's text: classes taken by name when the control's answers do not tell
  NotListBox,   // classes never asked for a list box's selection
  MessageRead,  // classes whose texts the message readers take: their accessible trees would repeat them
  Pointer,      // the pointer reader's item readers and its status bar
  Count
};

// The family of the first row of the table whose rule for `use` matches `className`;
// None when no row does.
ControlFamily FamilyOf(std::string_view className, ClassUse use);

enum class TextKind { Edit, Combo, Static };

// What a child's own text is read as. The system's plain classes are known by name: they
// answer no to both questions, so asking them would cost two messages for nothing. Any
// other control is asked whether it has an edit's text limit, then whether it holds a
// list's items (`hasEditLimit`, `hasItems`, each asked only when what came before did not
// settle it), and its name decides when it says no.
template <typename AskEdit, typename AskCombo>
TextKind TextKindOf(std::string_view className, AskEdit&& hasEditLimit, AskCombo&& hasItems) {
  switch (FamilyOf(className, ClassUse::TextUnasked)) {
    case ControlFamily::Static:
    case ControlFamily::Button: return TextKind::Static;
    case ControlFamily::ComboBox: return TextKind::Combo;
    default: break;
  }
  const ControlFamily named = FamilyOf(className, ClassUse::TextNamed);
  if (hasEditLimit() || named == ControlFamily::Edit) return TextKind::Edit;
  if (hasItems() || named == ControlFamily::ComboBox) return TextKind::Combo;
  return TextKind::Static;
}

}  // namespace glean::capture
