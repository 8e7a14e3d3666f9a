#include "editor/model/fountain.h"

#include <algorithm>

#include "base/errors.h"
#include "editor/model/fountain_parser.h"

namespace glean {

void TFountainColor::Assign(const TFountainColor& source) {
  bkColor_ = source.bkColor_;
  color_ = source.color_;
  style_ = source.style_;
  Changed();
}

// ---------------------------------------------------------------------------------------

namespace {
int CompareText(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
}  // namespace

std::string TSortedStrings::Get(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
  return items_[size_t(index)];
}

void TSortedStrings::Insert(int, const std::string& s) {
  auto it = std::lower_bound(items_.begin(), items_.end(), s, [](const std::string& a,
                                                                 const std::string& b) {
    return CompareText(a, b) < 0;
  });
  if (it != items_.end() && CompareText(*it, s) == 0) return;  // duplicates ignored
  items_.insert(it, s);
}

void TSortedStrings::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError(index);
  items_.erase(items_.begin() + index);
}

int TSortedStrings::Find(std::string_view s) const {
  auto it = std::lower_bound(items_.begin(), items_.end(), s,
                             [](const std::string& a, std::string_view b) {
                               return CompareText(a, b) < 0;
                             });
  return it != items_.end() && CompareText(*it, s) == 0 ? int(it - items_.begin()) : -1;
}

// ---------------------------------------------------------------------------------------

TFountainColorItem::TFountainColorItem(TNotifyCollection* collection) : collection_(collection) {
  if (collection_) color_.OnChange = [c = collection_](TObject*) { c->Changed(); };
}

void TFountainBracketItem::SetLeftBracket(const std::string& s) {
  if (left_ == s) return;
  left_ = s;
  if (collection_) collection_->Changed();
}

void TFountainBracketItem::SetRightBracket(const std::string& s) {
  if (right_ == s) return;
  right_ = s;
  if (collection_) collection_->Changed();
}

void TFountainBracketItem::Assign(const TFountainColorItem& source) {
  if (auto* b = dynamic_cast<const TFountainBracketItem*>(&source)) {
    left_ = b->left_;
    right_ = b->right_;
  }
  TFountainColorItem::Assign(source);  // the colour's change reaches the collection
}

void TNotifyCollection::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError(index);
  items_.erase(items_.begin() + index);
  Changed();
}

void TNotifyCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

void TNotifyCollection::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  Changed();
}

void TNotifyCollection::Changed() {
  if (updateCount_ == 0 && OnChange) OnChange(this);
}

TFountainColorItem& TNotifyCollection::ItemAt(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
  return *items_[size_t(index)];
}

TFountainColorItem& TNotifyCollection::AddItem(std::unique_ptr<TFountainColorItem> item) {
  items_.push_back(std::move(item));
  Changed();
  return *items_.back();
}

TFountainBracketItem& TFountainBracketCollection::Add() {
  if (Count() >= kMaxItems)
    throw Exception(Format("TFountainBracketCollection\r\nYou can not add item over %d", kMaxItems));
  return static_cast<TFountainBracketItem&>(AddItem(NewItem()));
}

void TFountainBracketCollection::Assign(const TFountainBracketCollection& source) {
  if (&source == this) return;
  BeginUpdate();
  try {
    Clear();
    for (int i = 0; i < source.Count(); ++i) Add().Assign(source.Items(i));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

// ---------------------------------------------------------------------------------------

void TNotifyEventList::Remove(const void* key) {
  for (size_t i = handlers_.size(); i-- > 0;) {
    if (handlers_[i].key == key) {
      handlers_.erase(handlers_.begin() + long(i));
      return;
    }
  }
}

void TNotifyEventList::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  Changed();
}

void TNotifyEventList::Changed() {
  if (updateCount_ != 0) return;
  // A handler may unregister itself: call a snapshot.
  std::vector<TNotifyEvent> snapshot;
  snapshot.reserve(handlers_.size());
  for (auto& e : handlers_) snapshot.push_back(e.handler);
  for (auto& h : snapshot)
    if (h) h(sender_);
}

// ---------------------------------------------------------------------------------------

TFountain::TFountain() : notifyEventList_(std::make_unique<TNotifyEventList>(this)) {}

TFountain::~TFountain() {
  notifyEventList_.reset();
  brackets_.reset();
  reserveWordList_.reset();
  reserve_.reset();
}

std::unique_ptr<TFountainColor> TFountain::CreateColor() {
  auto color = std::make_unique<TFountainColor>();
  TNotifyEventList* list = notifyEventList_.get();
  color->OnChange = [list](TObject* sender) { list->ChangedProc(sender); };
  return color;
}

std::unique_ptr<TFountainBracketCollection> TFountain::CreateBrackets() {
  return std::make_unique<TFountainBracketCollection>(this);
}

TFountainBracketCollection& TFountain::Brackets() {
  if (!brackets_) {
    brackets_ = CreateBrackets();
    TNotifyEventList* list = notifyEventList_.get();
    brackets_->OnChange = [list](TObject* sender) { list->ChangedProc(sender); };
    InitBrackets();
  }
  return *brackets_;
}

TFountainColor& TFountain::Reserve() {
  if (!reserve_) reserve_ = CreateReserve();
  return *reserve_;
}

TSortedStrings& TFountain::ReserveWordList() {
  if (!reserveWordList_) {
    reserveWordList_ = std::make_unique<TSortedStrings>();
    InitReserveWordList();
  }
  return *reserveWordList_;
}

void TFountain::SetReserveWordList(const TStrings& words) {
  ReserveWordList().Assign(words);
  notifyEventList_->ChangedProc(this);
}

std::unique_ptr<TFountainParser> TFountain::CreateParser() { return GetParserClass()(this); }

void TFountain::ForEachColor(const TColorVisitor& visit) {
  TFountainBracketCollection& brackets = Brackets();
  for (int i = 0; i < brackets.Count(); ++i) visit("Brackets", brackets.Items(i).ItemColor());
  visit("Reserve", Reserve());
}

bool TFountain::HasItalic() {
  bool italic = false;
  ForEachColor([&](const std::string&, TFountainColor& c) {
    if (c.Style() & fsItalic) italic = true;
  });
  return italic;
}

void TFountain::ApplyToAll(const TFountainColor& source, int mask,
                           const std::vector<std::string>& skip) {
  ForEachColor([&](const std::string& name, TFountainColor& c) {
    if (std::find(skip.begin(), skip.end(), name) != skip.end()) return;
    if (mask & 1) c.SetBkColor(source.BkColor());
    if (mask & 2) c.SetColor(source.Color());
    if (mask & 4) c.SetStyle(source.Style());
  });
}

}  // namespace glean
