// The order and bounds of a tree's walk, apart from how objects are asked: depth first in
// the order the tree gives, at most kMaxDepth levels and kMaxObjects objects, invisible
// subtrees skipped on request, and no object entered again on its own path.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "capture/accessible/core/accessible_lines.h"

namespace glean::capture::accessible {

// One object as the walk meets it: an object of its own, or a number of its parent.
class TreeObject {
 public:
  virtual ~TreeObject() = default;
  virtual void ReadRoleAndState(ObjectFacts& facts) = 0;
  virtual void ReadNameAndValue(ObjectFacts& facts) = 0;
  // At most `most` children, in the tree's order.
  virtual std::vector<std::unique_ptr<TreeObject>> Children(int most) = 0;
  // What tells this object from every other, or null for one that cannot hold itself.
  virtual const void* Identity() const = 0;
};

// Where the walk writes, and whether it is to stop.
class WalkOutput {
 public:
  virtual ~WalkOutput() = default;
  virtual bool Stopped() const = 0;
  // `path`: the object's child indexes from the root (empty for the root itself).
  virtual void AddLine(std::string line, const std::vector<int>& path) = 0;
  virtual void MarkCut() = 0;  // the tree holds more than the walk read
};

// Walks from `root`; answers the number of objects read.
int WalkObjects(TreeObject& root, WalkOutput& out, bool skipInvisible);

}  // namespace glean::capture::accessible
