#include "main/model/save_name.h"

#include <gtest/gtest.h>

namespace glean {
namespace {

TEST(SaveName, ReplacesWhatAFileNameCannotHold) {
  // The list view's captions begin with a blank; the combo box's do not.
  EXPECT_EQ(ProposedSaveName(" a:b/c?"), "_a_b_c_.txt");
  EXPECT_EQ(ProposedSaveName("a:b/c?"), "a_b_c_.txt");
  EXPECT_EQ(SafeFileName("\"q\" <t> x|y;z\\w,v*"), "'q'_[t]_x_y_z_w_v_");
  EXPECT_EQ(ProposedSaveName(""), ".txt");
}

TEST(SaveName, KeepsDoubleByteCharactersWhole) {
  // "ソ" and "表" end in the byte of "\", "ポ" in that of "|".
  const std::string name = "ソ表ポ\\|";
  EXPECT_EQ(SafeFileName(name), "ソ表ポ__");
  EXPECT_EQ(SafeFileName("メモ帳 - 無題"), "メモ帳_-_無題");
  // A lead byte cut off at the end stays as it came.
  EXPECT_EQ(SafeFileName(std::string("a\x83")), std::string("a\x83"));
}

}  // namespace
}  // namespace glean
