#include "editor/model/editor_strings.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "base/errors.h"
#include "editor/model/line_split.h"
#include "editor/model/screen_strings.h"
#include "editor/model/update_block.h"

namespace glean {

namespace {
bool EndsLine(const TEditorScreenStrings& rows, int r) {
  return r == rows.Count() - 1 || rows.RowAttribute(r) == TRowAttribute::LineBreak;
}
}  // namespace

int TEditorStrings::LineToRow(int line) const {
  TEditorScreenStrings& rows = Rows();
  if (!rows.WordWrap()) return line;
  if (line <= 0) return line < 0 ? line : 0;
  int seen = 0;
  for (int r = 0; r < rows.Count(); ++r) {
    if (EndsLine(rows, r) && ++seen == line) return r + 1;
  }
  return rows.Count();
}

int TEditorStrings::Count() const {
  TEditorScreenStrings& rows = Rows();
  if (!rows.WordWrap()) return rows.Count();
  int lines = 0;
  for (int r = 0; r < rows.Count(); ++r)
    if (EndsLine(rows, r)) ++lines;
  return lines;
}

std::string TEditorStrings::Get(int index) const {
  TEditorScreenStrings& rows = Rows();
  if (!rows.WordWrap()) return rows.Get(index);
  if (index < 0) throw EListError(index);
  int row = LineToRow(index);
  if (row >= rows.Count()) throw EListError(index);
  std::string text = rows.GetLineText(row, -1).Text;
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
  return text;
}

template <class Fn>
void TEditorStrings::Edit(Fn&& edit, int row, int caretOffset) {
  owner_.CancelSelection();
  owner_.HideCaret();
  try {
    edit();
    owner_.SetCaretByOffset(row, caretOffset);
  } catch (...) {
    owner_.ShowCaret();
    throw;
  }
  owner_.ShowCaret();
}

void TEditorStrings::Put(int index, const std::string& s) {
  TEditorScreenStrings& rows = Rows();
  if (index < 0 || index >= Count()) throw EListError(index);
  const int row = LineToRow(index);
  const int end = rows.LineEndRow(row);
  std::string text = s;
  if (rows.RowAttribute(end) == TRowAttribute::LineBreak) text += "\r\n";
  Edit([&] { rows.UpdateRows(row, end - row + 1, text); }, row, int(text.size()));
}

void TEditorStrings::Insert(int index, const std::string& s) {
  TEditorScreenStrings& rows = Rows();
  if (index < 0) throw EListError(index);
  const int row = LineToRow(index);
  if (row >= rows.Count()) {
    if (row > rows.Count()) throw EListError(index);
    Add(s);
    return;
  }
  std::string text = s + "\r\n";
  Edit([&] { rows.UpdateRows(row, 0, text); }, row, int(text.size()));
}

int TEditorStrings::Add(const std::string& s) {
  TEditorScreenStrings& rows = Rows();
  const int before = Count();
  const int n = rows.Count();
  if (n > 0 && rows.RowAttribute(n - 1) != TRowAttribute::LineBreak) {
    // The text does not end with a line break: s becomes the new last line, still
    // without one.
    std::string text = rows.Ref(n - 1) + "\r\n" + s;
    Edit([&] { rows.UpdateRows(n - 1, 1, text); }, n - 1, int(text.size()));
  } else {
    std::string text = s + "\r\n";
    Edit([&] { rows.UpdateRows(n, 0, text); }, n, int(text.size()));
  }
  return before;
}

void TEditorStrings::Delete(int index) {
  TEditorScreenStrings& rows = Rows();
  if (index < 0 || index >= Count()) throw EListError(index);
  const int row = LineToRow(index);
  const int count = rows.LineEndRow(row) - rows.LineStartRow(row) + 1;
  Edit([&] { rows.UpdateRows(row, count, std::string()); }, row, 0);
}

void TEditorStrings::Clear() { Rows().Clear(); }

std::string TEditorStrings::GetText() const {
  TEditorScreenStrings& rows = Rows();
  size_t size = 0;
  for (int r = 0; r < rows.Count(); ++r) size += rows.Ref(r).size() + 2;
  std::string text;
  text.reserve(size);
  for (int r = 0; r < rows.Count(); ++r) {
    text += rows.Ref(r);
    if (rows.RowAttribute(r) == TRowAttribute::LineBreak) text += "\r\n";
  }
  return text;
}

void TEditorStrings::SetText(const std::string& s) {
  InUpdate(*this, [&] {
    TEditorScreenStrings& rows = Rows();
    rows.Clear();
    // Splitting into rows and rewrapping, in one pass.
    rows.LoadText(s);
    rows.ReparseAll();
  });
}

void TEditorStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  SetText(source.GetText());
  owner_.SetCaretRowCol(Rows().Count(), 0);
}

namespace {
struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

// Reads a file block by block and cuts it into lines: a line ends at LF, CR or CR LF
// (also when CR and LF lie in different blocks); the byte 0x1A ends the text.
// Calls line(text) for every ended line and returns the text after the last line end.
template <class Line>
std::string ScanFile(FILE* f, const std::string& fileName, Line&& line) {
  std::unique_ptr<char[]> block(new char[TEditorStrings::kBlockSize + 1]);
  std::string carry;
  bool skipLf = false;  // the previous block ended with CR
  for (;;) {
    size_t got = std::fread(block.get(), 1, TEditorStrings::kBlockSize, f);
    if (got == 0) {
      if (std::ferror(f)) throw EReadError(fileName);
      break;
    }
    block[got] = '\0';
    const char* p = block.get();
    const char* end = p + got;
    if (skipLf && p < end && *p == '\n') ++p;
    skipLf = false;
    const char* segment = p;
    bool stop = false;
    while (p < end) {
      char c = *p;
      if (c == '\n' || c == '\r') {
        carry.append(segment, size_t(p - segment));
        line(carry);
        carry.clear();
        ++p;
        if (c == '\r') {
          if (p < end && *p == '\n')
            ++p;
          else if (p == end)
            skipLf = true;
        }
        segment = p;
      } else if (c == '\x1A') {
        stop = true;
        break;
      } else {
        ++p;
      }
    }
    carry.append(segment, size_t(p - segment));
    if (stop) break;
  }
  return carry;
}
}  // namespace

void TEditorStrings::LoadFromFile(const std::string& fileName) {
  InUpdate(*this, [&] {
    TEditorScreenStrings& rows = Rows();
    rows.Clear();
    std::unique_ptr<FILE, FileCloser> f(std::fopen(fileName.c_str(), "rb"));
    if (!f) throw EFOpenError(fileName);

    // First pass: count the lines, so that the rows are made at once.
    size_t lines = 0;
    if (!ScanFile(f.get(), fileName, [&](const std::string&) { ++lines; }).empty()) ++lines;
    if (lines == 0) return;

    std::rewind(f.get());
    std::vector<std::string> texts;
    texts.reserve(lines);
    std::string rest = ScanFile(f.get(), fileName, [&](const std::string& line) {
      texts.push_back(line);
    });
    const bool endOfText = !rest.empty();
    if (endOfText) texts.push_back(std::move(rest));
    f.reset();
    rows.AppendRows(std::move(texts));
    if (endOfText) rows.SetRowAttribute(rows.Count() - 1, TRowAttribute::EndOfText);
    if (rows.WordWrap()) rows.Rewrap();
    rows.ReparseAll();
  });
  Rows().RefreshEditors();
}

void TEditorStrings::SetUpdateState(bool updating) {
  TEditorScreenStrings& rows = Rows();
  if (updating) {
    ++ownUpdateCount_;
    rows.BeginUpdate();
    owner_.HideCaret();
    owner_.BeginBulkChange();
    owner_.SetRedraw(false);
  } else {
    --ownUpdateCount_;
    rows.EndUpdate();
    owner_.EndBulkChange();
    owner_.ShowCaret();
    owner_.SetRedraw(true);
    rows.RefreshEditors();
  }
}

}  // namespace glean
