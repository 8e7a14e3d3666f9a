#include "base/strings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "base/errors.h"

namespace glean {
namespace {

struct EventLog {
  std::string log;
  void Attach(TStringList& list) {
    list.OnChanging = [this](TObject*) { log += "<"; };
    list.OnChange = [this](TObject*) { log += ">"; };
  }
};

TEST(StringList, EachEditFiresChangingThenChanged) {
  TStringList list;
  EventLog ev;
  ev.Attach(list);
  list.Add("a");
  list.Insert(0, "b");
  list.Put(1, "c");
  list.Exchange(0, 1);
  list.Delete(0);
  EXPECT_EQ(ev.log, "<><><><><>");
  list.Clear();
  EXPECT_EQ(ev.log, "<><><><><><>");
  list.Clear();  // empty: nothing happens
  EXPECT_EQ(ev.log, "<><><><><><>");
}

TEST(StringList, NoEventsInsideNestedUpdate) {
  TStringList list;
  EventLog ev;
  ev.Attach(list);
  list.BeginUpdate();
  EXPECT_EQ(ev.log, "<");
  list.BeginUpdate();
  list.Add("x");
  list.Insert(0, "y");
  list.Put(0, "z");
  list.Delete(1);
  list.EndUpdate();
  EXPECT_EQ(ev.log, "<");
  list.Clear();
  list.EndUpdate();
  EXPECT_EQ(ev.log, "<>");
  list.EndUpdate();  // unbalanced extra end is ignored
  EXPECT_EQ(ev.log, "<>");
}

TEST(StringList, IndexChecksNameTheBadIndex) {
  TStringList list;
  list.Add("a");
  list.Add("b");
  EXPECT_NO_THROW(list.Insert(2, "c"));  // Insert(Count) appends
  auto indexOf = [](auto&& f) {
    try {
      f();
    } catch (const EListError& e) {
      return e.Index();
    }
    return -999;
  };
  EXPECT_EQ(indexOf([&] { list.Insert(4, "d"); }), 4);
  EXPECT_EQ(indexOf([&] { list.Get(3); }), 3);
  EXPECT_EQ(indexOf([&] { list.Get(-1); }), -1);
  EXPECT_EQ(indexOf([&] { list.Put(3, "x"); }), 3);
  EXPECT_EQ(indexOf([&] { list.Delete(3); }), 3);
  EXPECT_EQ(indexOf([&] { list.Exchange(0, 3); }), 3);
  EXPECT_EQ(indexOf([&] { list.Exchange(5, 3); }), 5);
  EXPECT_EQ(list.GetText(), "a\r\nb\r\nc\r\n");  // nothing changed by the failures
}

TEST(StringList, TextSplitsAtEveryLineEnd) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd\r\n");
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"a", "b", "c", "d"}));
  list.SetText("a\r\n\r\nb");
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"a", "", "b"}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
  list.SetText("\r\n");
  EXPECT_EQ(list.Items(), (std::vector<std::string>{""}));
  list.SetText("\x83\x5C\r\n\x95\x5C");  // trail bytes 0x5C are not special
  EXPECT_EQ(list.GetText(), "\x83\x5C\r\n\x95\x5C\r\n");
}

TEST(StringList, SetTextIsOneChange) {
  TStringList list;
  EventLog ev;
  ev.Attach(list);
  list.SetText("a\nb\nc");
  EXPECT_EQ(ev.log, "<>");
}

TEST(StringList, AssignAndIndexOf) {
  TStringList a, b;
  a.SetText("x\ny\n");
  b.Add("old");
  b.Assign(a);
  EXPECT_EQ(b.Items(), a.Items());
  EXPECT_EQ(b.IndexOf("y"), 1);
  EXPECT_EQ(b.IndexOf("z"), -1);
}

TEST(StringList, SaveAndLoadKeepBytes) {
  auto path = (std::filesystem::temp_directory_path() / "glean_strings_test.txt").string();
  TStringList list;
  list.SetText("\x82\xA0\r\nb");
  list.SaveToFile(path);
  EXPECT_EQ(ReadFileBytes(path), "\x82\xA0\r\nb\r\n");
  TStringList back;
  back.LoadFromFile(path);
  EXPECT_EQ(back.Items(), list.Items());
  std::remove(path.c_str());
  EXPECT_THROW(back.LoadFromFile(path), EFOpenError);
  EXPECT_THROW(list.SaveToFile((std::filesystem::temp_directory_path() / "no-such-dir" / "x").string()),
               EFCreateError);
}

}  // namespace
}  // namespace glean
