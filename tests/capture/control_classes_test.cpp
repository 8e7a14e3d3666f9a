// The one table of control classes against the rules each reader kept before it: every
// use gives the same answer as before for real class names of the system, Delphi, VB,
// WinForms and others, in other letter cases, and for names that only look alike.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <strings.h>
#endif

#include <cstring>
#include <string>
#include <vector>

#include "capture/classes/control_classes.h"

namespace glean::capture {
namespace {

#ifndef _WIN32
// Natively, the case-insensitive comparison the system makes of these ASCII names.
int lstrcmpiA(const char* a, const char* b) { return strcasecmp(a, b); }
#endif

// The rules as the readers wrote them, copied unchanged.
namespace old {
// The capture's dispatch to a reader.
bool IsListView(const std::string& c) {
  return c.find("SysListView32") != std::string::npos || c == "TListView";
}
bool IsTreeView(const std::string& c) { return c == "SysTreeView32" || c == "TTreeView"; }
bool IsStatusBar(const std::string& c) { return c == "msctls_statusbar32" || c == "TStatusBar"; }
bool IsToolBar(const std::string& c) { return c == "ToolbarWindow32" || c == "TToolBar"; }

// The child text's kind; `limit` and `count` stand for the control's answers to
// EM_GETLIMITTEXT and CB_GETCOUNT, and `asked` records the messages sent.
TextKind KindOf(const std::string& className, long limit, long count, std::string& asked) {
  auto SendToTarget = [&](const char* message) {
    asked += message;
    return std::strcmp(message, "EM_GETLIMITTEXT ") == 0 ? limit : count;
  };
  if (className == "Static" || className == "Button") return TextKind::Static;
  if (className == "ComboBox") return TextKind::Combo;
  if (SendToTarget("EM_GETLIMITTEXT ") > 0 || className == "Edit" || className == "TEdit")
    return TextKind::Edit;
  if (SendToTarget("CB_GETCOUNT ") > 0 || className.find("ComboBox") != std::string::npos ||
      className == "TComboBox")
    return TextKind::Combo;
  return TextKind::Static;
}

bool CannotBeListBox(const std::string& className) {
  return className == "Static" || className == "Button" || className == "Edit" || className == "ComboBox";
}

bool IsMessageReadClass(const std::string& c) {
  for (const char* known : {"Edit", "TEdit", "TComboBox", "Static", "Button", "SysListView32", "TListView",
                            "SysTreeView32", "TTreeView", "msctls_statusbar32", "TStatusBar",
                            "ToolbarWindow32", "TToolBar"})
    if (lstrcmpiA(c.c_str(), known) == 0) return true;
  return c.find("ComboBox") != std::string::npos || c.find("ListBox") != std::string::npos;
}

// The pointer reader's choice (with the list-box option on), then its status-bar test.
ControlFamily Pointed(const std::string& cls) {
  if (cls == "SysListView32" || cls == "TListView") return ControlFamily::ListView;
  if (cls == "SysTreeView32" || cls == "TTreeView") return ControlFamily::TreeView;
  if (cls.find("ListBox") != std::string::npos) return ControlFamily::ListBox;
  if (cls == "msctls_statusbar32" || cls == "TStatusBar") return ControlFamily::StatusBar;
  return ControlFamily::None;
}
}  // namespace old

const std::vector<std::string> kNames = {
    // The system's classes.
    "SysListView32", "SysTreeView32", "msctls_statusbar32", "ToolbarWindow32", "Static", "Button", "Edit",
    "ComboBox", "ListBox", "ComboLBox", "ComboBoxEx32", "RichEdit20W", "RichEdit20A", "RICHEDIT50W", "RichEdit",
    "SysHeader32", "SysTabControl32", "msctls_progress32", "msctls_trackbar32", "msctls_updown32",
    "SysDateTimePick32", "SysMonthCal32", "SysLink", "ReBarWindow32", "ScrollBar", "#32770", "MDIClient",
    "DirectUIHWND", "NetUIHWND", "Internet Explorer_Server", "Chrome_RenderWidgetHostHWND",
    // Delphi's and C++Builder's.
    "TListView", "TTreeView", "TStatusBar", "TToolBar", "TEdit", "TMemo", "TComboBox", "TComboBoxEx", "TListBox",
    "TCheckListBox", "TButton", "TLabel", "TStaticText", "TPanel", "TRichEdit", "TStringGrid", "TApplication",
    "TForm1", "TCheckBox", "TRadioButton", "TMaskEdit", "TDBEdit", "TDBComboBox", "TDBListBox",
    // WinForms, VB, MFC, ATL and others.
    "WindowsForms10.SysListView32.app.0.141b42a_r9_ad1", "WindowsForms10.SysListView32.app.0.x",
    "WindowsForms10.SysTreeView32.app.0.x", "WindowsForms10.EDIT.app.0.x", "WindowsForms10.COMBOBOX.app.0.x",
    "WindowsForms10.LISTBOX.app.0.x", "WindowsForms10.STATIC.app.0.x", "WindowsForms10.BUTTON.app.0.x",
    "WindowsForms10.Window.8.app.0.x", "WindowsForms10.msctls_statusbar32.app.0.x",
    "WindowsForms10.ToolbarWindow32.app.0.x", "ThunderRT6ListBox", "ThunderRT6ComboBox", "ThunderRT6TextBox",
    "ThunderRT6CommandButton", "ThunderRT6FormDC", "ThunderListBox", "ThunderComboBox", "Afx:00400000:8",
    "AfxWnd42", "ATL:SysListView32", "ATL:Edit", "ATL:ComboBox", "WTL_ListBox", "TListView.UnicodeClass",
    "SysListView32Ex", "MyComboBoxClass", "OwnListBox", "ComboBoxListBox",
    // Other letter cases.
    "syslistview32", "SYSLISTVIEW32", "SysListview32", "systreeview32", "MSCTLS_STATUSBAR32", "toolbarwindow32",
    "static", "STATIC", "button", "BUTTON", "edit", "EDIT", "Edit ", " Edit", "combobox", "COMBOBOX", "Combobox",
    "listbox", "LISTBOX", "Listbox", "tlistview", "TLISTVIEW", "ttreeview", "tstatusbar", "TSTATUSBAR",
    "ttoolbar", "tedit", "TEDIT", "tcombobox", "TCOMBOBOX", "Tcombobox", "tlistbox", "comboboxex32",
    // Near misses, empty and unrelated names.
    "", "S", "E", "Edi", "Edits", "TEdits", "Stati", "Buttons", "ComboBo", "ListBo", "istBox", "SysListView3",
    "SysListView32\t", "SysTreeView32 ", "TreeView", "ListView", "StatusBar", "ToolBar", "TToolBar2",
    "msctls_statusbar", "Toolbar", "Notepad", "Shell_TrayWnd", "Progman", "Glean",
    "\x83\x8a\x83\x58\x83\x67ListBox", "\x83\x47\x83\x66\x83\x42\x83\x62\x83\x67",
    std::string(255, 'x'), std::string(200, 'a') + "ComboBox",
    std::string(200, 'b') + "SysListView32"};

bool Known(const std::string& name, ClassUse use) { return FamilyOf(name, use) != ControlFamily::None; }

TEST(ControlClasses, EveryUseTellsTheClassesAsBefore) {
  for (const std::string& name : kNames) {
    SCOPED_TRACE("class \"" + name + "\"");
    const ControlFamily reader = old::IsListView(name)    ? ControlFamily::ListView
                                 : old::IsTreeView(name)  ? ControlFamily::TreeView
                                 : old::IsStatusBar(name) ? ControlFamily::StatusBar
                                 : old::IsToolBar(name)   ? ControlFamily::ToolBar
                                                          : ControlFamily::None;
    EXPECT_EQ(FamilyOf(name, ClassUse::Reader), reader);
    EXPECT_EQ(Known(name, ClassUse::NotListBox), old::CannotBeListBox(name));
    EXPECT_EQ(Known(name, ClassUse::MessageRead), old::IsMessageReadClass(name));
    EXPECT_EQ(FamilyOf(name, ClassUse::Pointer), old::Pointed(name));
  }
}

TEST(ControlClasses, AChildsTextKindAsksTheSameMessagesAndGivesTheSameKind) {
  for (const std::string& name : kNames) {
    for (long limit : {0L, 30000L}) {
      for (long count : {-1L, 0L, 3L}) {
        SCOPED_TRACE("class \"" + name + "\" limit " + std::to_string(limit) + " count " + std::to_string(count));
        std::string askedBefore, askedNow;
        const TextKind before = old::KindOf(name, limit, count, askedBefore);
        auto ask = [&](const char* message, bool yes) {
          askedNow += message;
          return yes;
        };
        EXPECT_EQ(TextKindOf(name, [&] { return ask("EM_GETLIMITTEXT ", limit > 0); },
                             [&] { return ask("CB_GETCOUNT ", count > 0); }),
                  before);
        EXPECT_EQ(askedNow, askedBefore);
      }
    }
  }
}

}  // namespace
}  // namespace glean::capture
