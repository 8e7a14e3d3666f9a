// A fountain is an editor's colouring scheme: colour triples, bracket pairs that colour
// everything between their left and right strings (across rows), reserved words, and
// the parser that cuts rows into tokens. Every editor that uses a fountain registers a
// change handler on its notify list.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/notify.h"
#include "base/strings.h"

namespace glean {

using TColor = uint32_t;  // 0x00BBGGRR
constexpr TColor clNone = 0x1FFFFFFF;  // the editor's own background or font colour
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clWhite = 0xFFFFFF;

using TFontStyles = uint8_t;
constexpr TFontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

class TFountainColor : public TNotifyPersistent {
 public:
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor v) { Set(bkColor_, v); }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { Set(color_, v); }
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles v) { Set(style_, v); }
  void Assign(const TFountainColor& source);

 private:
  template <class T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  TColor bkColor_ = clNone;
  TColor color_ = clNone;
  TFontStyles style_ = 0;
};

// A sorted list that ignores duplicates and compares ignoring ASCII letter case (the
// reserved words, the file extensions). Insert places by order, whatever the index.
class TSortedStrings : public TStrings {
 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Get(int index) const override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override { items_.clear(); }
  // Index of `s` (ignoring case), or -1.
  int Find(std::string_view s) const;

 private:
  std::vector<std::string> items_;
};

class TNotifyCollection;
class TFountain;

class TFountainColorItem : public TObject {
 public:
  explicit TFountainColorItem(TNotifyCollection* collection);
  ~TFountainColorItem() override = default;
  TFountainColor& ItemColor() { return color_; }
  const TFountainColor& ItemColor() const { return color_; }
  void SetItemColor(const TFountainColor& c) { color_.Assign(c); }
  virtual void Assign(const TFountainColorItem& source) { SetItemColor(source.color_); }

 protected:
  TNotifyCollection* collection_;

 private:
  TFountainColor color_;
};

class TFountainBracketItem : public TFountainColorItem {
 public:
  using TFountainColorItem::TFountainColorItem;
  const std::string& LeftBracket() const { return left_; }
  void SetLeftBracket(const std::string& s);
  const std::string& RightBracket() const { return right_; }
  void SetRightBracket(const std::string& s);
  void Assign(const TFountainColorItem& source) override;

 private:
  std::string left_;
  std::string right_;
};

// Calls its one handler with itself whenever items are added, deleted or changed.
class TNotifyCollection : public TObject {
 public:
  explicit TNotifyCollection(TFountain* owner) : owner_(owner) {}
  TNotifyEvent OnChange;
  TFountain* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  void Delete(int index);
  void Clear();
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  void Changed();

 protected:
  TFountainColorItem& ItemAt(int index) const;
  TFountainColorItem& AddItem(std::unique_ptr<TFountainColorItem> item);

 private:
  TFountain* owner_;
  std::vector<std::unique_ptr<TFountainColorItem>> items_;
  int updateCount_ = 0;
};

class TFountainBracketCollection : public TNotifyCollection {
 public:
  static constexpr int kMaxItems = 14;  // BracketIndex is stored in 4 bits, value + 2
  using TNotifyCollection::TNotifyCollection;
  TFountainBracketItem& Items(int index) const {
    return static_cast<TFountainBracketItem&>(ItemAt(index));
  }
  // Raises when 14 items exist.
  TFountainBracketItem& Add();
  // Clears and adds item by item (so the limit holds), notifying once.
  void Assign(const TFountainBracketCollection& source);

 protected:
  virtual std::unique_ptr<TFountainBracketItem> NewItem() {
    return std::make_unique<TFountainBracketItem>(this);
  }
};

// Change handlers of the editors that use a fountain, called in registration order.
class TNotifyEventList {
 public:
  explicit TNotifyEventList(TObject* sender) : sender_(sender) {}
  void Add(const void* key, TNotifyEvent handler) { handlers_.push_back({key, std::move(handler)}); }
  // Removes the last registration made with `key`.
  void Remove(const void* key);
  int Count() const { return static_cast<int>(handlers_.size()); }
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  void Changed();
  void ChangedProc(TObject*) { Changed(); }

 private:
  struct Entry {
    const void* key;
    TNotifyEvent handler;
  };
  TObject* sender_;
  std::vector<Entry> handlers_;
  int updateCount_ = 0;
};

class TFountainParser;
using TParserClass = std::unique_ptr<TFountainParser> (*)(TFountain* fountain);

class TFountain : public TObject {
 public:
  TFountain();
  ~TFountain() override;
  TFountain(const TFountain&) = delete;
  TFountain& operator=(const TFountain&) = delete;

  TSortedStrings& FileExtList() { return fileExtList_; }
  TNotifyEventList& NotifyEventList() { return *notifyEventList_; }
  TFountainBracketCollection& Brackets();
  void SetBrackets(const TFountainBracketCollection& b) { Brackets().Assign(b); }
  TFountainColor& Reserve();
  void SetReserve(const TFountainColor& c) { Reserve().Assign(c); }
  TSortedStrings& ReserveWordList();
  void SetReserveWordList(const TStrings& words);

  std::unique_ptr<TFountainParser> CreateParser();
  virtual TParserClass GetParserClass() const = 0;

  // Every colour triple reachable from the fountain, with its property name.
  using TColorVisitor = std::function<void(const std::string& name, TFountainColor& color)>;
  virtual void ForEachColor(const TColorVisitor& visit);
  bool HasItalic();
  // Copies the parts of `source` selected by `mask` (1 background, 2 foreground, 4 style)
  // into every reachable colour whose name is not in `skip`.
  void ApplyToAll(const TFountainColor& source, int mask, const std::vector<std::string>& skip);

 protected:
  virtual std::unique_ptr<TFountainColor> CreateColor();
  virtual std::unique_ptr<TFountainColor> CreateReserve() { return CreateColor(); }
  virtual std::unique_ptr<TFountainBracketCollection> CreateBrackets();
  virtual void InitBrackets() {}
  virtual void InitReserveWordList() {}

 private:
  TSortedStrings fileExtList_;
  std::unique_ptr<TNotifyEventList> notifyEventList_;
  std::unique_ptr<TFountainBracketCollection> brackets_;
  std::unique_ptr<TSortedStrings> reserveWordList_;
  std::unique_ptr<TFountainColor> reserve_;
};

}  // namespace glean
