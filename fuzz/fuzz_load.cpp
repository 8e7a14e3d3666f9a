// LoadFromFile over arbitrary file bytes (split in 8192-byte blocks): the rows are the
// lines before the first 0x1A, split at CR LF, CR or LF wherever the blocks end, the
// last row EndOfText exactly when text follows the last line end, and SaveToFile writes
// the same lines back with CR LF.
#include <unistd.h>

#include "fuzz_editor.h"
#include "base/strings.h"

using namespace glean;
using namespace glean::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  // Inputs are small: repeat a chunk to reach past the block boundaries.
  int repeat = 1 + in.Byte() % 8;
  uint8_t flags = in.Byte();
  std::string chunk = in.Rest();
  std::string bytes;
  for (int i = 0; i < repeat; ++i) bytes += chunk;
  if (flags & 1) bytes.insert(0, TEditorStrings::kBlockSize - 1 - (bytes.size() % 7), 'p');

  static const std::string path = "/tmp/glean_fuzz_load_" + std::to_string(getpid());
  WriteFileBytes(path, bytes);
  FuzzEditor e;
  e.List().SetWordWrap(flags & 2);
  e.Lines().LoadFromFile(path);
  CheckRows(e.List());

  std::string text = bytes.substr(0, bytes.find('\x1A'));
  std::vector<std::string> expected = SplitLines(text);
  FUZZ_CHECK(e.Lines().Count() == int(expected.size()), "one line per line end");
  for (size_t i = 0; i < expected.size(); ++i)
    FUZZ_CHECK(e.Lines().Get(int(i)) == expected[i], "line texts");
  bool open = !text.empty() && text.back() != '\n' && text.back() != '\r';
  if (e.List().Count() > 0)
    FUZZ_CHECK((e.List().RowAttribute(e.List().Count() - 1) == TRowAttribute::EndOfText) == open,
               "EndOfText exactly when text follows the last line end");
  FUZZ_CHECK(!e.List().UndoObj().CanUndo(), "nothing to undo after loading");

  std::string saved;
  for (size_t i = 0; i < expected.size(); ++i) {
    saved += expected[i];
    if (i + 1 < expected.size() || !open) saved += "\r\n";
  }
  e.Lines().SaveToFile(path);
  FUZZ_CHECK(ReadFileBytes(path) == saved, "SaveToFile writes the lines with CR LF");
  std::remove(path.c_str());
  return 0;
}
