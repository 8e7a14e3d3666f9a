#include "capture/accessible/core/tree_order.h"

#include <algorithm>

namespace glean::capture::accessible {

namespace {
class Walk {
 public:
  Walk(WalkOutput& out, bool skipInvisible) : out_(out), skipInvisible_(skipInvisible) {}

  int Run(TreeObject& root) {
    if (const void* id = root.Identity()) path_.push_back(id);
    Visit(root, 0, std::string());
    return objects_;
  }

 private:
  void Visit(TreeObject& object, int depth, const std::string& parentName) {
    if (out_.Stopped()) return;
    ++objects_;
    ObjectFacts facts;
    // A walk given up on asks the tree nothing more from its next step on.
    object.ReadRoleAndState(facts);
    if (out_.Stopped() || (skipInvisible_ && (facts.state & state::kInvisible))) return;
    object.ReadNameAndValue(facts);
    if (out_.Stopped()) return;
    // One more than the limit allows, to tell a cut tree from one that just fits.
    std::vector<std::unique_ptr<TreeObject>> kids = object.Children(kMaxObjects - objects_ + 1);
    facts.hasChildren = !kids.empty();
    if (std::string line = lines_.Next(facts, parentName); !line.empty() && !out_.Stopped())
      out_.AddLine(std::move(line), indexes_);
    if (kids.empty()) return;
    if (depth + 1 >= kMaxDepth) {
      out_.MarkCut();
      return;
    }
    for (size_t k = 0; k < kids.size(); ++k) {
      auto& kid = kids[k];
      if (out_.Stopped()) return;
      if (objects_ >= kMaxObjects) {
        out_.MarkCut();
        return;
      }
      const void* id = kid->Identity();
      if (id && std::find(path_.begin(), path_.end(), id) != path_.end()) continue;
      if (id) path_.push_back(id);
      indexes_.push_back(static_cast<int>(k));
      Visit(*kid, depth + 1, facts.name);
      indexes_.pop_back();
      if (id) path_.pop_back();
    }
  }

  WalkOutput& out_;
  bool skipInvisible_;
  int objects_ = 0;
  TreeLines lines_;
  std::vector<const void*> path_;  // the objects being read, root first
  std::vector<int> indexes_;       // their child indexes, below the root
};
}  // namespace

int WalkObjects(TreeObject& root, WalkOutput& out, bool skipInvisible) {
  return Walk(out, skipInvisible).Run(root);
}

}  // namespace glean::capture::accessible
