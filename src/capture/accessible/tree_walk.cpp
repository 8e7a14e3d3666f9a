#include "capture/accessible/tree_walk.h"

#include <oleacc.h>

#include <algorithm>
#include <vector>

#include "capture/accessible/core/tree_order.h"
#include "win/com.h"

namespace glean::capture::accessible {

using win::UniqueBstr;
using win::ChildVariant;
using win::UniqueVariant;
using win::ComPtr;

// The interface identifiers are taken with __uuidof: mingw-w64's oleacc import library
// hands out IID_IAccessible as an import thunk's address, not the identifier.

namespace {
constexpr ULONG kEnumChunk = 64;

// An object of another program's tree: an IAccessible of its own (child CHILDID_SELF), or
// a child number its parent answers for. Every call that comes back counts as an answer.
class ComTreeObject : public TreeObject {
 public:
  ComTreeObject(WorkerShare& share, ComPtr<IAccessible> object)
      : share_(share), owned_(std::move(object)), object_(owned_.Get()) {
    // The identity of a remote object is its proxy's IUnknown, the same for every
    // reference the tree hands out to that object.
    object_->QueryInterface(IID_IUnknown, identity_.PutVoid());
  }
  ComTreeObject(WorkerShare& share, IAccessible* parent, long child)
      : share_(share), object_(parent), child_(child) {}

  // Each call first asks whether the walk was abandoned: a worker given up on calls the
  // program no more, from its next step on.
  void ReadRoleAndState(ObjectFacts& facts) override {
    VARIANT self = ChildVariant(child_);
    UniqueVariant role, state;
    if (Go() && SUCCEEDED(object_->get_accRole(self, &role.Ref())) && role.Ref().vt == VT_I4)
      facts.role = static_cast<uint32_t>(role.Ref().lVal);
    share_.Answered();
    if (Go() && SUCCEEDED(object_->get_accState(self, &state.Ref())) && state.Ref().vt == VT_I4)
      facts.state = static_cast<uint32_t>(state.Ref().lVal);
    share_.Answered();
  }

  void ReadNameAndValue(ObjectFacts& facts) override {
    VARIANT self = ChildVariant(child_);
    UniqueBstr name, value;
    if (Go() && SUCCEEDED(object_->get_accName(self, name.Put()))) facts.name = name.Text();
    share_.Answered();
    if (Go() && SUCCEEDED(object_->get_accValue(self, value.Put()))) facts.value = value.Text();
    share_.Answered();
  }

  std::vector<std::unique_ptr<TreeObject>> Children(int most) override;

  const void* Identity() const override { return identity_.Get(); }

 private:
  bool Go() const { return !share_.Abandoned(); }
  std::vector<UniqueVariant> ChildVariants(long count);
  std::unique_ptr<TreeObject> FromVariant(VARIANT& kid);

  WorkerShare& share_;
  ComPtr<IAccessible> owned_;
  IAccessible* object_;  // owned_, or the parent, which outlives its children's walk
  long child_ = CHILDID_SELF;
  ComPtr<IUnknown> identity_;
};

std::vector<std::unique_ptr<TreeObject>> ComTreeObject::Children(int most) {
  std::vector<std::unique_ptr<TreeObject>> kids;
  if (child_ != CHILDID_SELF || !Go()) return kids;  // a child number has no children of its own
  long count = 0;
  const HRESULT hr = object_->get_accChildCount(&count);
  share_.Answered();
  if (FAILED(hr) || count <= 0) return kids;
  for (UniqueVariant& v : ChildVariants(std::min<long>(count, most)))
    if (auto kid = FromVariant(v.Ref())) kids.push_back(std::move(kid));
  return kids;
}

// The children in the order the object gives them: its enumerator where it has one,
// else by number.
std::vector<UniqueVariant> ComTreeObject::ChildVariants(long count) {
  std::vector<UniqueVariant> kids;
  ComPtr<IEnumVARIANT> list;
  if (!Go()) return kids;
  const HRESULT hr = object_->QueryInterface(IID_IEnumVARIANT, list.PutVoid());
  share_.Answered();
  if (SUCCEEDED(hr) && list && Go()) {
    list->Reset();
    while (static_cast<long>(kids.size()) < count && !share_.Abandoned()) {
      VARIANT chunk[kEnumChunk];
      for (VARIANT& v : chunk) VariantInit(&v);
      ULONG got = 0;
      const ULONG want = std::min<ULONG>(kEnumChunk, static_cast<ULONG>(count - static_cast<long>(kids.size())));
      const HRESULT next = list->Next(want, chunk, &got);
      share_.Answered();
      for (ULONG i = 0; i < got && i < want; ++i) {
        kids.emplace_back();
        kids.back().Ref() = chunk[i];  // adopted: cleared by its owner
      }
      if (FAILED(next) || got == 0) break;
    }
    return kids;
  }
  for (long i = 1; i <= count && !share_.Abandoned(); ++i) {
    VARIANT id = ChildVariant(i);
    ComPtr<IDispatch> dispatch;
    const HRESULT got = object_->get_accChild(id, dispatch.Put());
    share_.Answered();
    kids.emplace_back();
    VARIANT& kid = kids.back().Ref();
    // S_FALSE says "a simple child, ask the parent", yet may come with an object: it is
    // ours to release all the same.
    if (got == S_OK && dispatch) {
      kid.vt = VT_DISPATCH;
      kid.pdispVal = dispatch.Copy();
    } else {
      kid = ChildVariant(i);
    }
  }
  return kids;
}

std::unique_ptr<TreeObject> ComTreeObject::FromVariant(VARIANT& kid) {
  if (kid.vt == VT_I4)
    return kid.lVal == CHILDID_SELF ? nullptr : std::make_unique<ComTreeObject>(share_, object_, kid.lVal);
  if (kid.vt != VT_DISPATCH || !kid.pdispVal || !Go()) return nullptr;
  ComPtr<IAccessible> object;
  const HRESULT hr = kid.pdispVal->QueryInterface(__uuidof(IAccessible), object.PutVoid());
  share_.Answered();
  if (FAILED(hr) || !object) return nullptr;
  return std::make_unique<ComTreeObject>(share_, std::move(object));
}

// The walk's lines go to the share, which the waiting thread reads.
class ShareOutput : public WalkOutput {
 public:
  explicit ShareOutput(WorkerShare& share) : share_(share) {}
  bool Stopped() const override { return share_.Abandoned(); }
  void AddLine(std::string line, const std::vector<int>& path) override { share_.AddLine(std::move(line), path); }
  void MarkCut() override { share_.MarkCut(); }

 private:
  WorkerShare& share_;
};
}  // namespace

void WalkTree(WorkerShare& share, LRESULT answer, bool skipInvisible, WalkCount& count) {
  ComPtr<IAccessible> root;
  const HRESULT hr = ObjectFromLresult(answer, __uuidof(IAccessible), 0, root.PutVoid());
  share.Answered();
  if (FAILED(hr) || !root) return;
  ComTreeObject top(share, std::move(root));
  ShareOutput out(share);
  count.objects = WalkObjects(top, out, skipInvisible);
}

void ReadObjectAtPoint(WorkerShare& share, LRESULT answer, POINT at) {
  ComPtr<IAccessible> root;
  ObjectFromLresult(answer, __uuidof(IAccessible), 0, root.PutVoid());  // the answer's stream is freed
  share.Answered();
  ComPtr<IAccessible> object;
  UniqueVariant child;
  const HRESULT hr = AccessibleObjectFromPoint(at, object.Put(), &child.Ref());
  share.Answered();
  if (FAILED(hr) || !object) return;
  const long id = child.Ref().vt == VT_I4 ? child.Ref().lVal : CHILDID_SELF;
  ComTreeObject target(share, object.Get(), id);
  ObjectFacts facts;
  target.ReadRoleAndState(facts);
  target.ReadNameAndValue(facts);
  if (std::string line = LineOf(facts); !line.empty()) share.AddLine(std::move(line));
}

}  // namespace glean::capture::accessible
