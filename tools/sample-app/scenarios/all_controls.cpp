// Every kind of control, with Japanese and ASCII texts.
#include "../sample_ids.h"
#include "scenarios.h"

namespace sample_app {
namespace {

using namespace all;

const std::vector<MenuEntry> kMenu = {
    {"ファイル(&F)", {{101, "開く(&O)..."}, {0, ""}, {kMenuExit, "終了(&X)"}}},
    {"編集(&E)", {{111, "コピー(&C)"}, {112, "Paste"}}},
    {"", {}},
    {"&Help", {{121, "バージョン情報(&A)"}}},
};

ControlEntry ToolBar() {
  // Commands differ from positions on purpose: position 1 is command 4, and so on.
  return {.kind = Kind::ToolBar, .id = kToolBar, .rect = {0, 0, 900, 28},
          .content = ToolBarData{{{0, ""}, {4, "新規"}, {3, "開く"}, {0, ""}, {2, "Save"}, {1, "印刷"}}}};
}

ControlEntry StatusBar() {
  return {.kind = Kind::StatusBar, .id = kStatusBar, .rect = {0, 0, 0, 0},
          .content = StatusData{{
              {80, ""},                                         // textless, plain
              {240, "準備完了"},
              {320, "", PartStyle::OwnerDraw, 0x2A},            // textless, owner-drawn
              {400, "", PartStyle::PopOut},                     // textless, another type
              {-1, "Line 1, Col 1"},
          }}};
}

ControlEntry ListView() {
  return {.kind = Kind::ListView, .id = kListView, .rect = {230, 200, 400, 150},
          .content = ListViewData{
              .columns = {{"名前", 150}, {"", 120}, {" ", 110}},
              .rows = {{"書類.txt", "12 KB", "テキスト"},
                       {"写真.jpg", "1.5 MB", "画像"},
                       {"readme", "3 KB", "Plain"},
                       {"音楽.mp3", "4 MB", "音声"}}}};
}

ControlEntry TreeView() {
  return {.kind = Kind::TreeView, .id = kTreeView, .rect = {230, 360, 200, 230},
          .content = TreeData{{{0, "ルート"}, {1, "子項目一"}, {2, "孫項目"}, {1, "子項目二"},
                               {1, ""}, {1, "Child three"}, {0, "二つ目のルート"}, {1, "枝"},
                               {2, "葉っぱ"}, {0, "Last root"}}}};
}

std::vector<ControlEntry> Controls() {
  return {
      ToolBar(),
      {.kind = Kind::Label, .id = kLabelName, .rect = {10, 40, 200, 20}, .text = "名前(&N):"},
      {.kind = Kind::Label, .id = kLabelTwin1, .rect = {10, 64, 200, 20}, .text = "同じラベル"},
      {.kind = Kind::Label, .id = kLabelTwin2, .rect = {10, 88, 200, 20}, .text = "同じラベル"},
      {.kind = Kind::Label, .id = kLabelAmpersand, .rect = {10, 112, 200, 20}, .text = "&"},
      {.kind = Kind::Label, .id = kLabelAscii, .rect = {10, 136, 200, 20}, .text = "Plain ASCII label"},
      {.kind = Kind::Edit, .id = kEditSingle, .rect = {10, 160, 200, 24}, .text = "一行の編集 Edit"},
      {.kind = Kind::MultiEdit, .id = kEditMulti, .rect = {10, 190, 200, 70},
       .text = "一行目\r\n二行目\r\nThird line"},
      {.kind = Kind::Button, .id = kButtonRun, .rect = {10, 270, 100, 28}, .text = "実行(&R)"},
      {.kind = Kind::CheckBox, .id = kCheckOn, .rect = {10, 304, 200, 22}, .text = "チェック済み",
       .checked = true},
      {.kind = Kind::CheckBox, .id = kCheckOff, .rect = {10, 328, 200, 22}, .text = "Not checked"},
      {.kind = Kind::GroupBox, .id = kGroup, .rect = {10, 356, 200, 90}, .text = "グループ枠"},
      {.kind = Kind::Button, .id = kButtonInGroup, .rect = {30, 386, 160, 28}, .text = "枠内のボタン"},
      {.kind = Kind::DropDownCombo, .id = kComboDropDown, .rect = {10, 456, 200, 150},
       .content = ListItems{{"りんご", "みかん", "Banana"}, {1}}},
      {.kind = Kind::DropListCombo, .id = kComboDropList, .rect = {10, 486, 200, 150},
       .content = ListItems{{"東京", "大阪", "Nagoya"}, {2}}},
      {.kind = Kind::ListBox, .id = kListSingle, .rect = {10, 520, 95, 100},
       .content = ListItems{{"一番目", "二番目", "Third", "四番目"}, {1}}},
      {.kind = Kind::ListBox, .id = kListSingleNone, .rect = {115, 520, 95, 100},
       .content = ListItems{{"未選択の先頭", "二つ目"}, {}}},
      {.kind = Kind::MultiListBox, .id = kListMulti, .rect = {230, 40, 190, 150},
       .content = ListItems{{"項目0", "項目1", "項目2", "項目3", "項目4", "項目5", "項目6",
                             "項目7", "Item 8", "Item 9"},
                            {2, 5, 7}}},
      {.kind = Kind::MultiListBox, .id = kListMultiNone, .rect = {430, 40, 200, 150},
       .content = ListItems{{"選ばれない一", "選ばれない二", "Never chosen"}, {}}},
      ListView(),
      TreeView(),
      // Page controls come before the tab control so that they lie above it.
      {.kind = Kind::Label, .id = kPage0Label, .rect = {656, 80, 220, 20}, .text = "表示ページのラベル",
       .page = 0},
      {.kind = Kind::Edit, .id = kPage0Edit, .rect = {656, 108, 220, 24}, .text = "表示ページの編集",
       .page = 0},
      {.kind = Kind::Label, .id = kPage1Label, .rect = {656, 80, 220, 20}, .text = "隠しページのラベル",
       .page = 1},
      {.kind = Kind::Button, .id = kPage1Button, .rect = {656, 108, 220, 28},
       .text = "隠しページのボタン", .page = 1},
      {.kind = Kind::Tab, .id = kTab, .rect = {640, 40, 250, 200},
       .content = TabData{{"表示ページ", "隠しページ"}, 0}},
      StatusBar(),
  };
}

}  // namespace

std::vector<WindowEntry> AllControls(const std::string& title) {
  return {{title, kWindowLeft, kWindowTop, kMenu, Controls()}};
}

}  // namespace sample_app
