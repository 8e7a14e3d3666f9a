// Whole captured texts through Lines, with the configuration of the main window's pane:
// the rows they wrap into and the token kinds and colours of each row.
#include <gtest/gtest.h>

#include "fake_editor.h"

namespace glean {
namespace {

using testing::ConfigureMainWindowPane;
using testing::FakeEditor;
using testing::RowTokens;
using testing::Token;
using K = TokenKind;
using Tokens = std::vector<Token>;

class CaptureText : public ::testing::Test {
 protected:
  CaptureText() { ConfigureMainWindowPane(e); }
  TFountainColor* ColorOf(int row, size_t token) {
    auto parser = e.Fountain().CreateParser();
    parser->Init(e.List().Ref(row), e.List().RowState(row));
    for (size_t i = 0; i <= token; ++i) parser->NextToken();
    return parser->TokenColor();
  }
  FakeEditor e;
};

TEST_F(CaptureText, HeadersNotesErrorsAddressesAndPlainText) {
  TStringList captured;
  captured.Add("∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇");
  captured.Add("グリーナ！ - 設定");
  captured.Add("∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇");
  captured.Add("ファイル名を入力して下さい。");
  captured.Add("《このテキストは読み取り専用です》");
  captured.Add("Error: 指定されたウィンドウが応答しません。‡");
  captured.Add("詳しくは https://example.com/glean/readme.html をご覧下さい。");
  captured.Add("連絡先: support@example.com");
  e.Lines().Assign(captured);
  TEditorScreenStrings& l = e.List();
  ASSERT_EQ(l.Count(), 8);
  EXPECT_EQ(e.Lines().Count(), 8);

  EXPECT_EQ(RowTokens(e, 0), (Tokens{{K::Comment, "∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇"}}));
  EXPECT_EQ(ColorOf(0, 0), &e.Fountain().Colors().Comment());
  // "！" leads with the quotation byte 0x81: a quoted run to the row end.
  EXPECT_EQ(RowTokens(e, 1), (Tokens{{K::Katakana, "グリーナ"}, {K::Quoted, "！ - 設定"}}));
  EXPECT_EQ(RowTokens(e, 2), (Tokens{{K::Comment, "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇"}}));
  EXPECT_EQ(RowTokens(e, 3),
            (Tokens{{K::Katakana, "ファイル"}, {K::Kanji, "名"}, {K::Hiragana, "を"},
                    {K::Kanji, "入力"}, {K::Hiragana, "して"}, {K::Kanji, "下"},
                    {K::Hiragana, "さい"}, {K::Quoted, "。"}}));
  EXPECT_EQ(RowTokens(e, 4), (Tokens{{K::Bracket, "《このテキストは読み取り専用です》"}}));
  EXPECT_EQ(ColorOf(4, 0)->Color(), clMaroon);
  EXPECT_EQ(RowTokens(e, 5), (Tokens{{K::Bracket, "Error: 指定されたウィンドウが応答しません。‡"}}));
  EXPECT_EQ(ColorOf(5, 0)->Color(), clRed);
  EXPECT_EQ(RowTokens(e, 6),
            (Tokens{{K::Kanji, "詳"}, {K::Hiragana, "しくは"},
                    {K::Url, "https://example.com/glean/readme.html"}, {K::Hiragana, "をご"},
                    {K::Kanji, "覧下"}, {K::Hiragana, "さい"}, {K::Quoted, "。"}}));
  EXPECT_EQ(ColorOf(6, 2), &e.Fountain().Colors().Url());
  EXPECT_EQ(RowTokens(e, 7), (Tokens{{K::Kanji, "連絡先"}, {K::Symbol, ":"},
                                     {K::Mail, "support@example.com"}}));
  EXPECT_EQ(ColorOf(7, 2), &e.Fountain().Colors().Mail());
  // Every region is closed at the end of its line.
  for (int r = 0; r < l.Count(); ++r) EXPECT_EQ(l.BracketIndex(r), -1) << "row " << r;
}

TEST_F(CaptureText, ANoteCutByWrapStaysABracketRegionOnTheNextRow) {
  std::string kanji;
  for (int i = 0; i < 20; ++i) kanji += "説明";
  e.Lines().SetText("ｺﾒﾝﾄ: 《" + kanji + "》 OK\r\nnext\r\n");
  TEditorScreenStrings& l = e.List();
  ASSERT_EQ(l.Count(), 3);
  EXPECT_EQ(l.Ref(0).size(), 80u);
  EXPECT_EQ(l.RowAttribute(0), TRowAttribute::Wrapped);
  EXPECT_EQ(RowTokens(e, 0), (Tokens{{K::Kana, "ｺﾒﾝﾄ"}, {K::Symbol, ":"},
                                     {K::Bracket, "《" + kanji.substr(0, 72)}}));
  EXPECT_EQ(l.BracketIndex(1), 0);
  EXPECT_EQ(RowTokens(e, 1), (Tokens{{K::Bracket, kanji.substr(72) + "》"}, {K::AnkWord, "OK"}}));
  EXPECT_EQ(l.BracketIndex(2), -1);
  EXPECT_EQ(RowTokens(e, 2), (Tokens{{K::AnkWord, "next"}}));
}

TEST_F(CaptureText, AUrlCutByWrapIsCarriedToTheNextRowWithItsExactLength) {
  e.Lines().SetText("ﾘﾝｸ: http://www.example.co.jp/" + std::string(50, 'a') + "/index.html end\r\n");
  TEditorScreenStrings& l = e.List();
  ASSERT_EQ(l.Count(), 2);
  EXPECT_EQ(l.Ref(0), "ﾘﾝｸ: http://www.example.co.jp/");  // word break at the last '/'
  EXPECT_EQ(RowTokens(e, 0), (Tokens{{K::Kana, "ﾘﾝｸ"}, {K::Symbol, ":"},
                                     {K::Url, "http://www.example.co.jp/"}}));
  EXPECT_EQ(l.ContinuedKind(1), K::Url);
  EXPECT_EQ(l.ContinuedLength(1), 61);
  EXPECT_EQ(RowTokens(e, 1), (Tokens{{K::Url, std::string(50, 'a') + "/index.html"}, {K::AnkWord, "end"}}));
}

TEST_F(CaptureText, ALongHeaderIsCommentOnEveryRowAndTheNextLineIsNot) {
  std::string title;
  for (int i = 0; i < 30; ++i) title += "ﾎﾞﾀﾝ";
  e.Lines().SetText("∇ " + title + " ∇\r\nﾎﾞﾀﾝ\r\n");
  TEditorScreenStrings& l = e.List();
  ASSERT_EQ(l.Count(), 4);
  for (int r = 0; r < 3; ++r) {
    Tokens t = RowTokens(e, r);
    ASSERT_EQ(t.size(), 1u) << "row " << r;
    EXPECT_EQ(t[0].kind, K::Comment) << "row " << r;
  }
  EXPECT_EQ(RowTokens(e, 3), (Tokens{{K::Kana, "ﾎﾞﾀﾝ"}}));
}

TEST_F(CaptureText, TypingIntoACapturedNoteRecoloursOnlyWhatChanged) {
  TStringList captured;
  for (int i = 0; i < 100; ++i) captured.Add(i == 50 ? "《注記》" : "本文の行");
  e.Lines().Assign(captured);
  e.invalidated.clear();
  e.List().UpdateRows(50, 1, "《注記を追加》\r\n");
  EXPECT_EQ(e.invalidated, (std::vector<int>{50, 51}));  // the next line joins the edit
  EXPECT_EQ(RowTokens(e, 50), (Tokens{{K::Bracket, "《注記を追加》"}}));
  // Removing the closing bracket opens the region over the rows below.
  e.List().UpdateRows(50, 1, "《注記を追加\r\n");
  EXPECT_EQ(e.List().BracketIndex(51), 0);
  EXPECT_EQ(RowTokens(e, 51), (Tokens{{K::Bracket, "本文の行"}}));
  e.List().Undo();
  EXPECT_EQ(e.List().BracketIndex(51), -1);
  EXPECT_EQ(RowTokens(e, 51)[0].kind, K::Kanji);
}

}  // namespace
}  // namespace glean
