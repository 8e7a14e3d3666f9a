#include "command_line.h"

#include <charconv>

namespace sample_app {
namespace {

bool IsLeadByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Copies one character (two bytes for a double-byte one) from line[i] to out.
std::size_t CopyChar(std::string_view line, std::size_t i, std::string& out) {
  if (IsLeadByte(line[i]) && i + 1 < line.size()) {
    out.append(line.substr(i, 2));
    return i + 2;
  }
  out.push_back(line[i]);
  return i + 1;
}

// The program name: quotes group, backslashes are plain characters.
std::size_t TakeProgramName(std::string_view line, std::string& out) {
  std::size_t i = 0;
  bool quoted = false;
  while (i < line.size() && (quoted || !IsBlank(line[i]))) {
    if (line[i] == '"') {
      quoted = !quoted;
      ++i;
    } else {
      i = CopyChar(line, i, out);
    }
  }
  return i;
}

std::size_t TakeArgument(std::string_view line, std::size_t i, std::string& out) {
  bool quoted = false;
  while (i < line.size() && (quoted || !IsBlank(line[i]))) {
    if (line[i] == '\\') {
      std::size_t run = 0;
      while (i < line.size() && line[i] == '\\') ++run, ++i;
      if (i < line.size() && line[i] == '"') {
        out.append(run / 2, '\\');
        if (run % 2 == 1) {
          out.push_back('"');
          ++i;
        }
      } else {
        out.append(run, '\\');
      }
    } else if (line[i] == '"') {
      if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        out.push_back('"');
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
    } else {
      i = CopyChar(line, i, out);
    }
  }
  return i;
}

bool ParseMilliseconds(const std::string& text, int& out) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end && !text.empty() && out >= 0;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> args(1);
  std::size_t i = TakeProgramName(line, args[0]);
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    args.emplace_back();
    i = TakeArgument(line, i, args.back());
  }
  return args;
}

std::string ParseOptions(const std::vector<std::string>& args, Options& out) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& name = args[i];
    const bool known = name == "--title" || name == "--scenario" || name == "--hang-after" ||
                       name == "--folder";
    if (!known) return "unknown argument: " + name;
    if (i + 1 >= args.size()) return name + " needs a value";
    const std::string& value = args[++i];
    if (name == "--title") {
      out.title = value;
    } else if (name == "--scenario") {
      out.scenario = value;
    } else if (name == "--folder") {
      out.folder = value;
    } else if (!ParseMilliseconds(value, out.hang_after_ms)) {
      return "--hang-after needs a number of milliseconds: " + value;
    }
  }
  return {};
}

}  // namespace sample_app
