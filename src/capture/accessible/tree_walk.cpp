#include "capture/accessible/tree_walk.h"

#include <oleacc.h>

#include <algorithm>
#include <vector>

#include "capture/accessible/com_support.h"
#include "capture/accessible/core/accessible_lines.h"

namespace glean::capture::accessible {

namespace {
constexpr ULONG kEnumChunk = 64;

class Walker {
 public:
  Walker(WorkerShare& share, bool skipInvisible, WalkCount& count)
      : share_(share), skipInvisible_(skipInvisible), count_(count) {}

  void Walk(IAccessible* root) {
    ComOwner<IUnknown> identity;
    if (SUCCEEDED(root->QueryInterface(IID_IUnknown, identity.Put()))) path_.push_back(identity.Get());
    Visit(root, CHILDID_SELF, 0, std::string());
    path_.clear();
  }

 private:
  void Visit(IAccessible* object, long child, int depth, const std::string& parentName);
  std::vector<VariantOwner> Children(IAccessible* object);
  void VisitChild(IAccessible* parent, VARIANT& kid, int depth, const std::string& parentName);
  bool OnPath(IUnknown* identity) const {
    return std::find(path_.begin(), path_.end(), identity) != path_.end();
  }

  WorkerShare& share_;
  bool skipInvisible_;
  WalkCount& count_;
  TreeLines lines_;
  std::vector<IUnknown*> path_;  // identities of the objects being read, root first
};

// Role, state, name and value of `child` of `object`; every call counts as an answer.
bool ReadFacts(WorkerShare& share, IAccessible* object, long child, ObjectFacts& facts,
               bool skipInvisible) {
  VARIANT self = ChildVariant(child);
  VariantOwner role, state;
  if (SUCCEEDED(object->get_accRole(self, &role.Ref())) && role.Ref().vt == VT_I4)
    facts.role = static_cast<uint32_t>(role.Ref().lVal);
  share.Answered();
  if (SUCCEEDED(object->get_accState(self, &state.Ref())) && state.Ref().vt == VT_I4)
    facts.state = static_cast<uint32_t>(state.Ref().lVal);
  share.Answered();
  if (skipInvisible && (facts.state & state::kInvisible)) return false;
  BstrOwner name, value;
  if (SUCCEEDED(object->get_accName(self, name.Put()))) facts.name = name.Text();
  share.Answered();
  if (SUCCEEDED(object->get_accValue(self, value.Put()))) facts.value = value.Text();
  share.Answered();
  return true;
}

void Walker::Visit(IAccessible* object, long child, int depth, const std::string& parentName) {
  if (share_.Abandoned()) return;
  if (count_.objects >= kMaxObjects) {
    share_.MarkCut();  // the tree holds more than the walk reads
    return;
  }
  ++count_.objects;
  ObjectFacts facts;
  if (!ReadFacts(share_, object, child, facts, skipInvisible_)) return;
  // A simple element (a child number of its parent) has no children of its own.
  std::vector<VariantOwner> kids;
  if (child == CHILDID_SELF) kids = Children(object);
  facts.hasChildren = !kids.empty();
  if (std::string line = lines_.Next(facts, parentName); !line.empty() && !share_.Abandoned())
    share_.AddLine(std::move(line));
  if (kids.empty()) return;
  if (depth + 1 >= kMaxDepth) {
    share_.MarkCut();
    return;
  }
  for (VariantOwner& kid : kids) {
    if (share_.Abandoned()) return;
    if (count_.objects >= kMaxObjects) {
      share_.MarkCut();  // the tree holds more than the walk reads
      return;
    }
    VisitChild(object, kid.Ref(), depth + 1, facts.name);
  }
}

void Walker::VisitChild(IAccessible* parent, VARIANT& kid, int depth, const std::string& parentName) {
  if (kid.vt == VT_I4) {
    if (kid.lVal != CHILDID_SELF) Visit(parent, kid.lVal, depth, parentName);
    return;
  }
  if (kid.vt != VT_DISPATCH || !kid.pdispVal) return;
  ComOwner<IAccessible> object;
  HRESULT hr = kid.pdispVal->QueryInterface(__uuidof(IAccessible), object.Put());
  share_.Answered();
  if (FAILED(hr) || !object) return;
  // The identity of a remote object is its proxy's IUnknown, the same for every
  // reference the tree hands out to that object.
  ComOwner<IUnknown> identity;
  hr = object->QueryInterface(IID_IUnknown, identity.Put());
  if (FAILED(hr) || OnPath(identity.Get())) return;
  path_.push_back(identity.Get());
  Visit(object.Get(), CHILDID_SELF, depth, parentName);
  path_.pop_back();
}

// The children in the order the object gives them: its enumerator where it has one,
// else by number. At most what the object limit still allows, plus one to notice a cut.
std::vector<VariantOwner> Walker::Children(IAccessible* object) {
  std::vector<VariantOwner> kids;
  long count = 0;
  const HRESULT hr = object->get_accChildCount(&count);
  share_.Answered();
  if (FAILED(hr) || count <= 0) return kids;
  count = std::min<long>(count, kMaxObjects - count_.objects + 1);
  ComOwner<IEnumVARIANT> list;
  if (SUCCEEDED(object->QueryInterface(IID_IEnumVARIANT, list.Put())) && list) {
    share_.Answered();
    list->Reset();
    while (static_cast<long>(kids.size()) < count && !share_.Abandoned()) {
      VARIANT chunk[kEnumChunk];
      for (VARIANT& v : chunk) VariantInit(&v);
      ULONG got = 0;
      const ULONG want = std::min<ULONG>(kEnumChunk, static_cast<ULONG>(count) - kids.size());
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
  share_.Answered();
  for (long i = 1; i <= count && !share_.Abandoned(); ++i) {
    VARIANT id = ChildVariant(i);
    IDispatch* dispatch = nullptr;
    const HRESULT got = object->get_accChild(id, &dispatch);
    share_.Answered();
    kids.emplace_back();
    VARIANT& kid = kids.back().Ref();
    if (got == S_OK && dispatch) {
      kid.vt = VT_DISPATCH;
      kid.pdispVal = dispatch;
    } else {
      kid = ChildVariant(i);
    }
  }
  return kids;
}
}  // namespace

void WalkTree(WorkerShare& share, LRESULT answer, bool skipInvisible, WalkCount& count) {
  ComOwner<IAccessible> root;
  const HRESULT hr = ObjectFromLresult(answer, __uuidof(IAccessible), 0, root.Put());
  share.Answered();
  if (FAILED(hr) || !root) return;
  Walker(share, skipInvisible, count).Walk(root.Get());
}

void ReadObjectAtPoint(WorkerShare& share, POINT at) {
  ComOwner<IAccessible> object;
  VariantOwner child;
  const HRESULT hr = AccessibleObjectFromPoint(at, reinterpret_cast<IAccessible**>(object.Put()), &child.Ref());
  share.Answered();
  if (FAILED(hr) || !object) return;
  const long id = child.Ref().vt == VT_I4 ? child.Ref().lVal : CHILDID_SELF;
  ObjectFacts facts;
  if (!ReadFacts(share, object.Get(), id, facts, false)) return;
  if (std::string line = LineOf(facts); !line.empty()) share.AddLine(std::move(line));
}

}  // namespace glean::capture::accessible
