// The row list: a string list whose items carry, beside their text, the packed row
// attributes (row end, parser state, image-bar marks), a per-row integer and a per-row
// string. Attributes travel with their row on insert, delete and exchange.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/strings.h"
#include "editor/model/gap_array.h"
#include "editor/model/row_attribute.h"

namespace glean {

struct TheStringItem {
  std::string Text;       // without any line-end characters
  std::string RowString;  // parser state slot
  int32_t RowData = 0;    // free integer (block selections keep start columns here)
  uint32_t Word1 = 0;     // packed attributes, see TRowAttributeStringList
  uint32_t Word2 = 0;
};

class TheStringList : public TNotifyingStrings {
 public:
  TheStringList() = default;
  ~TheStringList() override;

  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Get(int index) const override { return Ref(index); }
  // The row text without a copy.
  const std::string& Ref(int index) const;
  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Exchange(int i, int j) override;
  void Clear() override;

  int Capacity() const { return static_cast<int>(items_.capacity()); }
  // Reallocates to exactly that many items; below Count is a list-index error.
  void SetCapacity(int capacity);

  // Raw per-item accessors: validated like Get, no events.
  int32_t RowData(int index) const { return Item(index).RowData; }
  void SetRowData(int index, int32_t value) { Item(index).RowData = value; }
  const std::string& RowString(int index) const { return Item(index).RowString; }
  void SetRowString(int index, const std::string& value) { Item(index).RowString = value; }
  uint32_t AttributeWord1(int index) const { return Item(index).Word1; }
  void SetAttributeWord1(int index, uint32_t value) { Item(index).Word1 = value; }
  uint32_t AttributeWord2(int index) const { return Item(index).Word2; }
  void SetAttributeWord2(int index, uint32_t value) { Item(index).Word2 = value; }

  // The complete state of a row (text, both words, RowData, RowString).
  const TheStringItem& ItemAt(int index) const { return Item(index); }
  void SetItem(int index, const TheStringItem& item) { Item(index) = item; }
  void SetItem(int index, TheStringItem&& item) { Item(index) = std::move(item); }
  // Moves a row's state out, leaving an empty row behind.
  TheStringItem TakeItem(int index) { return std::move(Item(index)); }

 protected:
  TheStringItem& Item(int index);
  const TheStringItem& Item(int index) const;
  // Bulk row moves for the screen-row list: `count` zero-filled rows at `index`, and the
  // removal of rows index..index+count-1. Both fire one Changing/Changed pair.
  void InsertRows(int index, int count);
  void EraseRows(int index, int count);
  // Replaces every item at once (a rewrap builds the new rows aside).
  void ReplaceAll(std::vector<TheStringItem>&& items);

 private:
  void CheckIndex(int index, int limit) const;
  void Grow(int needed);

  GapArray<TheStringItem> items_;
};

// Typed, bit-packed access to the two attribute words. Word 1: bits 0-1 RowAttribute,
// 2-3 PrevRowAttribute, 4-7 BracketIndex + 2, 8-15 StateSlot1, 16-23 ContinuedLength,
// 24-31 StateSlot2. Word 2: bits 0-7 ContinuedKind, 8-15 StateSlot3, 16-31 RowMarks.
class TRowAttributeStringList : public TheStringList {
 public:
  TRowAttribute RowAttribute(int index) const {
    return static_cast<TRowAttribute>(AttributeWord1(index) & 3u);
  }
  void SetRowAttribute(int index, TRowAttribute value) { SetBits1(index, 0, 2, uint32_t(value)); }
  TRowAttribute PrevRowAttribute(int index) const {
    return static_cast<TRowAttribute>((AttributeWord1(index) >> 2) & 3u);
  }
  void SetPrevRowAttribute(int index, TRowAttribute value) {
    SetBits1(index, 2, 2, uint32_t(value));
  }
  int BracketIndex(int index) const { return int((AttributeWord1(index) >> 4) & 15u) - 2; }
  void SetBracketIndex(int index, int value) { SetBits1(index, 4, 4, uint32_t(value + 2)); }
  int StateSlot1(int index) const { return int((AttributeWord1(index) >> 8) & 255u); }
  void SetStateSlot1(int index, int value) { SetBits1(index, 8, 8, uint32_t(value)); }
  int ContinuedLength(int index) const { return int((AttributeWord1(index) >> 16) & 255u); }
  void SetContinuedLength(int index, int value) { SetBits1(index, 16, 8, uint32_t(value)); }
  int StateSlot2(int index) const { return int(AttributeWord1(index) >> 24); }
  void SetStateSlot2(int index, int value) { SetBits1(index, 24, 8, uint32_t(value)); }
  TokenKind ContinuedKind(int index) const {
    return static_cast<TokenKind>(AttributeWord2(index) & 255u);
  }
  void SetContinuedKind(int index, TokenKind value) { SetBits2(index, 0, 8, uint32_t(value)); }
  uint8_t StateSlot3(int index) const { return uint8_t((AttributeWord2(index) >> 8) & 255u); }
  void SetStateSlot3(int index, uint8_t value) { SetBits2(index, 8, 8, value); }
  uint16_t RowMarks(int index) const { return uint16_t(AttributeWord2(index) >> 16); }
  void SetRowMarks(int index, uint16_t value) { SetBits2(index, 16, 16, value); }

  // The parser state stored on a row (RowAttribute is the row's own).
  TRowAttributeData RowState(int index) const;
  // Stores every field but RowAttribute.
  void SetRowState(int index, const TRowAttributeData& state);
  // Marks a row as not yet reached by the parser.
  void ClearRowState(int index);
  // Whether the row holds exactly `state` (as it would be stored) in every field but
  // RowAttribute.
  bool RowStateEquals(int index, const TRowAttributeData& state) const;

 private:
  void SetBits1(int index, unsigned shift, unsigned width, uint32_t value);
  void SetBits2(int index, unsigned shift, unsigned width, uint32_t value);
};

// The concrete list: the screen-row list derives from it, and wrapping, rewrapping and
// block copies build temporary ones.
class TEditorStringList : public TRowAttributeStringList {};

}  // namespace glean
