// The managers for other processes, against a real second process: memory placed in it,
// strings read across its page ends, and nothing of it left behind.
#include <gtest/gtest.h>

#include <cstring>

#include "base/errors.h"
#include "procmem/remote_fixture.h"
#include "procmem/uProcessMemMgr.h"

namespace glean {
namespace {

using test::RegionState;
using test::RunningTarget;

std::vector<ProcessAddress> SegmentBases(const TForeignProcessMemMgr& m) {
  std::vector<ProcessAddress> bases;
  int last = -1;
  for (const auto& b : m.Blocks())
    if (b.Segment != last) bases.push_back(b.Address), last = b.Segment;
  return bases;
}

// What the target holds at `address`, read without the manager under test.
std::string PeekTarget(HANDLE process, ProcessAddress address, size_t n) {
  std::string s(n, '\0');
  SIZE_T got = 0;
  EXPECT_TRUE(ReadProcessMemory(process, reinterpret_cast<void*>(address), s.data(), n, &got));
  return s;
}

class ForeignManager : public ::testing::Test {
 protected:
  void SetUp() override {
    target = test::StartMemoryTarget();
    ASSERT_NE(target.window, nullptr);
    manager = CreateMemMgrForProcess(target.process.Id());
  }
  TForeignProcessMemMgr& Foreign() { return dynamic_cast<TForeignProcessMemMgr&>(*manager); }

  RunningTarget target;
  std::unique_ptr<TProcessMemMgr> manager;
};

TEST_F(ForeignManager, FactoryPicksTheNTManagerForAnotherProcessOrItsWindow) {
  EXPECT_NE(dynamic_cast<TWinNTProcessMemMgr*>(manager.get()), nullptr);
  EXPECT_FALSE(manager->IsWow64Process());
  EXPECT_FALSE(manager->Is32BitProcess());
  auto byWindow = CreateMemMgrForWindow(target.window);
  EXPECT_NE(dynamic_cast<TWinNTProcessMemMgr*>(byWindow.get()), nullptr);
}

TEST_F(ForeignManager, ReservesInTheTargetWritesAndReadsBack) {
  ProcessAddress a = manager->AllocMem(200);
  ProcessAddress b = manager->AllocMem(16);
  EXPECT_EQ(b, a + 200);
  EXPECT_EQ(RegionState(target.process.Handle(), a), static_cast<DWORD>(MEM_COMMIT));

  const char structure[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  manager->WriteBuffer(structure, b, sizeof structure);
  EXPECT_EQ(PeekTarget(target.process.Handle(), b, 8), std::string(structure, 8));
  char back[8] = {};
  manager->ReadBuffer(b, back, sizeof back);
  EXPECT_EQ(std::memcmp(back, structure, 8), 0);

  const std::string text = "\x83\x5C\x83\x74\x83\x67 item";  // "ソフト item", 2nd byte 0x5C
  manager->WriteString(text, a);
  EXPECT_EQ(PeekTarget(target.process.Handle(), a, text.size() + 1), text + '\0');
  EXPECT_EQ(manager->ReadString(a), text);
  EXPECT_EQ(manager->ReadString(0), "");
}

TEST_F(ForeignManager, ReadStringAcrossPageEnds) {
  ProcessAddress segment = manager->AllocMem(16384);
  ASSERT_EQ(segment % 4096, 0u);
  // 5000 bytes from 100 bytes before a page end: three page-wise reads.
  std::string longText(5000, 'L');
  longText[0] = 'A';
  longText[4999] = 'Z';
  manager->WriteString(longText, segment + 4096 - 100);
  EXPECT_EQ(manager->ReadString(segment + 4096 - 100), longText);
  // A string whose terminator is the first byte of the next page.
  manager->WriteString("page end", segment + 12288 - 8);
  EXPECT_EQ(manager->ReadString(segment + 12288 - 8), "page end");
}

// The first 64 KiB of every process are never mapped.
constexpr ProcessAddress kUnmapped = 0x1000;

TEST_F(ForeignManager, UnreadableMemoryRaisesTheOSError) {
  try {
    char b[4];
    manager->ReadBuffer(kUnmapped, b, sizeof b);
    FAIL() << "read of unmapped memory succeeded";
  } catch (const EOSError& e) {
    EXPECT_NE(e.Code(), 0u);
    EXPECT_EQ(e.Message().rfind("Win32 ｴﾗｰ。ｺｰﾄﾞ: ", 0), 0u) << e.Message();
  }
  EXPECT_THROW(manager->ReadString(kUnmapped), EOSError);
  EXPECT_THROW(manager->WriteString("x", kUnmapped), EOSError);
}

TEST_F(ForeignManager, StringRunningIntoAnUnreadablePageRaisesTheOSError) {
  test::GuardedPages pages(target.process.Handle());
  if (!pages.GuardHolds())
    GTEST_SKIP() << "this system reads a PAGE_NOACCESS page of another process without "
                    "error (Wine does)";
  std::string unterminated(100, 'u');
  manager->WriteBuffer(unterminated.data(), pages.UnreadablePage() - 100, 100);
  EXPECT_THROW(manager->ReadString(pages.UnreadablePage() - 100), EOSError);
  // Ending just before the guard is fine.
  manager->WriteString("ok", pages.UnreadablePage() - 3);
  EXPECT_EQ(manager->ReadString(pages.UnreadablePage() - 3), "ok");
}

TEST_F(ForeignManager, DestroyingTheManagerReleasesEverySegment) {
  manager->AllocMem(200);
  manager->AllocMem(20000);
  manager->AllocMem(16000);
  auto bases = SegmentBases(Foreign());
  ASSERT_EQ(bases.size(), 2u);
  EXPECT_EQ(dynamic_cast<TWinNTProcessMemMgr&>(*manager).SegmentCount(), 2u);
  manager.reset();
  for (ProcessAddress base : bases)
    EXPECT_EQ(RegionState(target.process.Handle(), base), static_cast<DWORD>(MEM_FREE));
}

TEST_F(ForeignManager, BlocksLeftInTheProcessStayThereAndAreCounted) {
  manager->AllocMem(200);
  manager->AllocMem(20000);
  auto bases = SegmentBases(Foreign());
  const LeftBlocks before = BlocksLeftInProcesses();
  manager->LeaveBlocksInProcess();
  manager.reset();
  for (ProcessAddress base : bases)
    EXPECT_EQ(RegionState(target.process.Handle(), base), static_cast<DWORD>(MEM_COMMIT));
  EXPECT_EQ(BlocksLeftInProcesses().Segments, before.Segments + 2);
  EXPECT_EQ(BlocksLeftInProcesses().Bytes, before.Bytes + 16384 + 20480);
}

TEST_F(ForeignManager, FailedReadStillReleasesEverything) {
  std::vector<ProcessAddress> bases;
  auto reader = [&] {
    auto m = CreateMemMgrForWindow(target.window);
    m->AllocMem(100);
    bases = SegmentBases(dynamic_cast<TForeignProcessMemMgr&>(*m));
    m->ReadString(kUnmapped);  // what a broken control might point at
  };
  EXPECT_THROW(reader(), EOSError);
  ASSERT_EQ(bases.size(), 1u);
  EXPECT_EQ(RegionState(target.process.Handle(), bases[0]), static_cast<DWORD>(MEM_FREE));
}

TEST(ForeignManagerOpen, ExitedProcessOrVanishedWindowRaisesTheOSError) {
  DWORD pid = 0;
  HWND window = nullptr;
  {
    RunningTarget t = test::StartMemoryTarget();
    pid = t.process.Id();
    window = t.window;
  }  // terminated, and our handle to it closed
  // The system may keep an ended process known for a moment (Wine does, for about 0.5 s).
  bool gone = test::WaitUntil([&] {
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (h) CloseHandle(h);
    return h == nullptr;
  });
  ASSERT_TRUE(gone) << "the ended process can still be opened";
  try {
    CreateMemMgrForProcess(pid);
    FAIL() << "an exited process was opened";
  } catch (const EOSError& e) {
    EXPECT_NE(e.Code(), 0u);
  }
  EXPECT_THROW(CreateMemMgrForWindow(window), EOSError);  // process id 0
}

TEST(ForeignManager32, ReadsA32BitProcess) {
  GLEAN_REQUIRE_32BIT();
  RunningTarget t = test::StartSampleApp32();
  ASSERT_NE(t.window, nullptr);
  auto m = CreateMemMgrForWindow(t.window);
  EXPECT_TRUE(m->IsWow64Process());
  EXPECT_TRUE(m->Is32BitProcess());
  ProcessAddress a = m->AllocMem(300);
  EXPECT_LT(a, ProcessAddress{1} << 32);  // the target must be able to hold the address
  m->WriteString("thirty-two", a);
  EXPECT_EQ(m->ReadString(a), "thirty-two");
  auto bases = SegmentBases(dynamic_cast<TForeignProcessMemMgr&>(*m));
  m.reset();
  EXPECT_EQ(RegionState(t.process.Handle(), bases[0]), static_cast<DWORD>(MEM_FREE));
}

// ---------------------------------------------------------------------------------------
// The Windows 9x manager, on this process: the shared segments are ordinary views here.

TEST(Win9xManager, SegmentsAreSharedViewsReleasedOnDestruction) {
  auto m = std::make_unique<TWin9xProcessMemMgr>(GetCurrentProcessId());
  ProcessAddress a = m->AllocMem(200);
  ProcessAddress big = m->AllocMem(20000);
  EXPECT_EQ(m->SegmentCount(), 2u);
  m->WriteString("nine-x", a + 7);
  EXPECT_STREQ(reinterpret_cast<const char*>(a + 7), "nine-x");  // the view is our memory
  EXPECT_EQ(m->ReadString(a + 7), "nine-x");
  std::vector<char> pattern(20000, 'p');
  m->WriteBuffer(pattern.data(), big, pattern.size());
  std::vector<char> back(20000);
  m->ReadBuffer(big, back.data(), back.size());
  EXPECT_EQ(back, pattern);
  auto blocks = m->Blocks();
  ASSERT_EQ(blocks.size(), 4u);
  EXPECT_EQ(blocks[3].Size, 480u);  // 20000 in a 20480-byte segment
  m.reset();
  EXPECT_EQ(RegionState(GetCurrentProcess(), a), static_cast<DWORD>(MEM_FREE));
  EXPECT_EQ(RegionState(GetCurrentProcess(), big), static_cast<DWORD>(MEM_FREE));
}

TEST(SharedMem, NamedMappingIsSharedAndKnowsWhoCreatedIt) {
  std::string name = "glean-test-shared-" + std::to_string(GetCurrentProcessId());
  TSharedMem first(name, 4096);
  EXPECT_TRUE(first.Created());
  EXPECT_EQ(first.Name(), name);
  EXPECT_EQ(first.Size(), 4096u);
  TSharedMem second(name, 4096);
  EXPECT_FALSE(second.Created());
  std::strcpy(static_cast<char*>(first.Buffer()), "seen by both");
  EXPECT_STREQ(static_cast<const char*>(second.Buffer()), "seen by both");
  TSharedMem unnamed("", 4096);
  EXPECT_TRUE(unnamed.Created());
  EXPECT_NE(unnamed.Buffer(), nullptr);
}

TEST(SharedMem, FailureNamesTheMappingAndTheCode) {
  std::string name = "glean-test-mutex-" + std::to_string(GetCurrentProcessId());
  HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());  // the name is taken
  ASSERT_NE(mutex, nullptr);
  try {
    TSharedMem clash(name, 4096);
    FAIL() << "a mapping was made under a mutex's name";
  } catch (const EOSError&) {
    FAIL() << "the shared memory error is a general error, not an OS error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Error creating shared memory " + name + " (6)");
  }
  CloseHandle(mutex);
}

}  // namespace
}  // namespace glean
