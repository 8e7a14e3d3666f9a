// The indexed string-list interface (the row lists, the editor's Lines and plain lists
// of titles all answer it) and a plain list built on std::vector.
#pragma once

#include <string>
#include <vector>

#include "base/notify.h"

namespace glean {

class TStrings : public TObject {
 public:
  TStrings() = default;
  TStrings(const TStrings&) = delete;  // lists are owned objects, copied only by Assign
  TStrings& operator=(const TStrings&) = delete;

  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& s);
  virtual void Insert(int index, const std::string& s) = 0;
  virtual int Add(const std::string& s);
  virtual void Delete(int index) = 0;
  virtual void Exchange(int i, int j);
  virtual void Clear() = 0;

  // Every string followed by CR LF.
  virtual std::string GetText() const;
  // Replaces the content by the lines of `s`, split at CR LF, LF or CR; a line end at
  // the very end adds no empty line.
  virtual void SetText(const std::string& s);

  virtual void Assign(const TStrings& source);
  void AddStrings(const TStrings& source);
  int IndexOf(const std::string& s) const;

  // Nested: only the outermost pair reaches SetUpdateState.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Whole-file load and save of GetText's bytes; raise EFOpenError, EFCreateError,
  // EReadError or EWriteError.
  virtual void LoadFromFile(const std::string& fileName);
  virtual void SaveToFile(const std::string& fileName) const;

  std::string operator[](int index) const { return Get(index); }

 protected:
  virtual void SetUpdateState(bool /*updating*/) {}

 private:
  int updateCount_ = 0;
};

// Splits text into lines at CR LF, LF or CR (no empty line after a final line end).
std::vector<std::string> SplitLines(const std::string& text);

// Reads a whole file into memory (binary); raises EFOpenError or EReadError.
std::string ReadFileBytes(const std::string& fileName);
// Creates or replaces a file with `bytes`; raises EFCreateError or EWriteError.
void WriteFileBytes(const std::string& fileName, const std::string& bytes);

// A list that tells of its changes: OnChanging before and OnChange after each one, and
// once for a whole BeginUpdate/EndUpdate bracket.
class TNotifyingStrings : public TStrings {
 public:
  ~TNotifyingStrings() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;
  virtual void Changed();
  virtual void Changing();
};

class TStringList : public TNotifyingStrings {
 public:
  TStringList() = default;

  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Exchange(int i, int j) override;
  void Clear() override;

  const std::vector<std::string>& Items() const { return items_; }

 private:
  void CheckIndex(int index, int limit) const;
  std::vector<std::string> items_;
};

}  // namespace glean
