// Writes the help texts that the program carries as one Markdown document,
// or checks that a document is still what they give:
//
//     tesvik_help_doc docs/conditions.md           # write it
//     tesvik_help_doc --check docs/conditions.md   # exit status 1 when it differs

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "app/help_texts.h"

namespace {

using tesvik::HelpResource;
using tesvik::HelpSection;

// Text of one body line in Markdown: characters that Markdown would read as
// markup are escaped, and so is a start that would open a list or heading.
std::string escape_line(std::string_view line) {
  std::string out;
  for (char c : line) {
    if (std::strchr("\\`*_[]<>|", c)) out += '\\';
    out += c;
  }
  std::size_t digits = 0;
  while (digits < out.size() && out[digits] >= '0' && out[digits] <= '9') ++digits;
  if (digits > 0 && digits < out.size() && (out[digits] == '.' || out[digits] == ')')) out.insert(digits, "\\");
  else if (!out.empty() && std::strchr("#+-=", out[0])) out.insert(0, "\\");
  return out;
}

// Each line of a body is a paragraph of its own, as the message box shows
// it on a line of its own.
void write_body(std::string& doc, std::string_view body) {
  std::size_t pos = 0;
  while (pos <= body.size()) {
    std::size_t end = body.find('\n', pos);
    if (end == std::string_view::npos) end = body.size();
    std::string_view line = body.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    if (!line.empty()) doc += escape_line(line) + "\n\n";
    pos = end + 1;
  }
}

std::string heading_of(std::string_view key) {
  const std::size_t first = key.find_first_not_of(' ');
  if (first == std::string_view::npos) return "页面总览";
  return std::string(key.substr(first));
}

// The dan-code blocks explain themselves by a picture; it stands after the
// positional-kill section, where the blocks sit on the pages.
bool picture_follows(std::string_view key) { return key == "定位杀" || key == "前六定位杀"; }

std::string document(const tesvik::HelpTexts& texts) {
  std::string doc =
      "# 条件说明\n\n"
      "程序里每个“说明”按钮显示的文字。本文由 `tools/help_doc.cpp` 从程序内置的说明文字"
      "（`resources/help/`）生成，测试保证两者一致；请修改说明文字后重新生成本文，"
      "不要直接修改本文。文中的每个例子都在 `tests/scripts/help_*.batch` 里由程序验证。\n\n";
  for (const HelpResource& r : tesvik::kHelpResources) {
    doc += "## " + std::string(r.page) + "\n\n";
    for (const HelpSection& s : texts.sections(r.section)) {
      doc += "### " + escape_line(heading_of(s.key)) + "\n\n";
      write_body(doc, s.body);
      if (picture_follows(s.key))
        doc +=
            "### 胆码开出个数（胆组）\n\n"
            "这一栏的“说明”按钮显示下面的图。\n\n"
            "![胆码开出个数说明](../resources/DM.jpg)\n\n";
    }
  }
  return doc;
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
  if (argc != 2 && !check) {
    std::fprintf(stderr, "usage: %s [--check] FILE\n", argv[0]);
    return 2;
  }
  const char* path = argv[argc - 1];
  const std::string doc = document(tesvik::help_texts());
  if (check) {
    std::ifstream in(path, std::ios::binary);
    const std::string have((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (have == doc) return 0;
    std::fprintf(stderr, "%s differs from the help texts; write it again with tesvik_help_doc %s\n", path, path);
    return 1;
  }
  std::ofstream out(path, std::ios::binary);
  out << doc;
  if (!out.flush()) {
    std::fprintf(stderr, "%s: cannot write\n", path);
    return 1;
  }
  return 0;
}
