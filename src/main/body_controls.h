// The main window's controls as data: caption, place, size and hint of each button and
// check box, in tab order.
#pragma once

#include "ui/controls.h"

namespace glean {

enum class BodyButton { SrchBtn, CopyBtn, SaveBtn, ExitBtn, AutoBtn, AlwsFrgrnd };

struct ButtonRow {
  BodyButton id;
  ui::Button::Kind kind;
  const char* caption;
  int x, y, width, height;
  const char* hint;
};

inline constexpr ButtonRow kPanel2Buttons[] = {
    {BodyButton::SrchBtn, ui::Button::Kind::Push, "ｳｨﾝﾄﾞｳ検索(&W)", 11, 54, 145, 29,
     "現在起動中のウィンドウを検索します"},
    {BodyButton::CopyBtn, ui::Button::Kind::Push, "コピー(&C)", 11, 84, 145, 29,
     "読み込まれたデータの全部、または選択範囲をコピーします"},
    {BodyButton::SaveBtn, ui::Button::Kind::Push, "ﾌｧｲﾙに保存(&S)...", 11, 114, 145, 29,
     "読み込まれたデータをテキストファイルに保存します"},
    {BodyButton::ExitBtn, ui::Button::Kind::Push, "終　了(&X)", 11, 144, 145, 29,
     "このプログラムを終了します"},
    {BodyButton::AutoBtn, ui::Button::Kind::CheckBox, "自動再検索(&A)", 8, 8, 150, 19,
     "グリーナ！をアクティブにするたびにウィンドウを再検索します"},
    {BodyButton::AlwsFrgrnd, ui::Button::Kind::CheckBox, "常に手前に表示(&B)", 9, 30, 150, 19,
     "グリーナ！を常に画面全面に表示します"},
};

// Panel sizes of the normal layout.
inline constexpr int kPanel1NormalHeight = 185;
inline constexpr int kPanel2Width = 168;
inline constexpr int kStatusBarHeight = 19;
// The window list's place in Panel3, and the margin kept to its right.
inline constexpr int kListLeft = 8, kListTop = 8, kListWidth = 305, kListHeight = 165;
inline constexpr int kListMargin = 16;
inline constexpr int kCompactBelowCombo = 8;

}  // namespace glean
