#include "watch/core/line_diff.h"

#include <algorithm>
#include <string_view>

namespace glean::watch {

namespace {
// Steps of the search per line of the differing part, and a floor for small inputs.
constexpr int64_t kBudgetPerLine = 8;
constexpr int64_t kBudgetFloor = 10000;

uint64_t Hash(std::string_view s) {
  // FNV-1a, 64 bits: fast on short lines, and collisions between two captures' lines are
  // far rarer than any change a user could notice.
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : s) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

// The greedy search over a[0..n) and b[0..m) (already without common ends). Fills the
// matches, offset by `base`; false when the budget ran out.
bool Search(const uint64_t* a, int n, const uint64_t* b, int m, int base, LineDiff& out) {
  const int64_t budget = DiffBudget(n + m);
  // Round d costs at least d steps, so the budget also bounds the rounds (and the room
  // the diagonals need).
  int64_t rounds = 1;
  while (rounds * rounds < 2 * budget) ++rounds;
  const int max = static_cast<int>(std::min<int64_t>(n + m, rounds));
  int64_t work = 0;
  // The furthest x on each diagonal k = x - y, kept per round for the way back.
  std::vector<std::vector<int>> trace;
  std::vector<int> v(2 * static_cast<size_t>(max) + 3, 0);
  const int offset = max + 1;
  int found = -1;
  for (int d = 0; d <= max && found < 0; ++d) {
    for (int k = -d; k <= d; k += 2) {
      int x;
      if (k == -d || (k != d && v[size_t(offset + k - 1)] < v[size_t(offset + k + 1)]))
        x = v[size_t(offset + k + 1)];
      else
        x = v[size_t(offset + k - 1)] + 1;
      int y = x - k;
      while (x < n && y < m && a[x] == b[y]) ++x, ++y, ++work;
      v[size_t(offset + k)] = x;
      ++work;
      if (x >= n && y >= m) {
        found = d;
        break;
      }
    }
    // The round's diagonals only: the way back needs nothing else.
    trace.emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
    if (work > budget && found < 0) return false;
  }
  if (found < 0) return false;
  // Back from the end, one round at a time, recording the diagonal runs as matches.
  int x = n, y = m;
  for (int d = found; d > 0; --d) {
    const std::vector<int>& prev = trace[size_t(d - 1)];
    auto at = [&](int k) { return prev[size_t(k + d - 1)]; };
    const int k = x - y;
    const bool down = k == -d || (k != d && at(k - 1) < at(k + 1));
    const int prevK = down ? k + 1 : k - 1;
    const int prevX = at(prevK);
    const int prevY = prevX - prevK;
    const int startX = down ? prevX : prevX + 1;
    while (x > startX) {
      --x, --y;
      out.OldToNew[size_t(base + x)] = base + y;
      out.NewToOld[size_t(base + y)] = base + x;
    }
    x = prevX, y = prevY;
  }
  while (x > 0 && y > 0) {
    --x, --y;
    out.OldToNew[size_t(base + x)] = base + y;
    out.NewToOld[size_t(base + y)] = base + x;
  }
  return true;
}
}  // namespace

int64_t DiffBudget(int64_t lines) { return kBudgetFloor + kBudgetPerLine * lines; }

std::vector<uint64_t> HashLines(const std::vector<std::string>& lines) {
  std::vector<uint64_t> hashes;
  hashes.reserve(lines.size());
  for (const std::string& line : lines) hashes.push_back(Hash(line));
  return hashes;
}

LineDiff DiffLines(std::vector<uint64_t> beforeHashes, std::vector<uint64_t> afterHashes) {
  LineDiff diff;
  diff.OldHashes = std::move(beforeHashes);
  diff.NewHashes = std::move(afterHashes);
  const std::vector<uint64_t>& before = diff.OldHashes;
  const std::vector<uint64_t>& after = diff.NewHashes;
  const int n = static_cast<int>(before.size()), m = static_cast<int>(after.size());
  diff.OldToNew.assign(before.size(), -1);
  diff.NewToOld.assign(after.size(), -1);
  int prefix = 0;
  while (prefix < n && prefix < m && before[size_t(prefix)] == after[size_t(prefix)]) {
    diff.OldToNew[size_t(prefix)] = prefix;
    diff.NewToOld[size_t(prefix)] = prefix;
    ++prefix;
  }
  int suffix = 0;
  while (suffix < n - prefix && suffix < m - prefix &&
         before[size_t(n - 1 - suffix)] == after[size_t(m - 1 - suffix)]) {
    diff.OldToNew[size_t(n - 1 - suffix)] = m - 1 - suffix;
    diff.NewToOld[size_t(m - 1 - suffix)] = n - 1 - suffix;
    ++suffix;
  }
  const int a = n - prefix - suffix, b = m - prefix - suffix;
  // The search writes its matches only once it has found the whole way.
  if (a > 0 && b > 0 && !Search(before.data() + prefix, a, after.data() + prefix, b, prefix, diff))
    diff.CapReached = true;
  return diff;
}

}  // namespace glean::watch
