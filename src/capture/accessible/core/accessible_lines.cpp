#include "capture/accessible/core/accessible_lines.h"

namespace glean::capture::accessible {

namespace {
struct RoleNote {
  uint32_t role;
  const char* note;
};

// As list-view cells get their column title: what the object is, before its text.
constexpr RoleNote kRoleNotes[] = {
    {role::kLink, "《リンク》"},           {role::kPushButton, "《ボタン》"},
    {role::kCheckButton, "《チェックボックス》"}, {role::kRadioButton, "《ラジオボタン》"},
    {role::kText, "《エディット》"},        {role::kComboBox, "《コンボボックス》"},
    {role::kListItem, "《リスト項目》"},     {role::kPageTab, "《タブ》"},
    {role::kMenuItem, "《メニュー項目》"},   {role::kGraphic, "《画像》"},
};

constexpr char kFullWidthSpace[] = "　";
constexpr char kCheckedMark[] = "（チェック）";

const char* NoteFor(const ObjectFacts& object) {
  // A read-only text is the text of a page, not a field to type into.
  if (object.role == role::kText && (object.state & state::kReadOnly)) return "";
  for (const RoleNote& r : kRoleNotes)
    if (r.role == object.role) return r.note;
  return "";
}

bool ShowsCheck(const ObjectFacts& object) {
  return (object.role == role::kCheckButton || object.role == role::kRadioButton) &&
         (object.state & state::kChecked);
}
// One object, one line: the line breaks of a multi-line name or value become blanks.
// Control bytes are never trail bytes in code page 932, so bytes can be scanned.
std::string OnOneLine(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}
}  // namespace

std::string LineOf(const ObjectFacts& object) {
  std::string text = object.name;
  if (!object.value.empty() && object.value != object.name)
    text += (text.empty() ? "" : kFullWidthSpace) + object.value;
  if (text.empty()) return {};
  text = OnOneLine(text);
  return NoteFor(object) + text + (ShowsCheck(object) ? kCheckedMark : "");
}

std::string TreeLines::Next(const ObjectFacts& object, const std::string& parentName) {
  if (object.role == role::kStaticText && !object.hasChildren && !object.name.empty() &&
      object.name == parentName)
    return {};
  std::string line = LineOf(object);
  if (line.empty() || line == last_) return {};
  last_ = line;
  return line;
}

}  // namespace glean::capture::accessible
