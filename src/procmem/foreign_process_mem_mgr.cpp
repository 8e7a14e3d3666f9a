#include "procmem/foreign_process_mem_mgr.h"

#include "procmem/page_string_reader.h"
#include "win/os_error.h"

namespace glean {

namespace {
// Reading, writing and reserving memory; the query right answers IsWow64Process.
constexpr DWORD kAccess =
    PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION;

void* AsPointer(ProcessAddress a) { return reinterpret_cast<void*>(a); }
}  // namespace

TForeignProcessMemMgr::TForeignProcessMemMgr(DWORD processId)
    : process_(win::Win32Check(OpenProcess(kAccess, FALSE, processId))) {
  BOOL wow64 = FALSE;
  win::Win32Check(::IsWow64Process(process_.Get(), &wow64));
  wow64_ = wow64 != FALSE;
}

void TForeignProcessMemMgr::ReadBuffer(ProcessAddress source, void* destination, size_t size) {
  win::Win32Check(ReadProcessMemory(process_.Get(), AsPointer(source), destination, size, nullptr));
}

void TForeignProcessMemMgr::WriteBuffer(const void* source, ProcessAddress destination, size_t size) {
  win::Win32Check(WriteProcessMemory(process_.Get(), AsPointer(destination), source, size, nullptr));
}

std::string TForeignProcessMemMgr::ReadString(ProcessAddress source) {
  return ReadStringByPages(source, [this](ProcessAddress from, void* to, size_t n) {
    ReadBuffer(from, to, n);
  });
}

void TForeignProcessMemMgr::WriteString(const std::string& s, ProcessAddress destination) {
  WriteBuffer(s.c_str(), destination, s.size() + 1);
}

}  // namespace glean
