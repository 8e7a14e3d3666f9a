// Page-wise reading of zero-terminated strings, against a fake address space that
// records every read and refuses reads outside its readable range.
#include "procmem/page_string_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "base/errors.h"

namespace glean {
namespace {

class FakeMemory {
 public:
  static constexpr ProcessAddress kBase = 0x40000;

  explicit FakeMemory(size_t pages) : bytes_(pages * kProcessPageSize, 'x') {}

  void Put(ProcessAddress at, const std::string& s, bool terminate = true) {
    std::memcpy(&bytes_[at - kBase], s.data(), s.size());
    if (terminate) bytes_[at - kBase + s.size()] = '\0';
  }

  ReadBytesFn Reader() {
    return [this](ProcessAddress from, void* to, size_t n) {
      reads.push_back(n);
      if (from < kBase || from + n > kBase + bytes_.size()) throw EOSError(299, "partial copy");
      std::memcpy(to, &bytes_[from - kBase], n);
    };
  }

  std::vector<size_t> reads;

 private:
  std::vector<char> bytes_;
};

TEST(ReadStringByPages, NullAddressReadsNothing) {
  FakeMemory m(1);
  EXPECT_EQ(ReadStringByPages(0, m.Reader()), "");
  EXPECT_TRUE(m.reads.empty());
}

TEST(ReadStringByPages, StringAcrossPagesIsReadToEachPageEnd) {
  FakeMemory m(4);
  std::string s(5000, 'a');
  s[0] = 'b';
  s[4999] = 'z';
  ProcessAddress at = FakeMemory::kBase + kProcessPageSize - 100;
  m.Put(at, s);
  EXPECT_EQ(ReadStringByPages(at, m.Reader()), s);
  EXPECT_EQ(m.reads, (std::vector<size_t>{100, 4096, 4096}));
}

TEST(ReadStringByPages, TerminatorAtTheStartOfTheNextPage) {
  FakeMemory m(2);
  ProcessAddress at = FakeMemory::kBase + kProcessPageSize - 7;
  m.Put(at, "seven77");
  EXPECT_EQ(ReadStringByPages(at, m.Reader()), "seven77");
  EXPECT_EQ(m.reads, (std::vector<size_t>{7, 4096}));
}

TEST(ReadStringByPages, EmptyStringAndPageAlignedStart) {
  FakeMemory m(1);
  m.Put(FakeMemory::kBase, "");
  EXPECT_EQ(ReadStringByPages(FakeMemory::kBase, m.Reader()), "");
  EXPECT_EQ(m.reads, std::vector<size_t>{4096});
}

TEST(ReadStringByPages, RunningIntoUnreadableMemoryRaises) {
  FakeMemory m(1);
  ProcessAddress at = FakeMemory::kBase + 4000;
  m.Put(at, std::string(96, 'q'), false);  // no terminator before the readable end
  EXPECT_THROW(ReadStringByPages(at, m.Reader()), EOSError);
}

TEST(ReadStringByPages, EndlessStringIsCutAtOneMebibyte) {
  FakeMemory m(kMaxProcessString / kProcessPageSize + 2);
  ProcessAddress at = FakeMemory::kBase + 10;
  std::string got = ReadStringByPages(at, m.Reader());
  EXPECT_EQ(got.size(), kMaxProcessString);
  EXPECT_EQ(got, std::string(kMaxProcessString, 'x'));
  size_t total = 0;
  for (size_t n : m.reads) total += n;
  EXPECT_EQ(total, kMaxProcessString);  // not one byte read past the cut
}

TEST(ReadStringByPages, CutDropsALeadByteWhoseTrailByteIsBeyond) {
  FakeMemory m(kMaxProcessString / kProcessPageSize + 1);
  ProcessAddress at = FakeMemory::kBase;
  // 1 MiB of "ab" pairs shifted by one byte, so that a Shift-JIS "あ" straddles the cut.
  std::string run(kMaxProcessString - 1, 'a');
  run += "\x82\xA0";
  m.Put(at, run);
  std::string got = ReadStringByPages(at, m.Reader());
  EXPECT_EQ(got, std::string(kMaxProcessString - 1, 'a'));
}

}  // namespace
}  // namespace glean
