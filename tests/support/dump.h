#pragma once
// The runner's dump read back: "FrmTm" names a window, "FrmTm.FrmSelect" one of its controls,
// each with its key=value fields.
#include <map>
#include <sstream>
#include <string>

namespace xpexam::testing {

using DumpFields = std::map<std::string, std::string>;

// "  Label LblBiao visible=1 x=614 caption="a \"b\"\r\n"": the name, and the fields after it.
inline DumpFields ParseDumpLine(const std::string& line, std::string& name) {
  DumpFields fields;
  size_t i = line.find_first_not_of(' ');
  auto word = [&] {
    const size_t end = line.find(' ', i);
    std::string w = line.substr(i, end == std::string::npos ? std::string::npos : end - i);
    i = end == std::string::npos ? line.size() : end + 1;
    return w;
  };
  if (i == std::string::npos) return fields;
  word();  // the type
  name = word();
  while (i < line.size()) {
    const size_t eq = line.find('=', i);
    if (eq == std::string::npos) break;
    const std::string key = line.substr(i, eq - i);
    std::string value;
    i = eq + 1;
    if (i < line.size() && line[i] == '"') {
      for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
          value += line[i];
          continue;
        }
        const char c = line[++i];
        value += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
      }
      i += 2;  // the quote and the blank after it
    } else {
      value = word();
    }
    fields[key] = value;
  }
  return fields;
}

// Every window and control of a dump by name; the runner's own messages are skipped.
inline std::map<std::string, DumpFields> ParseDump(const std::string& text) {
  std::map<std::string, DumpFields> items;
  std::istringstream in(text);
  std::string window;
  for (std::string line; std::getline(in, line);) {
    const bool top = line.rfind("Window ", 0) == 0;
    if (!top && line.rfind("  ", 0) != 0) continue;
    std::string name;
    DumpFields fields = ParseDumpLine(line, name);
    if (top) window = name;
    items[top ? name : window + "." + name] = std::move(fields);
  }
  return items;
}

}  // namespace xpexam::testing
