#include "win/unique_owner.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace glean::win {
namespace {

// Handles are small numbers; -1 stands for the kind's failure value, as
// INVALID_HANDLE_VALUE does for kernel handles.
std::vector<int> freed;

struct CountedTraits {
  using Handle = int;
  static bool Valid(int h) { return h != 0 && h != -1; }
  static void Free(int h) { freed.push_back(h); }
};
using Owner = UniqueOwner<CountedTraits>;

class UniqueOwnerTest : public ::testing::Test {
 protected:
  void SetUp() override { freed.clear(); }
};

TEST_F(UniqueOwnerTest, MovesHandOverAndEachHandleIsFreedOnce) {
  {
    Owner a(7);
    Owner b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), 7);
    Owner c(8);
    c = std::move(b);  // frees 8, takes 7
    EXPECT_EQ(freed, std::vector<int>{8});
    auto& self = c;
    c = std::move(self);
    EXPECT_EQ(c.Get(), 7);
    EXPECT_EQ(freed, std::vector<int>{8});
  }
  EXPECT_EQ(freed, (std::vector<int>{8, 7}));
}

TEST_F(UniqueOwnerTest, ResetReleaseAndPut) {
  Owner a(1);
  a.Reset(2);
  EXPECT_EQ(freed, std::vector<int>{1});
  EXPECT_EQ(a.Release(), 2);
  EXPECT_FALSE(a);
  a.Reset(3);
  *a.Put() = 4;  // an out-parameter: 3 goes first
  EXPECT_EQ(a.Get(), 4);
  a.Reset();
  EXPECT_EQ(freed, (std::vector<int>{1, 3, 4}));
}

TEST_F(UniqueOwnerTest, FailureValuesAreHeldAsNoneAndNeverFreed) {
  {
    Owner a(-1);
    EXPECT_FALSE(a);
    EXPECT_EQ(a.Get(), 0);
    Owner b(5);
    b.Reset(-1);
    EXPECT_FALSE(b);
  }
  EXPECT_EQ(freed, std::vector<int>{5});
}

}  // namespace
}  // namespace glean::win
