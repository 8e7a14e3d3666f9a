// Status bars (parts with their drawing types) and toolbars (text buttons).
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "fill.h"

namespace sample_app {
namespace {

WPARAM DrawingType(PartStyle style) {
  switch (style) {
    case PartStyle::Plain: return 0;
    case PartStyle::NoBorders: return SBT_NOBORDERS;
    case PartStyle::PopOut: return SBT_POPOUT;
    case PartStyle::OwnerDraw: return SBT_OWNERDRAW;
  }
  return 0;
}

}  // namespace

void FillStatusBar(HWND bar, const StatusData& data) {
  std::vector<int> rights;
  for (const StatusPart& part : data.parts) rights.push_back(part.right);
  SendMessageA(bar, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
  for (std::size_t p = 0; p < data.parts.size(); ++p) {
    const StatusPart& part = data.parts[p];
    // An owner-drawn part carries a value of the program's own instead of a text.
    const LPARAM value = part.style == PartStyle::OwnerDraw
                             ? static_cast<LPARAM>(part.owner_data)
                             : reinterpret_cast<LPARAM>(part.text.c_str());
    SendMessageA(bar, SB_SETTEXTA, p | DrawingType(part.style), value);
  }
}

void FillToolBar(HWND bar, const ToolBarData& data) {
  SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  for (const ToolButton& tool : data.buttons) {
    TBBUTTON button{};
    button.idCommand = tool.command;
    if (tool.command == 0) {
      button.fsStyle = BTNS_SEP;
      button.iBitmap = 8;  // separator width
    } else {
      // TB_ADDSTRING takes a list ended by two zero bytes.
      std::string list = tool.text + '\0';
      button.iString = SendMessageA(bar, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(list.c_str()));
      button.iBitmap = I_IMAGENONE;
      button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
      button.fsState = TBSTATE_ENABLED;
    }
    SendMessageA(bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
  }
  SendMessageA(bar, TB_AUTOSIZE, 0, 0);
  if (data.lies_about_count) MakeCountALie(bar, TB_BUTTONCOUNT);
}

}  // namespace sample_app
