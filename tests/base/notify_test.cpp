#include "base/notify.h"

#include <gtest/gtest.h>

namespace glean {
namespace {

TEST(NotifyPersistent, ChangedFiresOnlyOutsideUpdates) {
  TNotifyPersistent p;
  int fired = 0;
  TObject* sender = nullptr;
  p.OnChange = [&](TObject* s) {
    ++fired;
    sender = s;
  };
  p.Changed();
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(sender, &p);
  p.BeginUpdate();
  p.BeginUpdate();
  p.Changed();
  p.EndUpdate();  // still one open
  EXPECT_EQ(fired, 1);
  p.EndUpdate();  // the outermost end fires once
  EXPECT_EQ(fired, 2);
}

TEST(NotifyPersistent, ChangedProcIgnoresItsOwnChanges) {
  TNotifyPersistent p, other;
  int fired = 0;
  p.OnChange = [&](TObject*) { ++fired; };
  p.ChangedProc(&p);
  EXPECT_EQ(fired, 0);
  p.ChangedProc(&other);
  EXPECT_EQ(fired, 1);
}

}  // namespace
}  // namespace glean
