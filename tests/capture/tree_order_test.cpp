// The walk's bounds on trees built in memory: the depth and object limits with their cut,
// an object listed again on its own path, invisible subtrees, and the order.
#include "capture/accessible/core/tree_order.h"

#include <gtest/gtest.h>

namespace glean::capture::accessible {
namespace {

struct Node {
  std::string name;
  uint32_t state = 0;
  std::vector<Node*> kids = {};
};

class FakeObject : public TreeObject {
 public:
  explicit FakeObject(Node* n) : n_(n) {}
  void ReadRoleAndState(ObjectFacts& f) override { f.state = n_->state; }
  void ReadNameAndValue(ObjectFacts& f) override { f.name = n_->name; }
  std::vector<std::unique_ptr<TreeObject>> Children(int most) override {
    std::vector<std::unique_ptr<TreeObject>> out;
    for (Node* k : n_->kids)
      if (static_cast<int>(out.size()) < most) out.push_back(std::make_unique<FakeObject>(k));
    return out;
  }
  const void* Identity() const override { return n_; }

 private:
  Node* n_;
};

struct Recorder : WalkOutput {
  bool Stopped() const override { return false; }
  void AddLine(std::string line, const std::vector<int>& path) override {
    lines.push_back(std::move(line));
    paths.push_back(path);
  }
  void MarkCut() override { cut = true; }
  std::vector<std::string> lines;
  std::vector<std::vector<int>> paths;
  bool cut = false;
};

TEST(TreeOrder, DepthAndObjectLimitsCutTheTree) {
  std::vector<Node> chain(100);
  for (size_t i = 0; i < chain.size(); ++i) {
    chain[i].name = "level " + std::to_string(i);
    if (i + 1 < chain.size()) chain[i].kids.push_back(&chain[i + 1]);
  }
  Recorder deep;
  FakeObject top(&chain[0]);
  EXPECT_EQ(WalkObjects(top, deep, true), kMaxDepth);
  EXPECT_EQ(deep.lines.back(), "level 63");
  EXPECT_TRUE(deep.cut);

  std::vector<Node> wide(12000);
  Node root{"root"};
  for (size_t i = 0; i < wide.size(); ++i) root.kids.push_back(&(wide[i] = Node{"item " + std::to_string(i)}));
  Recorder many;
  FakeObject all(&root);
  EXPECT_EQ(WalkObjects(all, many, true), kMaxObjects);
  EXPECT_EQ(many.lines.size(), static_cast<size_t>(kMaxObjects));
  EXPECT_EQ(many.lines.back(), "item 9998");
  EXPECT_TRUE(many.cut);
  root.kids.resize(kMaxObjects - 1);  // exactly the limit: nothing is cut
  Recorder fits;
  EXPECT_EQ(WalkObjects(all, fits, true), kMaxObjects);
  EXPECT_FALSE(fits.cut);
}

TEST(TreeOrder, OwnPathIsNotEnteredAgainAndInvisibleSubtreesAreSkipped) {
  Node root{"root"}, a{"a"}, b{"b"}, hidden{"hidden", state::kInvisible}, inside{"in\r\nside"};
  hidden.kids = {&inside};
  a.kids = {&root, &a, &b, &hidden};  // its ancestor and itself: a broken tree
  root.kids = {&a, &b};               // b twice, but never on its own path
  Recorder out;
  FakeObject top(&root);
  EXPECT_EQ(WalkObjects(top, out, true), 5);  // root, a, b, hidden, b
  // The second b repeats the line just written and adds none. Each line knows its
  // object's child indexes, the ones passed over counted.
  EXPECT_EQ(out.lines, (std::vector<std::string>{"root", "a", "b"}));
  EXPECT_EQ(out.paths, (std::vector<std::vector<int>>{{}, {0}, {0, 2}}));
  EXPECT_FALSE(out.cut);
  Recorder all;
  WalkObjects(top, all, false);
  EXPECT_EQ(all.lines, (std::vector<std::string>{"root", "a", "b", "hidden", "in side", "b"}));
}

// A walk abandoned while it waits on one call makes no further call into the tree.
TEST(TreeOrder, AnAbandonedWalkAsksTheTreeNothingMore) {
  struct Counted : FakeObject {
    Counted(Node* n, int& calls) : FakeObject(n), calls_(calls) {}
    void ReadRoleAndState(ObjectFacts& f) override { ++calls_, FakeObject::ReadRoleAndState(f); }
    void ReadNameAndValue(ObjectFacts& f) override { ++calls_, FakeObject::ReadNameAndValue(f); }
    std::vector<std::unique_ptr<TreeObject>> Children(int most) override {
      ++calls_;
      std::vector<std::unique_ptr<TreeObject>> kids;
      for (auto& k : FakeObject::Children(most))
        kids.push_back(std::make_unique<Counted>(static_cast<Node*>(const_cast<void*>(k->Identity())), calls_));
      return kids;
    }
    int& calls_;
  };
  struct GivesUp : Recorder {
    bool Stopped() const override { return calls >= stopAt; }
    int calls = 0, stopAt = 0;
  };
  Node a{"a"}, b{"b"}, root{"root", 0, {&a, &b}};
  for (int stopAt = 1; stopAt <= 7; ++stopAt) {
    GivesUp out;
    out.stopAt = stopAt;
    Counted top(&root, out.calls);
    WalkObjects(top, out, true);
    EXPECT_EQ(out.calls, stopAt) << "a call after the walk was given up";
  }
}

}  // namespace
}  // namespace glean::capture::accessible
