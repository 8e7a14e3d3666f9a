#include "procmem/own_process_mem_mgr.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "base/errors.h"
#include "procmem/page_string_reader.h"

namespace glean {

namespace {
char* AsPointer(ProcessAddress a) { return reinterpret_cast<char*>(a); }
}  // namespace

ProcessAddress TOwnProcessMemMgr::AllocMem(uint32_t size) {
  // One byte at least, so that every block has an address of its own.
  const uint32_t bytes = std::max<uint32_t>(size, 1);
  auto block = std::make_unique<char[]>(bytes);
  std::lock_guard<std::mutex> hold(lock_);
  blocks_.push_back({std::move(block), bytes});
  return reinterpret_cast<ProcessAddress>(blocks_.back().bytes.get());
}

void TOwnProcessMemMgr::FreeMem(ProcessAddress address) {
  std::lock_guard<std::mutex> hold(lock_);
  auto it = std::find_if(blocks_.begin(), blocks_.end(),
                         [&](const Block& b) { return AsPointer(address) == b.bytes.get(); });
  GLEAN_ASSERT(it != blocks_.end(), "ProcessMemMgr.FreeMem: unknown pointer", "uProcessMemMgr");
  blocks_.erase(it);
}

void TOwnProcessMemMgr::ReadBuffer(ProcessAddress source, void* destination, size_t size) {
  if (size) std::memcpy(destination, AsPointer(source), size);
}

std::string TOwnProcessMemMgr::ReadString(ProcessAddress source) {
  return ReadStringByPages(source, [](ProcessAddress from, void* to, size_t n) {
    std::memcpy(to, AsPointer(from), n);
  });
}

void TOwnProcessMemMgr::WriteBuffer(const void* source, ProcessAddress destination, size_t size) {
  if (size) std::memcpy(AsPointer(destination), source, size);
}

void TOwnProcessMemMgr::WriteString(const std::string& s, ProcessAddress destination) {
  WriteBuffer(s.c_str(), destination, s.size() + 1);
}

bool TOwnProcessMemMgr::IsWow64Process() const {
  BOOL wow64 = FALSE;
  return ::IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

void TOwnProcessMemMgr::LeaveBlocksInProcess() {
  std::lock_guard<std::mutex> hold(lock_);
  for (Block& b : blocks_) {
    CountBlocksLeft(b.size);
    static_cast<void>(b.bytes.release());  // never freed
  }
  blocks_.clear();
}

size_t TOwnProcessMemMgr::BlockCount() const {
  std::lock_guard<std::mutex> hold(lock_);
  return blocks_.size();
}

}  // namespace glean
