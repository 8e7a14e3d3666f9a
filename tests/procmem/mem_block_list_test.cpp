// The block arithmetic of the foreign-process managers, on fake segments.
#include "procmem/mem_block_list.h"

#include <gtest/gtest.h>

#include <thread>

#include "base/errors.h"

namespace glean {
namespace {

// Hands out segments at made-up addresses, far apart, and records the requests.
class FakeSegments : public TMemBlockList {
 public:
  std::vector<uint32_t> requests;
  bool refuse = false;
  uint32_t shortBy = 0;  // a broken variant that reserves less than asked

 protected:
  MemSegment AddSegment(uint32_t minimum) override {
    if (refuse) throw Exception("no segment");
    requests.push_back(minimum);
    ProcessAddress base = 0x100000 * (requests.size());
    return MemSegment{base, SegmentSize(minimum) - shortBy};
  }
};

constexpr ProcessAddress kFirst = 0x100000;
constexpr ProcessAddress kSecond = 0x200000;

void ExpectBlock(const MemBlock& b, ProcessAddress address, uint32_t size, int segment, bool used) {
  EXPECT_EQ(b.Address, address);
  EXPECT_EQ(b.Size, size);
  EXPECT_EQ(b.Segment, segment);
  EXPECT_EQ(b.Used, used);
}

TEST(MemBlockList, SegmentSizes) {
  EXPECT_EQ(TMemBlockList::SegmentSize(0), 16384u);
  EXPECT_EQ(TMemBlockList::SegmentSize(16383), 16384u);
  EXPECT_EQ(TMemBlockList::SegmentSize(16384), 16384u);
  EXPECT_EQ(TMemBlockList::SegmentSize(16385), 20480u);
  EXPECT_EQ(TMemBlockList::SegmentSize(20000), 20480u);
  EXPECT_EQ(TMemBlockList::SegmentSize(0xFFFFF000u), 0xFFFFF000u);
  EXPECT_EQ(TMemBlockList::SegmentSize(0xFFFFF001u), 0u);  // would wrap to nothing
}

TEST(MemBlockList, FirstRequestAddsOneSegmentAndSplitsIt) {
  FakeSegments list;
  EXPECT_EQ(list.AllocMem(200), kFirst);
  ASSERT_EQ(list.requests, std::vector<uint32_t>{200});
  auto blocks = list.Blocks();
  ASSERT_EQ(blocks.size(), 2u);
  ExpectBlock(blocks[0], kFirst, 200, 0, true);
  ExpectBlock(blocks[1], kFirst + 200, 16384 - 200, 0, false);
}

TEST(MemBlockList, LargeRequestGetsARoundedSegmentOfItsOwn) {
  FakeSegments list;
  list.AllocMem(200);
  EXPECT_EQ(list.AllocMem(20000), kSecond);
  auto blocks = list.Blocks();
  ASSERT_EQ(blocks.size(), 4u);
  ExpectBlock(blocks[2], kSecond, 20000, 1, true);
  ExpectBlock(blocks[3], kSecond + 20000, 480, 1, false);
  EXPECT_EQ(list.SegmentCount(), 2);
}

TEST(MemBlockList, BlocksAreNeitherRoundedNorAligned) {
  FakeSegments list;
  EXPECT_EQ(list.AllocMem(255), kFirst);
  EXPECT_EQ(list.AllocMem(16), kFirst + 255);
  EXPECT_EQ(list.AllocMem(1), kFirst + 271);
  EXPECT_EQ(list.requests.size(), 1u);
}

TEST(MemBlockList, ExactFitLeavesNoEmptyRemainder) {
  FakeSegments list;
  list.AllocMem(16384);
  auto blocks = list.Blocks();
  ASSERT_EQ(blocks.size(), 1u);
  ExpectBlock(blocks[0], kFirst, 16384, 0, true);
  // The full segment cannot serve the next request, however small.
  EXPECT_EQ(list.AllocMem(1), kSecond);
}

TEST(MemBlockList, FirstFitTakesTheEarliestFreeBlockThatIsLargeEnough) {
  FakeSegments list;
  ProcessAddress a = list.AllocMem(100);
  list.AllocMem(10);
  ProcessAddress c = list.AllocMem(300);
  list.AllocMem(10);
  list.FreeMem(a);
  list.FreeMem(c);
  EXPECT_EQ(list.AllocMem(200), c);   // a's 100 bytes are too small
  EXPECT_EQ(list.AllocMem(50), a);    // first fit, not best fit
  EXPECT_EQ(list.AllocMem(100), c + 200);
}

TEST(MemBlockList, FreeingTheMiddleThenTheFirstMergesBoth) {
  FakeSegments list;
  ProcessAddress a = list.AllocMem(100), b = list.AllocMem(200), c = list.AllocMem(300);
  list.FreeMem(b);
  list.FreeMem(a);
  auto blocks = list.Blocks();
  ASSERT_EQ(blocks.size(), 3u);
  ExpectBlock(blocks[0], a, 300, 0, false);
  ExpectBlock(blocks[1], c, 300, 0, true);
  ExpectBlock(blocks[2], c + 300, 16384 - 600, 0, false);
}

TEST(MemBlockList, FreeingTheFirstThenTheMiddleKeepsThemApart) {
  FakeSegments list;
  ProcessAddress a = list.AllocMem(100), b = list.AllocMem(200), c = list.AllocMem(300);
  list.FreeMem(a);
  list.FreeMem(b);
  auto blocks = list.Blocks();
  ASSERT_EQ(blocks.size(), 4u);
  ExpectBlock(blocks[0], a, 100, 0, false);
  ExpectBlock(blocks[1], b, 200, 0, false);
  ExpectBlock(blocks[2], c, 300, 0, true);
  ExpectBlock(blocks[3], c + 300, 16384 - 600, 0, false);
}

TEST(MemBlockList, FreeingTheLastBlockOfASegmentDoesNotReachIntoTheNext) {
  FakeSegments list;
  ProcessAddress a = list.AllocMem(16384);
  ProcessAddress b = list.AllocMem(100);
  list.FreeMem(a);
  auto blocks = list.Blocks();
  ASSERT_EQ(blocks.size(), 3u);
  ExpectBlock(blocks[0], a, 16384, 0, false);
  ExpectBlock(blocks[1], b, 100, 1, true);
  list.FreeMem(b);  // absorbs its own segment's remainder only
  blocks = list.Blocks();
  ASSERT_EQ(blocks.size(), 2u);
  ExpectBlock(blocks[1], b, 16384, 1, false);
}

TEST(MemBlockList, UnknownOrTwiceFreedAddressesFailTheAssertion) {
  FakeSegments list;
  ProcessAddress a = list.AllocMem(100);
  try {
    list.FreeMem(a + 1);
    FAIL() << "no assertion";
  } catch (const EAssertionFailed& e) {
    EXPECT_NE(e.Message().find("ProcessMemMgr.FreeMem: unknown pointer (uProcessMemMgr, "),
              std::string::npos)
        << e.Message();
  }
  list.FreeMem(a);
  EXPECT_THROW(list.FreeMem(a), EAssertionFailed);
  // Neither wrong release changed the list.
  ASSERT_EQ(list.Blocks().size(), 1u);
  ExpectBlock(list.Blocks()[0], a, 16384, 0, false);
}

TEST(MemBlockList, SegmentTooSmallForTheRequestRaisesNotEnoughMemory) {
  FakeSegments list;
  list.shortBy = 1;
  try {
    list.AllocMem(16384);
    FAIL() << "no error";
  } catch (const EProcessMemMgr& e) {
    EXPECT_EQ(e.Message(), "ProcessMemMgr.AllocMem: not enough memory");
  }
}

TEST(MemBlockList, RequestBeyondAnySegmentIsRefusedWithoutReserving) {
  FakeSegments list;
  EXPECT_THROW(list.AllocMem(0xFFFFFFFFu), EProcessMemMgr);
  EXPECT_TRUE(list.requests.empty());
}

TEST(MemBlockList, FailedSegmentLeavesTheListUsable) {
  FakeSegments list;
  list.refuse = true;
  EXPECT_THROW(list.AllocMem(10), Exception);
  EXPECT_TRUE(list.Blocks().empty());
  list.refuse = false;
  EXPECT_EQ(list.AllocMem(10), kFirst);
  EXPECT_EQ(list.Blocks()[0].Segment, 0);
}

TEST(MemBlockList, ThreadsAllocatingAndFreeingKeepTheListWhole) {
  FakeSegments list;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&list, t] {
      for (int i = 0; i < 500; ++i) {
        ProcessAddress a = list.AllocMem(static_cast<uint32_t>(1 + (i * 7 + t) % 300));
        ProcessAddress b = list.AllocMem(16);
        list.FreeMem(a);
        list.FreeMem(b);
      }
    });
  for (auto& th : threads) th.join();
  // Every block free again, and every segment still covered without gaps.
  auto blocks = list.Blocks();
  uint64_t covered = 0;
  for (size_t i = 0; i < blocks.size(); ++i) {
    EXPECT_FALSE(blocks[i].Used);
    if (i > 0 && blocks[i].Segment == blocks[i - 1].Segment) {
      EXPECT_EQ(blocks[i].Address, blocks[i - 1].Address + blocks[i - 1].Size);
    }
    covered += blocks[i].Size;
  }
  EXPECT_EQ(covered, uint64_t{16384} * static_cast<uint64_t>(list.SegmentCount()));
}

}  // namespace
}  // namespace glean
