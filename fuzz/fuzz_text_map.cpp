// The pane's UTF-16 text map under edits, wholesale replacements, undo, word-wrap changes
// and row lists swapped beneath it (reported or not): after every step each offset query
// agrees with a plain model rebuilt from the rows, and range endpoints stay in the text.
#include <algorithm>
#include <functional>
#include <memory>

#include "editor/control/access/text_map.h"
#include "fuzz_editor.h"

using namespace glean;
using namespace glean::fuzz;

namespace {
// An editor that passes its list's change reports on while the map follows it.
class MapEditor : public FuzzEditor {
 public:
  std::function<void(TEditorScreenStrings&)> OnRows;
  void TextChanged(TEditorScreenStrings& list) override {
    if (OnRows) OnRows(list);
  }
};

// The model: every row's UTF-16 start, counted afresh from the bytes.
struct Model {
  explicit Model(TEditorScreenStrings& l) : rows(l) {
    for (int r = 0; r < l.Count(); ++r) {
      starts.push_back(total);
      total += Units(l.Ref(r), l.Ref(r).size()) + (l.RowAttribute(r) == TRowAttribute::LineBreak ? 2 : 0);
    }
    starts.push_back(total);
  }
  // A lead byte and whatever follows it make one unit; any other byte one.
  static int Units(const std::string& s, size_t end) {
    int units = 0;
    for (size_t i = 0; i < end; ++units) i += sjis::IsLeadByte(s[i]) && i + 1 < s.size() ? 2 : 1;
    return units;
  }
  int RowOf(int offset) const {
    const int n = rows.Count();
    if (n == 0) return 0;
    const int k = int(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
    return std::clamp(k, 0, n - 1);
  }
  access::TTextPos ToPos(int offset) const {
    const int row = RowOf(offset);
    if (row >= rows.Count()) return {row, 0};
    const std::string& s = rows.Ref(row);
    int left = std::max(offset, 0) - starts[size_t(row)];
    size_t i = 0;
    for (; left > 0 && i < s.size(); --left) i += sjis::IsLeadByte(s[i]) && i + 1 < s.size() ? 2 : 1;
    return {row, int(std::min(i, s.size()))};
  }
  int ToOffset(access::TTextPos p) const {
    if (p.Row >= rows.Count()) return total;
    if (p.Row < 0) return 0;
    const std::string& s = rows.Ref(p.Row);
    const size_t byte = size_t(std::clamp(p.Byte, 0, int(s.size())));
    // Units of the characters that start before `byte`, less one when it splits one.
    int units = 0;
    size_t i = 0;
    while (i < byte) {
      const size_t next = i + (sjis::IsLeadByte(s[i]) && i + 1 < s.size() ? 2 : 1);
      if (next > byte) break;
      i = next;
      ++units;
    }
    return starts[size_t(p.Row)] + units;
  }

  TEditorScreenStrings& rows;
  std::vector<int> starts;
  int total = 0;
};

void Compare(access::TTextMap& map, TEditorScreenStrings& l, Input& in) {
  const Model m(l);
  FUZZ_CHECK(map.Length() == m.total, "length");
  FUZZ_CHECK(map.RowCount() == l.Count(), "row count");
  for (int r = 0; r <= l.Count() + 1; ++r)
    FUZZ_CHECK(map.RowStart(r) == m.starts[size_t(std::min(r, l.Count()))], "row start");
  const int step = std::max(1, m.total / 512);
  for (int off = -2; off <= m.total + 2; off += off < 0 || off >= m.total ? 1 : step) {
    FUZZ_CHECK(map.RowOf(off) == m.RowOf(off), "row of an offset");
    FUZZ_CHECK(map.ToPos(off) == m.ToPos(off), "position of an offset");
  }
  for (int k = 0; k < 16 && l.Count() > 0; ++k) {
    const access::TTextPos p{in.Int(-1, l.Count()), in.Int(-2, 40)};
    FUZZ_CHECK(map.ToOffset(p) == m.ToOffset(p), "offset of a position");
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  std::unique_ptr<MapEditor> editors[2] = {std::make_unique<MapEditor>(), std::make_unique<MapEditor>()};
  for (auto& e : editors) {
    e->Configure(in);
    e->Lines().SetText(in.Bytes(in.Int(0, 400)));
  }
  int current = 0;
  access::TTextMap map([&]() -> const TEditorScreenStrings& { return editors[current]->List(); });
  int toldWhole = 0;  // wholesale change reports of this step
  auto follow = [&] {
    for (int i = 0; i < 2; ++i)
      editors[i]->OnRows = [&, i](TEditorScreenStrings& list) {
        if (i != current) return;
        if (!list.LastUpdate().Valid) ++toldWhole;
        map.RowsChanged(list.LastUpdate());
      };
  };
  follow();
  access::TAnchor first{0, true}, last{map.Length()}, middle{map.Length() / 2, (size & 1) != 0};
  for (access::TAnchor* a : {&first, &last, &middle}) map.AddAnchor(a);

  for (int steps = 0; !in.Empty() && steps < 40; ++steps) {
    MapEditor& e = *editors[current];
    TEditorScreenStrings& l = e.List();
    toldWhole = 0;
    bool swapped = false;
    switch (in.Byte() % 8) {
      case 0:
      case 1: {  // an edit of a few rows
        const int row = l.Count() ? in.Int(0, l.Count()) : 0;
        const int count = std::min(in.Int(0, 3), l.Count() - row);
        e.col_ = in.Byte() % 3;
        l.UpdateRows(row, count, in.Bytes(in.Byte() % 24));
        break;
      }
      case 2:  // the whole text replaced
        e.Lines().SetText(in.Bytes(in.Int(0, 300)));
        break;
      case 3:  // the list the map does not follow changes
        editors[1 - current]->Lines().SetText(in.Bytes(in.Int(0, 300)));
        swapped = true;
        break;
      case 4:  // the other list swapped in, told or found out
        current = 1 - current;
        if (in.Byte() & 1) map.RowListSwapped();
        swapped = true;
        break;
      case 5:  // a new list in place of the one not followed; swapping to it is told
        editors[1 - current] = std::make_unique<MapEditor>();
        editors[1 - current]->Configure(in);
        editors[1 - current]->Lines().SetText(in.Bytes(in.Int(0, 300)));
        follow();
        if (in.Byte() & 1) {
          current = 1 - current;
          map.RowListSwapped();
        }
        swapped = true;
        break;
      case 6:
        l.SetWordWrap(!l.WordWrap());
        break;
      default:
        if (l.UndoObj().CanUndo()) l.Undo();
        break;
    }
    TEditorScreenStrings& now = editors[current]->List();
    CheckRows(now);
    Compare(map, now, in);
    const int length = map.Length();
    for (access::TAnchor* a : {&first, &last, &middle})
      FUZZ_CHECK(a->Offset >= 0 && a->Offset <= length, "anchors stay in the text");
    FUZZ_CHECK(first.Offset == 0, "nothing comes before the first anchor");
    // Changes told row by row keep the end's anchor at the end.
    if (!swapped && toldWhole == 0) FUZZ_CHECK(last.Offset == length, "the end's anchor moves with the end");
    last.Offset = length;
  }
  for (access::TAnchor* a : {&first, &last, &middle}) map.RemoveAnchor(a);
  return 0;
}
