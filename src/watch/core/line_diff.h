// Which lines of a new capture are the previous capture's lines: the longest common
// subsequence of the two, on line hashes. The common prefix and suffix are taken off
// first (one pass); the rest goes through the greedy shortest-edit search, whose cost
// grows with the lines plus the square of the differences. The search has a budget in
// proportion to the lines: past it, the part between prefix and suffix counts as
// changed whole, so two captures with nothing in common cost little more than hashing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glean::watch {

struct LineDiff {
  std::vector<int> OldToNew;  // per previous line: its line in the new capture, or -1
  std::vector<int> NewToOld;  // per new line: the previous line it is, or -1
  bool CapReached = false;    // the budget ran out; the middle counts as changed
  std::vector<uint64_t> OldHashes, NewHashes;  // the lines' hashes, for telling moved lines
};

std::vector<uint64_t> HashLines(const std::vector<std::string>& lines);

LineDiff DiffLines(std::vector<uint64_t> before, std::vector<uint64_t> after);

inline LineDiff DiffLines(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  return DiffLines(HashLines(before), HashLines(after));
}

// The search's budget for inputs of `lines` lines in all (differing part only).
int64_t DiffBudget(int64_t lines);

}  // namespace glean::watch
