// Message texts are shown to users as they stand, so they are compared byte for byte.
#include "base/errors.h"

#include <gtest/gtest.h>

namespace glean {
namespace {

TEST(Errors, MessageTextsAreExactShiftJis) {
  EXPECT_EQ(EListError(7).Message(),
            "\xD8\xBD\xC4\x82\xCC\xB2\xDD\xC3\xDE\xAF\xB8\xBD\x82\xAA\x94\xCD\x88\xCD\x82\xF0"
            "\x92\xB4\x82\xA6\x82\xC4\x82\xA2\x82\xDC\x82\xB7 (7)");
  EXPECT_EQ(EOSError(5, "Access denied.").Message(),
            "Win32 \xB4\xD7\xB0\x81\x42\xBA\xB0\xC4\xDE: 5.\nAccess denied.");
  EXPECT_EQ(EOSError().Message(),
            "Win32 API \x8C\xC4\x82\xD1\x8F\x6F\x82\xB5\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC"
            "\x82\xB5\x82\xBD");
  EXPECT_EQ(EAssertionFailed("ProcessMemMgr.FreeMem: unknown pointer", "uProcessMemMgr", 42)
                .Message(),
            "ProcessMemMgr.FreeMem: unknown pointer (uProcessMemMgr, 42 \x8D\x73)");
}

TEST(Errors, ListErrorKeepsNegativeAndLargeIndexes) {
  EXPECT_EQ(EListError(-1).Index(), -1);
  EXPECT_NE(EListError(-1).Message().find("(-1)"), std::string::npos);
  EXPECT_NE(EListError(100000).Message().find("(100000)"), std::string::npos);
}

TEST(Errors, OSErrorKeepsItsCode) {
  EOSError e(1400, "x");
  EXPECT_EQ(e.Code(), 1400u);
  EXPECT_EQ(EOSError().Code(), 0u);
}

TEST(Errors, AssertMacroRaisesWithLineAndSource) {
  try {
    GLEAN_ASSERT(1 + 1 == 3, "sum", "uTest");
    FAIL() << "no exception";
  } catch (const EAssertionFailed& e) {
    std::string expected = Format("sum (uTest, %d \x8D\x73)", __LINE__ - 3);
    EXPECT_EQ(e.Message(), expected);
  }
  EXPECT_NO_THROW(GLEAN_ASSERT(true, "never", "uTest"));
}

TEST(Errors, AllAreGleanExceptions) {
  EXPECT_THROW(throw EFOpenError("a.txt"), Exception);
  EXPECT_THROW(throw EProcessMemMgr("x"), Exception);
  EXPECT_NE(std::string(EFCreateError("c:\\x.txt").what()).find("c:\\x.txt"), std::string::npos);
}

}  // namespace
}  // namespace glean
