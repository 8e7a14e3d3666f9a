#include "main/core/hit_choice.h"

#include <algorithm>
#include <cstdio>

namespace glean {

namespace {
char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Keys compare as text without regard to letter case, the "=" before every other
// character: a number that is the start of another ("0.0001" of "0.00012") sorts first,
// so the smaller area wins, and equal areas fall to the index text ("10" before "9").
bool KeyBefore(const std::string& a, const std::string& b) {
  auto weight = [](char c) { return c == '=' ? -1 : static_cast<int>(static_cast<unsigned char>(Folded(c))); };
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [&](char x, char y) { return weight(x) < weight(y); });
}
}  // namespace

std::string HitRankKey(const HitBox& box, int index) {
  const double area = static_cast<double>(box.Right - box.Left) * static_cast<double>(box.Bottom - box.Top);
  char number[64];
  std::snprintf(number, sizeof number, "%.15g", area * 0.00001);
  return std::string(number) + "=" + std::to_string(index);
}

int ChooseHitBox(const std::vector<HitBox>& boxes, int x, int y, bool rankByArea) {
  std::vector<int> found;
  for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
    const HitBox& b = boxes[static_cast<size_t>(i)];
    if (b.Left <= x && x <= b.Right && b.Top <= y && y <= b.Bottom) found.push_back(i);
  }
  if (found.empty()) return -1;
  if (!rankByArea || found.size() < 2) return found.back();
  std::string best;
  int chosen = -1;
  for (int i : found) {
    std::string key = HitRankKey(boxes[static_cast<size_t>(i)], i);
    if (chosen < 0 || KeyBefore(key, best)) {
      best = std::move(key);
      chosen = i;
    }
  }
  return chosen;
}

}  // namespace glean
