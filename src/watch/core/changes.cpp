#include "watch/core/changes.h"

#include <algorithm>
#include <unordered_map>

#include "watch/core/watch_texts.h"

namespace glean::watch {

namespace {
constexpr char kHeaderMark[] = "∇";
constexpr char kFullWidthSpace[] = "　";
constexpr size_t kSpokenLines = 3;

bool StartsWith(const std::string& s, std::string_view p) { return s.compare(0, p.size(), p) == 0; }
bool EndsWith(const std::string& s, std::string_view p) {
  return s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0;
}
}  // namespace

bool IsHeaderLine(const std::string& line) {
  const std::string_view mark(kHeaderMark);
  return line.size() > 2 * mark.size() && StartsWith(line, mark) && EndsWith(line, mark);
}

bool IsEmptyLine(const std::string& line) {
  const std::string_view wide(kFullWidthSpace);
  for (size_t i = 0; i < line.size();) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
    } else if (line.compare(i, wide.size(), wide) == 0) {
      i += wide.size();
    } else {
      return false;
    }
  }
  return true;
}

std::vector<int> ChangedLines(const LineDiff& diff, const std::vector<std::string>& before,
                              const std::vector<std::string>& after) {
  // Removed lines by hash (already made for the diff): hashing them again as text would
  // cost as much as the diff itself when little is left in common.
  std::unordered_map<uint64_t, int> removed;
  for (size_t i = 0; i < before.size(); ++i)
    if (diff.OldToNew[i] < 0) ++removed[diff.OldHashes[i]];
  std::vector<int> changed;
  for (size_t i = 0; i < after.size(); ++i) {
    if (diff.NewToOld[i] >= 0) continue;
    const std::string& line = after[i];
    if (IsHeaderLine(line) || IsEmptyLine(line)) continue;
    auto moved = removed.find(diff.NewHashes[i]);
    if (moved != removed.end() && moved->second > 0) {
      --moved->second;
      continue;
    }
    changed.push_back(static_cast<int>(i));
  }
  return changed;
}

std::string SpeechText(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size() && i < kSpokenLines; ++i) {
    if (i > 0) text += kSentenceEnd;
    text += lines[i];
  }
  if (lines.size() > kSpokenLines)
    text += kSentenceEnd + std::string(kMoreLinesStart) + std::to_string(lines.size() - kSpokenLines) + kMoreLinesEnd;
  return text;
}

void ChangeMerger::Take(const LineDiff& diff, const std::vector<int>& changed, int64_t now) {
  std::vector<int> lines;
  lines.reserve(lines_.size() + changed.size());
  for (int line : lines_)
    if (line >= 0 && line < static_cast<int>(diff.OldToNew.size()) && diff.OldToNew[size_t(line)] >= 0)
      lines.push_back(diff.OldToNew[size_t(line)]);
  lines.insert(lines.end(), changed.begin(), changed.end());
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  if (lines_.empty() && !lines.empty()) since_ = now;
  lines_ = std::move(lines);
}

int64_t ChangeMerger::DueAt() const { return std::max(since_, lastSpoken_ + kMinGapMs); }

std::string ChangeMerger::Say(const std::vector<std::string>& current, int64_t now) {
  std::vector<std::string> spoken;
  for (int line : lines_)
    if (line < static_cast<int>(current.size())) spoken.push_back(current[size_t(line)]);
  lines_.clear();
  if (spoken.empty()) return {};
  lastSpoken_ = now;
  return SpeechText(spoken);
}

}  // namespace glean::watch
