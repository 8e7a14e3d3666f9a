// The tokenizer and the row-state propagation: bracket regions across rows, tokens cut
// by word wrap, comments, quotations, URLs and mail addresses, colours.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "fake_editor.h"

namespace glean {
namespace {

using testing::FakeEditor;
using testing::RowTokens;
using testing::Token;
using K = TokenKind;
using Tokens = std::vector<Token>;

// Tokens of one text as a row of its own, from the start-of-text state.
Tokens Scan(TFountain& f, const std::string& text) {
  auto parser = f.CreateParser();
  parser->Init(text, TRowAttributeData{});
  Tokens out;
  while (parser->NextToken() != K::End) out.push_back({parser->Token(), std::string(parser->TokenString())});
  return out;
}

class ParserTest : public ::testing::Test {
 protected:
  ParserTest() {
    TFountainBracketItem& b = f().Brackets().Add();
    b.SetLeftBracket("《");
    b.SetRightBracket("》");
  }
  TEditorFountain& f() { return e.Fountain(); }
  FakeEditor e;
};

TEST_F(ParserTest, BaseScannersByFirstByte) {
  EXPECT_EQ(Scan(f(), "abc_1 12 1.5 1e5 3. x"),
            (Tokens{{K::AnkWord, "abc_1"}, {K::Integer, "12"}, {K::Float, "1.5"}, {K::Float, "1e5"},
                    {K::Integer, "3"}, {K::Symbol, "."}, {K::AnkWord, "x"}}));
  EXPECT_EQ(Scan(f(), "\tあいーう カタカナ 漢字かな ０１．２ ＡＢｃ ｶﾀｶﾅ｡ ★"),
            (Tokens{{K::Tab, "\t"}, {K::Hiragana, "あいーう"}, {K::Katakana, "カタカナ"},
                    {K::Kanji, "漢字"}, {K::Hiragana, "かな"}, {K::DbDigit, "０１．２"},
                    {K::DbAlpha, "ＡＢｃ"}, {K::Kana, "ｶﾀｶﾅ"}, {K::KanaSymbol, "｡"},
                    {K::DbSymbol, "★"}}));
  // A lead byte at the very end of the text is consumed alone.
  EXPECT_EQ(Scan(f(), "a\x82"), (Tokens{{K::AnkWord, "a"}, {K::DbSymbol, "\x82"}}));
  EXPECT_EQ(Scan(f(), "   "), Tokens{});
}

TEST_F(ParserTest, ABracketRegionRunsAcrossRowsAndClosesInTheNext) {
  e.Lines().SetText("《abc\r\ndef》ghi\r\nplain");
  EXPECT_EQ(e.List().BracketIndex(0), -1);
  EXPECT_EQ(e.List().BracketIndex(1), 0);
  EXPECT_EQ(e.List().BracketIndex(2), -1);
  EXPECT_EQ(RowTokens(e, 0), (Tokens{{K::Bracket, "《abc"}}));
  EXPECT_EQ(RowTokens(e, 1), (Tokens{{K::Bracket, "def》"}, {K::AnkWord, "ghi"}}));
  EXPECT_EQ(RowTokens(e, 2), (Tokens{{K::AnkWord, "plain"}}));
}

TEST_F(ParserTest, AUrlCutByWrapIsOneTokenAndItsRestIsCarriedExactly) {
  f().SetUrl(true);
  e.List().WrapOption().SetWrapByte(20);
  e.List().SetWordWrap(true);
  e.Lines().SetText("see http://example.com/a/b/c end\r\n");
  ASSERT_EQ(e.List().Ref(0), "see http://example.c");
  EXPECT_EQ(RowTokens(e, 0), (Tokens{{K::AnkWord, "see"}, {K::Url, "http://example.c"}}));
  EXPECT_EQ(e.List().ContinuedKind(1), K::Url);
  EXPECT_EQ(e.List().ContinuedLength(1), 8);
  Tokens second = RowTokens(e, 1);
  ASSERT_GE(second.size(), 2u);
  EXPECT_EQ(second[0], (Token{K::Url, "om/a/b/c"}));
  EXPECT_EQ(second[1], (Token{K::AnkWord, "end"}));
}

TEST_F(ParserTest, ARightBracketCutByWrapClosesTheRegionAfterItsTail) {
  f().Brackets().Items(0).SetLeftBracket("/*");
  f().Brackets().Items(0).SetRightBracket("*/");
  e.List().WrapOption().SetWrapByte(20);
  e.List().SetWordWrap(true);
  e.Lines().SetText("/*" + std::string(17, 'x') + "*/tail\r\n");
  ASSERT_EQ(e.List().Ref(1), "/tail");
  EXPECT_EQ(e.List().BracketIndex(1), 0);
  EXPECT_EQ(e.List().ContinuedKind(1), K::Bracket);
  EXPECT_EQ(e.List().ContinuedLength(1), 1);
  EXPECT_EQ(RowTokens(e, 1), (Tokens{{K::Bracket, "/"}, {K::AnkWord, "tail"}}));
}

TEST_F(ParserTest, ACarriedTokenKeepsItsLeadingBlanks) {
  f().SetQuotation("'");
  e.List().WrapOption().SetWrapByte(20);
  e.List().SetWordWrap(true);
  e.Lines().SetText("'" + std::string(18, 'a') + "  bbb' x\r\n");
  ASSERT_EQ(e.List().Ref(1), " bbb' x");
  EXPECT_EQ(e.List().ContinuedKind(1), K::Quoted);
  EXPECT_EQ(e.List().ContinuedLength(1), 5);
  EXPECT_EQ(RowTokens(e, 1), (Tokens{{K::Quoted, " bbb'"}, {K::AnkWord, "x"}}));
}

TEST_F(ParserTest, MailNeedsADotAfterItsAt) {
  f().SetMail(true);
  EXPECT_EQ(Scan(f(), "foo.bar@example.com x"), (Tokens{{K::Mail, "foo.bar@example.com"}, {K::AnkWord, "x"}}));
  EXPECT_EQ(Scan(f(), "foo@bar"), (Tokens{{K::AnkWord, "foo"}, {K::Symbol, "@"}, {K::AnkWord, "bar"}}));
  EXPECT_EQ(Scan(f(), "a.b@c"), (Tokens{{K::AnkWord, "a"}, {K::Symbol, "."}, {K::AnkWord, "b"},
                                      {K::Symbol, "@"}, {K::AnkWord, "c"}}));
  // Mail is tried before a URL at the same place.
  f().SetUrl(true);
  EXPECT_EQ(Scan(f(), "www.x@y.z"), (Tokens{{K::Mail, "www.x@y.z"}}));
  f().SetMail(false);
  EXPECT_EQ(Scan(f(), "www.x@y.z"), (Tokens{{K::Url, "www.x"}, {K::Symbol, "@"}, {K::AnkWord, "y"},
                                          {K::Symbol, "."}, {K::AnkWord, "z"}}));
}

TEST_F(ParserTest, UrlsStartOnlyAtATokenStart) {
  f().SetUrl(true);
  EXPECT_EQ(Scan(f(), "https://a.b/c?d=1 xhttps://q"),
            (Tokens{{K::Url, "https://a.b/c?d=1"}, {K::AnkWord, "xhttps"}, {K::Symbol, ":"},
                    {K::Symbol, "/"}, {K::Symbol, "/"}, {K::AnkWord, "q"}}));
  f().SetUrl(false);
  EXPECT_EQ(Scan(f(), "http:"), (Tokens{{K::AnkWord, "http"}, {K::Symbol, ":"}}));
}

TEST_F(ParserTest, ReservedWordsIgnoreCaseButNotWhenContinued) {
  TStringList words;
  words.Add("BEGIN");
  f().SetReserveWordList(words);
  auto parser = f().CreateParser();
  parser->Init("begin Begins", TRowAttributeData{});
  ASSERT_EQ(parser->NextToken(), K::AnkWord);
  EXPECT_TRUE(parser->IsReserveWord());
  EXPECT_EQ(parser->TokenColor(), &f().Colors().Reserve());
  ASSERT_EQ(parser->NextToken(), K::AnkWord);
  EXPECT_FALSE(parser->IsReserveWord());
  TRowAttributeData carried;
  carried.ContinuedKind = K::AnkWord;
  parser->Init("begin", carried);
  ASSERT_EQ(parser->NextToken(), K::AnkWord);
  EXPECT_TRUE(parser->Continuing());
  EXPECT_FALSE(parser->IsReserveWord());
}

TEST_F(ParserTest, ARowOfSpacesLeavesTheStateAsItWas) {
  e.Lines().SetText("《open\r\n     \r\nclose》");
  EXPECT_EQ(e.List().BracketIndex(1), 0);
  EXPECT_EQ(e.List().BracketIndex(2), 0);
  EXPECT_EQ(RowTokens(e, 2), (Tokens{{K::Bracket, "close》"}}));
}

TEST_F(ParserTest, ReparseAllStopsAfterTwoScreensUnlessAskedForEverything) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "row\r\n";
  e.initBracketsFull = false;
  e.topRow = 10;
  e.Lines().SetText(text);
  // 600 / 15 = 40 rows a screen: rows 0..90 are parsed.
  EXPECT_EQ(e.List().BracketIndex(90), -1);
  EXPECT_EQ(e.List().BracketIndex(91), -2);
  e.initBracketsFull = true;
  e.List().ReparseAll();
  EXPECT_EQ(e.List().BracketIndex(199), -1);
}

TEST_F(ParserTest, ReparseFromStopsWhereTheStateConverges) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "row\r\n";
  e.Lines().SetText(text);
  e.invalidated.clear();
  e.List().UpdateRows(50, 1, "word\r\n");
  EXPECT_EQ(e.invalidated, (std::vector<int>{50, 51}));  // the next line joins the edit
  // Opening a region changes every row below: two screens are reparsed, the rest is
  // left for painting.
  e.invalidated.clear();
  e.List().UpdateRows(50, 1, "《\r\n");
  EXPECT_EQ(e.invalidated.size(), 81u);
  EXPECT_EQ(e.List().BracketIndex(130), 0);
  EXPECT_EQ(e.List().BracketIndex(131), -2);
  // A row marked not parsed is computed from the nearest parsed row above it.
  EXPECT_EQ(e.List().ReparseFrom(160, false), 0);
  EXPECT_EQ(e.List().BracketIndex(160), 0);
  EXPECT_EQ(RowTokens(e, 160), (Tokens{{K::Bracket, "row"}}));
}

TEST_F(ParserTest, BracketCollectionHoldsFourteenItems) {
  TFountainBracketCollection& b = f().Brackets();
  while (b.Count() < 14) b.Add();
  try {
    b.Add();
    FAIL();
  } catch (const Exception& ex) {
    EXPECT_EQ(ex.Message(), "TFountainBracketCollection\r\nYou can not add item over 14");
  }
  TEditorFountain other;
  other.Brackets().Assign(b);
  EXPECT_EQ(other.Brackets().Count(), 14);
  EXPECT_EQ(other.Brackets().Items(0).RightBracket(), "》");
}

TEST(Parser, NeedsAFountain) {
  try {
    TEditorParser parser(nullptr);
    FAIL();
  } catch (const Exception& ex) {
    EXPECT_EQ(ex.Message(), "TFountainParser.Create need instance of TFountain");
  }
}

TEST(EditorParser, CommenterTakesTheRestOfTheRowAndFollowsWrappedRows) {
  FakeEditor e;
  e.Fountain().SetCommenter("∇");
  e.List().WrapOption().SetWrapByte(20);
  e.List().SetWordWrap(true);
  e.Lines().SetText("∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇\r\n∇ " + std::string(30, 'h') + "\r\nnext ∇ tail\r\n");
  EXPECT_EQ(RowTokens(e, 0), (Tokens{{K::Comment, "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇"}}));
  ASSERT_EQ(e.List().RowAttribute(1), TRowAttribute::Wrapped);
  EXPECT_EQ(RowTokens(e, 2)[0].kind, K::Comment);  // the wrapped part of the header
  EXPECT_EQ(e.List().ContinuedKind(3), K::End);
  EXPECT_EQ(RowTokens(e, 3), (Tokens{{K::AnkWord, "next"}, {K::Comment, "∇ tail"}}));
}

TEST(EditorParser, BracketsComeBeforeTheCommenterAndOpenOnlyAtATokenStart) {
  TEditorFountain f;
  TFountainBracketItem& b = f.Brackets().Add();
  b.SetLeftBracket("Error: ");
  b.SetRightBracket("‡");
  f.SetCommenter("Error");
  EXPECT_EQ(Scan(f, "Error: x‡ y"), (Tokens{{K::Bracket, "Error: x‡"}, {K::AnkWord, "y"}}));
  EXPECT_EQ(Scan(f, "Error x"), (Tokens{{K::Comment, "Error x"}}));
  f.SetCommenter("");
  EXPECT_EQ(Scan(f, "xError: y"), (Tokens{{K::AnkWord, "xError"}, {K::Symbol, ":"}, {K::AnkWord, "y"}}));
}

TEST(EditorParser, QuotationControlCodesAndHexPrefix) {
  TEditorFountain f;
  f.SetQuotation("'");
  EXPECT_EQ(Scan(f, "'it''s' x"), (Tokens{{K::Quoted, "'it''s'"}, {K::AnkWord, "x"}}));
  f.SetQuotation("");
  f.SetControlCode(true);
  EXPECT_EQ(Scan(f, "#$1F #13 #a"), (Tokens{{K::HexControlCode, "#$1F"}, {K::ControlCode, "#13"},
                                          {K::ControlCode, "#"}, {K::AnkWord, "a"}}));
  f.SetHexPrefix("0x");
  EXPECT_EQ(Scan(f, "0X1f 0x"), (Tokens{{K::HexNumber, "0X1f"}, {K::HexNumber, "0x"}}));
}

TEST(EditorParser, TheLeadByteQuotationTakesWholeCharacters) {
  TEditorFountain f;
  f.SetQuotation("\x81");
  // "「" opens, "」" (also 0x81-led) closes; the closing character is taken whole.
  EXPECT_EQ(Scan(f, "「abc」def"), (Tokens{{K::Quoted, "「abc」"}, {K::AnkWord, "def"}}));
  // "＝" is 0x81 0x81: a doubled quotation byte, part of the run.
  EXPECT_EQ(Scan(f, "：a＝b：c"), (Tokens{{K::Quoted, "：a＝b："}, {K::AnkWord, "c"}}));
}

TEST(EditorParser, TokenColorsByKind) {
  TEditorFountain f;
  f.SetUrl(true);
  TFountainBracketItem& b = f.Brackets().Add();
  b.SetLeftBracket("<");
  b.SetRightBracket(">");
  auto parser = f.CreateParser();
  parser->Init("x 1 <b> http://a あ ; \t", TRowAttributeData{});
  std::vector<TFountainColor*> colors;
  while (parser->NextToken() != K::End) colors.push_back(parser->TokenColor());
  TEditorColors& c = f.Colors();
  EXPECT_EQ(colors, (std::vector<TFountainColor*>{&c.Ank(), &c.Int(), &b.ItemColor(), &c.Url(),
                                                  &c.DBCS(), &c.Symbol(), nullptr}));
}

TEST(EditorFountain, SetAllColorSkipsSelectAndHitAndNotifiesOnce) {
  TEditorFountain f;
  int notified = 0;
  f.NotifyEventList().Add(&notified, [&](TObject* sender) {
    EXPECT_EQ(sender, &f);
    ++notified;
  });
  f.SetAllColor(clRed);
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(f.Colors().Ank().Color(), clRed);
  EXPECT_EQ(f.Colors().Reserve().Color(), clRed);
  EXPECT_EQ(f.Reserve().Color(), clRed);
  EXPECT_EQ(f.Colors().Select().Color(), clWhite);
  EXPECT_EQ(f.Colors().Select().BkColor(), clNavy);
  EXPECT_EQ(f.Colors().Hit().Color(), clNone);
  f.SetAllStyle(fsItalic);
  EXPECT_EQ(notified, 2);
  EXPECT_TRUE(f.HasItalic());
  TEditorFountain g;
  EXPECT_FALSE(g.HasItalic());
  g.Brackets().Add().ItemColor().SetStyle(fsItalic);
  EXPECT_TRUE(g.HasItalic());
  // Copying a whole colour set is one notification too.
  TEditorFountain h;
  h.Colors().Comment().SetColor(clBlue);
  f.Colors().Assign(h.Colors());
  EXPECT_EQ(notified, 3);
  EXPECT_EQ(f.Colors().Comment().Color(), clBlue);
  EXPECT_EQ(f.Colors().Ank().Color(), clNone);
  f.NotifyEventList().Remove(&notified);
  f.SetCommenter("x");
  EXPECT_EQ(notified, 3);
}

}  // namespace
}  // namespace glean
