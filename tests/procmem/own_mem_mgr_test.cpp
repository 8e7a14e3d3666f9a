// The manager for this process's own controls: plain memory with the managers' interface.
#include <gtest/gtest.h>

#include <cstring>

#include "base/errors.h"
#include "procmem/uProcessMemMgr.h"

namespace glean {
namespace {

TEST(OwnManager, FactoryPicksItForOwnProcessAndOwnWindow) {
  EXPECT_NE(dynamic_cast<TOwnProcessMemMgr*>(CreateMemMgrForProcess(GetCurrentProcessId()).get()),
            nullptr);
  HWND own = CreateWindowA("STATIC", "own", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(own, nullptr);
  auto m = CreateMemMgrForWindow(own);
  DestroyWindow(own);
  EXPECT_NE(dynamic_cast<TOwnProcessMemMgr*>(m.get()), nullptr);
  EXPECT_FALSE(m->IsWow64Process());
}

TEST(OwnManager, BlocksAreZeroFilledAndCopiedPlainly) {
  TOwnProcessMemMgr m;
  ProcessAddress a = m.AllocMem(64);
  ProcessAddress b = m.AllocMem(64);
  EXPECT_NE(a, b);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(a), 64), std::string(64, '\0'));
  const int32_t rect[4] = {1, -2, 3, 4};
  m.WriteBuffer(rect, a, sizeof rect);
  int32_t back[4] = {};
  m.ReadBuffer(a, back, sizeof back);
  EXPECT_EQ(std::memcmp(back, rect, sizeof rect), 0);
  m.WriteString("\x83\x5C\x83\x74\x83\x67", b);
  EXPECT_EQ(m.ReadString(b), "\x83\x5C\x83\x74\x83\x67");
  EXPECT_EQ(m.ReadString(0), "");
  EXPECT_EQ(m.BlockCount(), 2u);
}

TEST(OwnManager, FreeMemReleasesOnlyItsOwnBlocks) {
  TOwnProcessMemMgr m;
  ProcessAddress a = m.AllocMem(10);
  m.AllocMem(0);
  char local = 0;
  EXPECT_THROW(m.FreeMem(reinterpret_cast<ProcessAddress>(&local)), EAssertionFailed);
  m.FreeMem(a);
  EXPECT_EQ(m.BlockCount(), 1u);
  EXPECT_THROW(m.FreeMem(a), EAssertionFailed);
}

TEST(OwnManager, ReadStringStopsAtThePageOfItsTerminator) {
  // The page after the string is unreadable: touching it would crash this test.
  char* pages = static_cast<char*>(VirtualAlloc(nullptr, 8192, MEM_COMMIT, PAGE_READWRITE));
  ASSERT_NE(pages, nullptr);
  DWORD old = 0;
  ASSERT_TRUE(VirtualProtect(pages + 4096, 4096, PAGE_NOACCESS, &old));
  std::memset(pages, 'o', 4095);
  pages[4095] = '\0';
  TOwnProcessMemMgr m;
  EXPECT_EQ(m.ReadString(reinterpret_cast<ProcessAddress>(pages + 100)), std::string(3995, 'o'));
  VirtualFree(pages, 0, MEM_RELEASE);
}

}  // namespace
}  // namespace glean
