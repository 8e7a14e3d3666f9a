#include "base/strings.h"

#include <cstdio>
#include <memory>
#include <utility>

#include "base/errors.h"

namespace glean {

void TStrings::Put(int index, const std::string& s) {
  BeginUpdate();
  try {
    Delete(index);
    Insert(index, s);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

int TStrings::Add(const std::string& s) {
  int index = Count();
  Insert(index, s);
  return index;
}

void TStrings::Exchange(int i, int j) {
  std::string a = Get(i);
  std::string b = Get(j);
  BeginUpdate();
  try {
    Put(i, b);
    Put(j, a);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

std::string TStrings::GetText() const {
  std::string out;
  int n = Count();
  for (int i = 0; i < n; ++i) {
    out += Get(i);
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0, i = 0, n = text.size();
  while (i < n) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text, start, i - start);
      if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < n) lines.emplace_back(text, start, n - start);
  return lines;
}

void TStrings::SetText(const std::string& s) {
  BeginUpdate();
  try {
    Clear();
    for (auto& line : SplitLines(s)) Add(line);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  BeginUpdate();
  try {
    Clear();
    AddStrings(source);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::AddStrings(const TStrings& source) {
  int n = source.Count();
  for (int i = 0; i < n; ++i) Add(source.Get(i));
}

int TStrings::IndexOf(const std::string& s) const {
  int n = Count();
  for (int i = 0; i < n; ++i)
    if (Get(i) == s) return i;
  return -1;
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ == 0) return;
  --updateCount_;
  if (updateCount_ == 0) SetUpdateState(false);
}

namespace {
struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;
}  // namespace

std::string ReadFileBytes(const std::string& fileName) {
  FilePtr f(std::fopen(fileName.c_str(), "rb"));
  if (!f) throw EFOpenError(fileName);
  std::string bytes;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes.append(buffer, n);
  if (std::ferror(f.get())) throw EReadError(fileName);
  return bytes;
}

void WriteFileBytes(const std::string& fileName, const std::string& bytes) {
  FILE* raw = std::fopen(fileName.c_str(), "wb");
  if (!raw) throw EFCreateError(fileName);
  FilePtr f(raw);
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
    throw EWriteError(fileName);
  if (std::fclose(f.release()) != 0) throw EWriteError(fileName);
}

void TStrings::LoadFromFile(const std::string& fileName) { SetText(ReadFileBytes(fileName)); }

void TStrings::SaveToFile(const std::string& fileName) const { WriteFileBytes(fileName, GetText()); }

// ---------------------------------------------------------------------------------------

TNotifyingStrings::~TNotifyingStrings() {
  // No notification while the list is being torn down.
  OnChange = nullptr;
  OnChanging = nullptr;
}

void TNotifyingStrings::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

void TNotifyingStrings::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TNotifyingStrings::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit) throw EListError(index);
}

std::string TStringList::Get(int index) const {
  CheckIndex(index, Count());
  return items_[static_cast<size_t>(index)];
}

void TStringList::Put(int index, const std::string& s) {
  CheckIndex(index, Count());
  Changing();
  items_[static_cast<size_t>(index)] = s;
  Changed();
}

void TStringList::Insert(int index, const std::string& s) {
  CheckIndex(index, Count() + 1);
  Changing();
  items_.insert(items_.begin() + index, s);
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Exchange(int i, int j) {
  CheckIndex(i, Count());
  CheckIndex(j, Count());
  Changing();
  std::swap(items_[static_cast<size_t>(i)], items_[static_cast<size_t>(j)]);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

}  // namespace glean
