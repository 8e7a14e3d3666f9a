#include "editor/model/string_list.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace glean {
namespace {

TEST(RowAttributeStringList, NewRowsAreUnparsedLineBreaksWithoutMarks) {
  TEditorStringList list;
  list.Add("a");
  list.Insert(0, "b");
  for (int r = 0; r < 2; ++r) {
    EXPECT_EQ(list.RowAttribute(r), TRowAttribute::LineBreak);
    EXPECT_EQ(list.BracketIndex(r), -2);
    EXPECT_EQ(list.RowMarks(r), 0);
    EXPECT_EQ(list.RowData(r), 0);
    EXPECT_EQ(list.RowString(r), "");
    EXPECT_EQ(list.ContinuedKind(r), TokenKind::End);
  }
  EXPECT_EQ(list.Get(0), "b");
  EXPECT_EQ(list.Get(1), "a");
}

TEST(RowAttributeStringList, FieldsPackIntoTheirOwnBits) {
  TEditorStringList list;
  list.Add("x");
  list.SetRowAttribute(0, TRowAttribute::EndOfText);
  list.SetPrevRowAttribute(0, TRowAttribute::Wrapped);
  list.SetBracketIndex(0, 13);
  list.SetStateSlot1(0, 0x1AB);  // truncated to 8 bits
  list.SetContinuedLength(0, 200);
  list.SetStateSlot2(0, 0x7F);
  list.SetContinuedKind(0, TokenKind::Url);
  list.SetStateSlot3(0, 0x55);
  list.SetRowMarks(0, 0x8421);
  EXPECT_EQ(list.AttributeWord1(0), 0x7FC8ABF6u);
  EXPECT_EQ(list.AttributeWord2(0), 0x84215515u);
  EXPECT_EQ(list.RowAttribute(0), TRowAttribute::EndOfText);
  EXPECT_EQ(list.PrevRowAttribute(0), TRowAttribute::Wrapped);
  EXPECT_EQ(list.BracketIndex(0), 13);
  EXPECT_EQ(list.StateSlot1(0), 0xAB);
  EXPECT_EQ(list.ContinuedLength(0), 200);
  EXPECT_EQ(list.ContinuedKind(0), TokenKind::Url);
  EXPECT_EQ(list.RowMarks(0), 0x8421);

  list.SetBracketIndex(0, -2);
  EXPECT_EQ((list.AttributeWord1(0) >> 4) & 15u, 0u);
  EXPECT_EQ(list.BracketIndex(0), -2);
  list.SetBracketIndex(0, -1);
  EXPECT_EQ(list.BracketIndex(0), -1);
  // Only bits 0-1 change when the row attribute is set.
  list.SetRowAttribute(0, TRowAttribute::Wrapped);
  EXPECT_EQ(list.PrevRowAttribute(0), TRowAttribute::Wrapped);
  EXPECT_EQ(list.ContinuedLength(0), 200);
}

TEST(RowAttributeStringList, PutKeepsAttributesAndExchangeSwapsEverything) {
  TEditorStringList list;
  list.Add("one");
  list.Add("two");
  list.SetRowMarks(0, 3);
  list.SetBracketIndex(0, 1);
  list.SetRowData(0, 42);
  list.SetRowString(0, "s");
  list.Put(0, "uno");
  EXPECT_EQ(list.Get(0), "uno");
  EXPECT_EQ(list.RowMarks(0), 3);
  EXPECT_EQ(list.BracketIndex(0), 1);
  list.Exchange(0, 1);
  EXPECT_EQ(list.Get(1), "uno");
  EXPECT_EQ(list.RowMarks(1), 3);
  EXPECT_EQ(list.BracketIndex(1), 1);
  EXPECT_EQ(list.RowData(1), 42);
  EXPECT_EQ(list.RowString(1), "s");
  EXPECT_EQ(list.RowMarks(0), 0);
  EXPECT_EQ(list.BracketIndex(0), -2);
}

TEST(RowAttributeStringList, StateTravelsWithItsRowThroughInsertAndDelete) {
  TEditorStringList list;
  for (int i = 0; i < 200; ++i) {
    list.Add(std::to_string(i));
    list.SetRowMarks(i, uint16_t(i));
  }
  list.Insert(50, "new");
  list.Delete(10);
  list.Insert(150, "other");
  list.Delete(0);
  ASSERT_EQ(list.Count(), 200);
  for (int r = 0; r < list.Count(); ++r) {
    const std::string& t = list.Ref(r);
    if (t == "new" || t == "other") {
      EXPECT_EQ(list.RowMarks(r), 0);
    } else {
      EXPECT_EQ(list.RowMarks(r), std::stoi(t)) << "row " << r;
    }
  }
}

TEST(RowAttributeStringList, BadIndexesRaiseTheListErrorAndChangeNothing) {
  TEditorStringList list;
  list.Add("a");
  list.Insert(1, "b");  // Insert(Count) appends
  EXPECT_EQ(list.Get(1), "b");
  try {
    list.Insert(3, "c");
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (3)");
  }
  try {
    list.Get(-1);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (-1)");
  }
  try {
    list.Exchange(0, 5);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Index(), 5);
  }
  EXPECT_THROW(list.RowMarks(2), EListError);
  EXPECT_THROW(list.SetRowAttribute(2, TRowAttribute::Wrapped), EListError);
  EXPECT_THROW(list.Delete(2), EListError);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Get(0), "a");
}

TEST(TheStringList, EventsFireAroundChangesAndOnceForAnUpdateBlock) {
  TEditorStringList list;
  std::string log;
  list.OnChanging = [&](TObject*) { log += '<'; };
  list.OnChange = [&](TObject*) { log += '>'; };
  list.Clear();  // empty: nothing
  EXPECT_EQ(log, "");
  list.Add("a");
  list.Put(0, "b");
  list.Exchange(0, 0);
  list.Delete(0);
  EXPECT_EQ(log, "<><><><>");
  log.clear();
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("x");
  list.Insert(0, "y");
  list.Put(0, "z");
  list.Delete(1);
  list.Clear();
  list.EndUpdate();
  EXPECT_EQ(log, "<");
  list.EndUpdate();
  EXPECT_EQ(log, "<>");
}

TEST(TheStringList, CapacityGrowsByTheRuleAndCanBeSetExactly) {
  TEditorStringList list;
  std::vector<int> seen;
  for (int i = 0; i < 200; ++i) {
    list.Add("");
    if (seen.empty() || seen.back() != list.Capacity()) seen.push_back(list.Capacity());
  }
  EXPECT_EQ(seen, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118, 147, 183, 228}));
  list.SetCapacity(500);
  EXPECT_EQ(list.Capacity(), 500);
  EXPECT_THROW(list.SetCapacity(10), EListError);
  list.Clear();
  EXPECT_EQ(list.Capacity(), 0);
}

}  // namespace
}  // namespace glean
