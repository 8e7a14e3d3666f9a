// The watch's portable rules: the diff and what it makes of the user's place, the change
// that is said, its merging over a second, and when to read again.
#include <gtest/gtest.h>

#include <sstream>

#include "watch/core/changes.h"
#include "watch/core/line_diff.h"
#include "watch/core/place_map.h"
#include "watch/core/read_schedule.h"

namespace glean::watch {
namespace {

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line, '|');) lines.push_back(line);
  return lines;
}

std::string Join(const std::vector<std::string>& lines, const std::vector<int>& which) {
  std::string s;
  for (int i : which) s += (s.empty() ? "" : "|") + lines[size_t(i)];
  return s;
}

// Before, after, the change said, and a caret (line, byte) with where it lands.
struct DiffCase {
  const char* before;
  const char* after;
  const char* changed;
  TextPlace caret;
  TextPlace landed;
};

TEST(WatchDiff, ChangesAndCaretsThroughTheDiff) {
  const DiffCase cases[] = {
      // Lines added above: the caret stays on its line, wherever that went.
      {"∇ ﾘｽﾄ項目 ∇|a|b|c", "∇ ﾘｽﾄ項目 ∇|新1|新2|a|b|c", "新1|新2", {2, 1}, {4, 1}},
      // A changed status line keeps the caret, at its column where the line still has it.
      {"x|進行 50%|y", "x|進行 51%|y", "進行 51%", {1, 7}, {1, 7}},
      {"x|進行 100%|y", "x|完了|y", "完了", {1, 9}, {1, 4}},
      // Never inside a double-byte character.
      {"x|abcdef|y", "x|あい|y", "あい", {1, 3}, {1, 2}},
      // A removed line gives the next line that remains; past the last, the last.
      {"a|b|c|d", "a|d", "", {1, 0}, {1, 0}},
      {"a|b|c", "a", "", {2, 0}, {0, 0}},
      // Appended log lines; header and empty lines are no change.
      {"log1|log2", "log1|log2||∇ ｴﾃﾞｨｯﾄﾃｷｽﾄ ∇|log3", "log3", {1, 2}, {1, 2}},
      // A line that only moved is no change; the one that is new is.
      {"a|b|c|d", "c|a|b|d|e", "e", {3, 0}, {3, 0}},
      // Repeated lines pair up in order.
      {"-|x|-|y|-", "-|x|-|z|-|y|-", "z|-", {3, 0}, {5, 0}},
      {"", "a|b", "a|b", {0, 0}, {1, 0}},
  };
  for (const DiffCase& c : cases) {
    SCOPED_TRACE(std::string(c.before) + " -> " + c.after);
    const auto before = Split(c.before), after = Split(c.after);
    const LineDiff diff = DiffLines(before, after);
    EXPECT_FALSE(diff.CapReached);
    // The kept lines are equal, in order, and both directions agree.
    int last = -1;
    for (size_t i = 0; i < before.size(); ++i) {
      const int j = diff.OldToNew[i];
      if (j < 0) continue;
      EXPECT_EQ(before[i], after[size_t(j)]);
      EXPECT_GT(j, last);
      EXPECT_EQ(diff.NewToOld[size_t(j)], static_cast<int>(i));
      last = j;
    }
    EXPECT_EQ(Join(after, ChangedLines(diff, before, after)), c.changed);
    if (!after.empty()) {
      EXPECT_EQ(MapPlace(diff, after, c.caret), c.landed);
    }
  }
}

TEST(WatchDiff, LongestCommonSubsequenceOnScatteredChangesAndTheCap) {
  std::vector<std::string> before, after;
  for (int i = 0; i < 20000; ++i) before.push_back("行 " + std::to_string(i));
  after = before;
  for (int i = 1000; i < 20000; i += 2000) after[size_t(i)] += " 変更";
  after.insert(after.begin() + 5000, "挿入");
  const LineDiff diff = DiffLines(before, after);
  ASSERT_FALSE(diff.CapReached);
  EXPECT_EQ(std::count(diff.NewToOld.begin(), diff.NewToOld.end(), -1), 11);
  EXPECT_EQ(std::count(diff.OldToNew.begin(), diff.OldToNew.end(), -1), 10);

  // Nothing in common: the budget runs out and everything between counts as changed.
  std::vector<std::string> other;
  for (int i = 0; i < 20000; ++i) other.push_back("別 " + std::to_string(i));
  const LineDiff apart = DiffLines(before, other);
  EXPECT_TRUE(apart.CapReached);
  EXPECT_EQ(ChangedLines(apart, before, other).size(), other.size());
  EXPECT_EQ(MapLine(apart, 10), 10);  // a replaced run: same position
}

TEST(WatchDiff, OffsetsCountCrLfBetweenLines) {
  const LineOffsets offsets({"ab", "あい", ""});
  EXPECT_EQ(offsets.OffsetOf({1, 2}), 6);
  EXPECT_EQ(offsets.PlaceOf(6), (TextPlace{1, 2}));
  EXPECT_EQ(offsets.PlaceOf(3), (TextPlace{0, 2}));  // between CR and LF: the line's end
  EXPECT_EQ(offsets.PlaceOf(10), (TextPlace{2, 0}));
  EXPECT_EQ(offsets.OffsetOf({7, 0}), 10);
  // A multi-line edit's text is one item of the capture and several lines of the pane.
  EXPECT_EQ(PaneLines({"a", "ログ 0\r\nログ 1", "", "b\r\n", "c\rd\ne"}),
            (std::vector<std::string>{"a", "ログ 0", "ログ 1", "", "b", "", "c", "d", "e"}));
}

TEST(WatchSpeech, FirstThreeLinesThenTheCount) {
  EXPECT_EQ(SpeechText({"a"}), "a");
  EXPECT_EQ(SpeechText({"a", "b", "c"}), "a。b。c");
  EXPECT_EQ(SpeechText({"a", "b", "c", "d", "e"}), "a。b。c。ほか2行");
}

TEST(WatchSpeech, ChangesWithinASecondAreMergedAndSaidAsTheyAreNow) {
  ChangeMerger merger;
  auto reread = [&](const std::vector<std::string>& before, const std::vector<std::string>& after, int64_t now) {
    const LineDiff diff = DiffLines(before, after);
    merger.Take(diff, ChangedLines(diff, before, after), now);
  };
  const auto v1 = Split("状態|50%|ログ1"), v2 = Split("状態|51%|ログ1"), v3 = Split("状態|52%|ログ1|ログ2");
  reread(v1, v2, 0);
  EXPECT_EQ(merger.DueAt(), 0);
  EXPECT_EQ(merger.Say(v2, 0), "51%");
  // Two changes within the next second: the progress line once, as it is now.
  reread(v2, Split("状態|53%|ログ1"), 200);
  reread(Split("状態|53%|ログ1"), v3, 400);
  EXPECT_EQ(merger.DueAt(), 1000);
  EXPECT_EQ(merger.Say(v3, 1000), "52%。ログ2");
  EXPECT_FALSE(merger.Pending());
  // A waiting line that goes again is not said; nothing left, nothing said.
  reread(v3, Split("状態|52%|ログ1|ログ2|ログ3"), 1500);
  reread(Split("状態|52%|ログ1|ログ2|ログ3"), v3, 1600);
  EXPECT_FALSE(merger.Pending());
  EXPECT_EQ(merger.Say(v3, 2500), "");
}

TEST(WatchSchedule, EventsPollsAndTheCostOfAReRead) {
  EXPECT_EQ(WatchInterval(0), 0);
  EXPECT_EQ(WatchInterval(100), 250);
  EXPECT_EQ(WatchInterval(-5), 1000);
  EXPECT_EQ(WatchInterval(3000), 3000);

  ReadSchedule s(1000, 0);
  EXPECT_EQ(s.Next(), 1000);  // the poll
  s.Event(600);
  s.Event(700);  // later events do not put it off
  EXPECT_EQ(s.Next(), 900);
  s.Started(900);
  EXPECT_EQ(s.Next(), std::nullopt);
  s.Event(950);  // during the re-read: one more after it
  s.Finished(920, false);
  EXPECT_EQ(s.Next(), 1400);  // 500 ms after the last start
  s.Started(1400);
  s.Finished(1600, false);  // 200 ms of work: nothing before 10 × 200 ms after its start
  EXPECT_EQ(s.Next(), 3400);
  s.Started(3400);
  s.Finished(5400, true);  // waited on a window that did not answer: no slowdown
  EXPECT_EQ(s.Next(), 4400);

  ReadSchedule eventsOnly(0, 0);
  EXPECT_EQ(eventsOnly.Next(), std::nullopt);
  eventsOnly.Event(10);
  EXPECT_EQ(eventsOnly.Next(), 500);
}

}  // namespace
}  // namespace glean::watch
