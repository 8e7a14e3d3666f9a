// What a screen reader hears from the main window: the buttons and check boxes as Tab
// moves over them, the lines of the pane, the hidden switches of clipboard speech.
#include <gtest/gtest.h>

#include "capture/section_headers.h"
#include "main/body_fixture.h"
#include "editor/control/access/uia_api.h"
#include "main/command_texts.h"
#include "main/main_texts.h"
#include "main/menus.h"
#include "main/speech_fixture.h"

namespace glean::test {
namespace {

using Heard = std::vector<std::string>;

class SpeechTest : public BodyTest {
 protected:
  // Glean in front with the focus in its window list, after the searches that showing
  // and activating it run.
  std::unique_ptr<TBody> StartInFront() {
    auto body = StartBody();
    ui::SetShortcuts(body->Handle(), body->Shortcuts());  // as the program's loop has them
    SetForegroundWindow(body->Handle());
    PumpFor(body->Handle(), 300);
    SetFocus(body->WinList().Handle());
    PumpFor(body->Handle(), 100);
    return body;
  }
  // Presses `key` and waits until the ear has heard `count` texts in all.
  static bool PressAndHear(TBody& body, ClipboardEar& ear, WORD key, size_t count,
                           std::initializer_list<WORD> modifiers = {}) {
    Press(key, modifiers);
    return PumpUntil(body.Handle(), [&] { return ear.heard.size() >= count; });
  }
};

const Heard kButtonsAndBoxes = {"ｳｨﾝﾄﾞｳ検索のプッシュボタン", "コピーのプッシュボタン", "ﾌｧｲﾙに保存のプッシュボタン",
                                "終了のプッシュボタン", "自動再検索のチェックボックス チェック",
                                "常に手前に表示のチェックボックス チェックなし"};

TEST_F(SpeechTest, TabOverTheControlsSpeaksEachWhileAReaderWindowExists) {
  const std::string title = "Glean 読み上げ Tab";
  StartSample(title);
  OwnWindow reader("xpreader");
  auto body = StartInFront();
  ASSERT_TRUE(body->AnnounceActive);

  ClipboardEar ear;
  SetFocus(body->SrchBtn().Handle());
  ASSERT_TRUE(PumpUntil(body->Handle(), [&] { return ear.heard.size() >= 1; }));
  for (size_t i = 1; i < kButtonsAndBoxes.size(); ++i) ASSERT_TRUE(PressAndHear(*body, ear, VK_TAB, i + 1));
  EXPECT_EQ(ear.heard, kButtonsAndBoxes);
  EXPECT_EQ(GetFocus(), body->AlwsFrgrnd().Handle());

  // A click announces the state it has made.
  ASSERT_TRUE(PressAndHear(*body, ear, VK_SPACE, 7));
  EXPECT_EQ(ear.heard.back(), "常に手前に表示のチェックボックス チェック");
  ASSERT_TRUE(PressAndHear(*body, ear, VK_SPACE, 8));
  EXPECT_EQ(ear.heard.back(), "常に手前に表示のチェックボックス チェックなし");
  // Back to the auto re-search box: its focus, then its click.
  ASSERT_TRUE(PressAndHear(*body, ear, VK_TAB, 9, {VK_SHIFT}));
  EXPECT_EQ(ear.heard.back(), "自動再検索のチェックボックス チェック");
  ASSERT_TRUE(PressAndHear(*body, ear, VK_SPACE, 10));
  EXPECT_EQ(ear.heard.back(), "自動再検索のチェックボックス チェックなし");

  // On to the list (which captures its entry and says so) and into the pane, which
  // reads its caret line: the first line of the capture.
  ear.heard.clear();
  Press(VK_TAB);
  Press(VK_TAB);
  ASSERT_TRUE(PumpUntil(body->Handle(), [&] { return GetFocus() == body->WinList().Handle() && !ear.heard.empty(); }));
  EXPECT_EQ(ear.heard.back(),
            body->WinList().Caption(body->WinList().Selected()) + "にアクセスしました。Tabキーでデータにアクセスして下さい。");
  ASSERT_TRUE(PressAndHear(*body, ear, VK_TAB, ear.heard.size() + 1));
  EXPECT_EQ(GetFocus(), body->Data().Handle());
  EXPECT_EQ(ear.heard.back(), std::string("取得データを開始します　　") + capture::kTitleHeader);
}

TEST_F(SpeechTest, WithoutAReaderFocusMovesSayNothingButCtrlMReadsTheLine) {
  const std::string title = "Glean 読み上げなし";
  StartSample(title);
  auto body = StartInFront();
  ASSERT_FALSE(body->AnnounceActive);
  PutOnClipboard("ユーザーのコピー");
  ClipboardEar ear;
  SetFocus(body->SrchBtn().Handle());
  for (int i = 0; i < 5; ++i) Press(VK_TAB);
  ASSERT_TRUE(PumpUntil(body->Handle(), [&] { return GetFocus() == body->AlwsFrgrnd().Handle(); }));
  Press(VK_SPACE);
  PumpFor(body->Handle(), 300);
  EXPECT_EQ(ear.heard, Heard{});
  EXPECT_EQ(ClipboardText(), "ユーザーのコピー");

  ASSERT_TRUE(PressAndHear(*body, ear, 'M', 1, {VK_CONTROL}));
  EXPECT_EQ(GetFocus(), body->Data().Handle());
  EXPECT_EQ(ear.heard[0], std::string("取得データを開始します　　") + capture::kTitleHeader);
  // Up and Down stay silent.
  Press(VK_DOWN);
  PumpFor(body->Handle(), 200);
  EXPECT_EQ(ear.heard.size(), 1u);
}

TEST_F(SpeechTest, F11SwitchesClipboardSpeechOnAndCtrlF11Off) {
  StartSample("Glean 隠しメニュー");
  auto body = StartInFront();
  ASSERT_FALSE(body->AnnounceActive);
  ClipboardEar ear;
  ASSERT_TRUE(PressAndHear(*body, ear, VK_F11, 2));
  EXPECT_EQ(ear.heard[0], "クリップボードへのデータ送信が有効になりました。");
  EXPECT_EQ(ear.heard[1], " Glean 隠しメニューにアクセスしました。Tabキーでデータにアクセスして下さい。")
      << "the search that follows speaks already";
  EXPECT_TRUE(body->AnnounceActive);
  EXPECT_TRUE(body->View().send_clipboard);
  // From now on the focus moves are spoken.
  SetFocus(body->SrchBtn().Handle());
  PumpFor(body->Handle(), 100);
  ear.heard.clear();
  ASSERT_TRUE(PressAndHear(*body, ear, VK_TAB, 1));
  EXPECT_EQ(ear.heard[0], "コピーのプッシュボタン");

  ear.heard.clear();
  ASSERT_TRUE(PressAndHear(*body, ear, VK_F11, 1, {VK_CONTROL}));
  PumpFor(body->Handle(), 200);
  EXPECT_EQ(ear.heard, Heard{"クリップボードへのデータ送信が無効になりました。"});
  EXPECT_FALSE(body->AnnounceActive);
  EXPECT_FALSE(body->View().send_clipboard);
}

TEST_F(SpeechTest, LinesAreReadWithTheirPhrasesAndEmptyLinesAsSuch) {
  WriteIni("[common]\r\nsend_clipboard=1\r\n");
  StartSample("Glean 行の読み上げ");
  auto body = StartInFront();
  ASSERT_TRUE(body->AnnounceActive);
  TEditor& pane = body->Data();
  ClipboardEar ear;

  // An empty text: the pane names itself on entering, and lines are not read.
  pane.Lines().SetText("");
  ASSERT_EQ(SendMessageA(pane.Handle(), EM_LINELENGTH, static_cast<WPARAM>(-1), 0), 0);
  ASSERT_TRUE(PressAndHear(*body, ear, VK_TAB, 1)) << "focus in " << ClassName(GetFocus());
  EXPECT_EQ(ear.heard, Heard{"取得データ"});
  Press(VK_DOWN);
  PumpFor(body->Handle(), 200);
  EXPECT_EQ(ear.heard.size(), 1u);

  // One line: the closing phrase.
  pane.Lines().SetText("一行だけ");
  ASSERT_TRUE(PressAndHear(*body, ear, VK_DOWN, 2));
  EXPECT_EQ(ear.heard.back(), "一行だけ　以上で取得データ終わり　");

  // Several lines with an empty one between.
  pane.Lines().SetText("一行目\r\n\r\n三行目");
  pane.SetSelStart(0);
  ear.heard.clear();
  ASSERT_TRUE(PressAndHear(*body, ear, VK_DOWN, 1));
  ASSERT_TRUE(PressAndHear(*body, ear, VK_DOWN, 2));
  ASSERT_TRUE(PressAndHear(*body, ear, VK_UP, 3));
  ASSERT_TRUE(PressAndHear(*body, ear, VK_UP, 4));
  EXPECT_EQ(ear.heard, (Heard{"空行", "三行目　以上で取得データ終わり　", "空行", "取得データを開始します　　一行目"}));

  // Keys that do not move between lines say nothing.
  Press(VK_RIGHT);
  PumpFor(body->Handle(), 200);
  EXPECT_EQ(ear.heard.size(), 4u);
}

// A screen reader listening through UI Automation, recorded: the notifications raised.
Heard notified;
BOOL WINAPI Listening() { return TRUE; }
HRESULT WINAPI RecordNotification(IRawElementProviderSimple*, int kind, int processing, BSTR text, BSTR activity) {
  std::string narrow(SysStringLen(text) * 2 + 1, '\0');
  narrow.resize(size_t(WideCharToMultiByte(932, 0, text, int(SysStringLen(text)), narrow.data(), int(narrow.size()), nullptr, nullptr)));
  const bool asked = kind == 2 && processing == 3 && std::wstring(activity) == L"Glean.Announce";
  notified.push_back(asked ? narrow : "(wrong kind) " + narrow);
  return S_OK;
}

bool Notified(const std::string& text) { return std::find(notified.begin(), notified.end(), text) != notified.end(); }

TEST_F(SpeechTest, ReportsAreUiaNotificationsFocusTextsAndMovingLinesAreNot) {
  const uia::Api saved = uia::Functions();
  uia::Functions().ClientsAreListening = &Listening;
  uia::Functions().RaiseNotificationEvent = &RecordNotification;
  notified.clear();
  StartSample("Glean 通知");
  auto body = StartInFront();
  ASSERT_FALSE(body->AnnounceActive);
  const std::string welcome = texts::kWelcomeStart + std::to_string(body->WinList().Count()) + texts::kWelcomeEnd;
  EXPECT_TRUE(Notified(welcome)) << ::testing::PrintToString(notified);  // without AnnounceActive too
  EXPECT_TRUE(Notified(" Glean 通知にアクセスしました。Tabキーでデータにアクセスして下さい。"));
  notified.clear();
  SetFocus(body->SrchBtn().Handle());
  Press(VK_TAB);
  Press('M', {VK_CONTROL});
  ASSERT_TRUE(PumpUntil(body->Handle(), [&] { return notified.size() >= 1; }));
  Press(VK_DOWN);
  PumpFor(body->Handle(), 200);
  // Neither the focus texts nor the line under Down: only what Ctrl+M read.
  EXPECT_EQ(notified, Heard{std::string("取得データを開始します　　") + capture::kTitleHeader});
  SendMessageA(body->Handle(), WM_COMMAND, menu::C2, 0);
  Press(VK_F11);
  ASSERT_TRUE(PumpUntil(body->Handle(), [&] { return Notified("クリップボードへのデータ送信が有効になりました。"); }));
  EXPECT_TRUE(Notified(texts::kCompactOn)) << ::testing::PrintToString(notified);
  uia::Functions() = saved;
}

TEST_F(SpeechTest, UiaNotifyOffRaisesNothing) {
  const uia::Api saved = uia::Functions();
  uia::Functions().ClientsAreListening = &Listening;
  uia::Functions().RaiseNotificationEvent = &RecordNotification;
  notified.clear();
  WriteIni("[common]\r\nuia_notify=0\r\n");
  StartSample("Glean 通知なし");
  auto body = StartInFront();
  ClipboardEar ear;
  ASSERT_TRUE(PressAndHear(*body, ear, VK_F11, 2));
  EXPECT_EQ(notified, Heard{});
  SendMessageA(body->Handle(), WM_CLOSE, 0, 0);  // closing writes the setting back as it was
  EXPECT_EQ(IniValue("uia_notify"), "0");
  uia::Functions() = saved;
}

}  // namespace
}  // namespace glean::test
