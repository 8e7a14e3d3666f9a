// How the objects of another program's accessibility tree become lines: at most one line
// per object, a note for interactive roles, and nothing for what repeats. Portable: the
// walker hands over what it read, already in code page 932.
#pragma once

#include <cstdint>
#include <string>

namespace glean::capture::accessible {

// The system's role and state numbers (oleacc.h) the rules look at.
namespace role {
inline constexpr uint32_t kMenuItem = 0x0C;
inline constexpr uint32_t kLink = 0x1E;
inline constexpr uint32_t kListItem = 0x22;
inline constexpr uint32_t kPageTab = 0x25;
inline constexpr uint32_t kGraphic = 0x28;
inline constexpr uint32_t kStaticText = 0x29;
inline constexpr uint32_t kText = 0x2A;
inline constexpr uint32_t kPushButton = 0x2B;
inline constexpr uint32_t kCheckButton = 0x2C;
inline constexpr uint32_t kRadioButton = 0x2D;
inline constexpr uint32_t kComboBox = 0x2E;
}  // namespace role
namespace state {
inline constexpr uint32_t kChecked = 0x10;
inline constexpr uint32_t kReadOnly = 0x40;
inline constexpr uint32_t kInvisible = 0x8000;
}  // namespace state

// A walk reads at most this deep and this many objects per window.
inline constexpr int kMaxDepth = 64;
inline constexpr int kMaxObjects = 10000;

struct ObjectFacts {
  std::string name, value;  // code page 932
  uint32_t role = 0;
  uint32_t state = 0;
  bool hasChildren = false;
};

// The line of one object, or empty when it gives none.
std::string LineOf(const ObjectFacts& object);

// The lines of one tree in walk order, with the repeat rules.
class TreeLines {
 public:
  // The line `object` adds below a parent named `parentName`, or empty when it adds
  // nothing (no text, a text leaf repeating its parent, or the line just written).
  std::string Next(const ObjectFacts& object, const std::string& parentName);

 private:
  std::string last_;
};

}  // namespace glean::capture::accessible
