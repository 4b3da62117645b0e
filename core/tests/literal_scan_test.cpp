// Every non-integer floating literal in the program's sources must be a long
// double literal: a plain 0.1 is a double and silently changes results.
// A line computing in double on purpose says so with a "double-literal"
// comment.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Blanks out comments, string and character literals, keeping line breaks.
std::string StripCommentsAndStrings(const std::string& src) {
  std::string out = src;
  enum { Code, Line, Block, String, Char, Raw } state = Code;
  std::string rawEnd;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const char c = src[i];
    const char next = i + 1 < src.size() ? src[i + 1] : '\0';
    switch (state) {
    case Code:
      if (c == '/' && next == '/') {
        state = Line;
        out[i] = ' ';
      } else if (c == '/' && next == '*') {
        state = Block;
        out[i] = ' ';
      } else if (c == 'R' && next == '"' &&
                 (i == 0 || !IsIdentChar(src[i - 1]) || src[i - 1] == 'u' || src[i - 1] == '8' ||
                  src[i - 1] == 'L')) {
        const std::size_t open = src.find('(', i + 2);
        rawEnd = ")" + src.substr(i + 2, open - i - 2) + "\"";
        state = Raw;
      } else if (c == '"') {
        state = String;
      } else if (c == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(src[i - 1])))) {
        state = Char;
      }
      break;
    case Line:
      if (c == '\n')
        state = Code;
      else
        out[i] = ' ';
      break;
    case Block:
      if (c == '*' && next == '/') {
        out[i] = out[i + 1] = ' ';
        ++i;
        state = Code;
      } else if (c != '\n') {
        out[i] = ' ';
      }
      break;
    case String:
    case Char:
      if (c == '\\') {
        out[i] = ' ';
        if (i + 1 < out.size())
          out[++i] = ' ';
      } else if ((state == String && c == '"') || (state == Char && c == '\'')) {
        state = Code;
      } else if (c != '\n') {
        out[i] = ' ';
      }
      break;
    case Raw:
      if (src.compare(i, rawEnd.size(), rawEnd) == 0) {
        i += rawEnd.size() - 1;
        state = Code;
      } else if (c != '\n') {
        out[i] = ' ';
      }
      break;
    }
  }
  return out;
}

// The floating literals of a line without an L suffix.
std::vector<std::string> UnsuffixedFloats(const std::string& line) {
  std::vector<std::string> found;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const bool startsDigit = std::isdigit(static_cast<unsigned char>(line[i]));
    const bool startsPoint =
        line[i] == '.' && i + 1 < line.size() && std::isdigit(static_cast<unsigned char>(line[i + 1]));
    if (!(startsDigit || startsPoint) || (i > 0 && (IsIdentChar(line[i - 1]) || line[i - 1] == '.')))
      continue;
    std::size_t j = i;
    while (j < line.size()) {
      const char c = line[j];
      if (IsIdentChar(c) || c == '.' || c == '\'') {
        ++j;
      } else if ((c == '+' || c == '-') && (line[j - 1] == 'e' || line[j - 1] == 'E') &&
                 !(line[i] == '0' && j > i + 1 && (line[i + 1] == 'x' || line[i + 1] == 'X'))) {
        ++j;
      } else {
        break;
      }
    }
    const std::string token = line.substr(i, j - i);
    i = j;
    const bool hex = token.size() > 1 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X');
    const bool floating =
        !hex && (token.find('.') != std::string::npos || token.find_first_of("eE") != std::string::npos);
    if (floating && token.back() != 'L' && token.back() != 'l')
      found.push_back(token);
  }
  return found;
}

bool IsScanned(const fs::path& path) {
  const std::string ext = path.extension().string();
  if (ext != ".h" && ext != ".cpp" && ext != ".hpp" && ext != ".cc")
    return false;
  for (const auto& part : path) {
    const std::string name = part.string();
    if (name == "tests" || name == "test" || name == "bench" || name.rfind("build", 0) == 0 || name == ".git")
      return false;
  }
  return true;
}

} // namespace

TEST(LiteralScan, FindsUnsuffixedLiterals) {
  const auto hits = [](const std::string& line) { return UnsuffixedFloats(StripCommentsAndStrings(line)); };
  EXPECT_EQ(hits("x * 0.01").size(), 1U);
  EXPECT_EQ(hits("x * 1e-6").size(), 1U);
  EXPECT_EQ(hits("x * .5").size(), 1U);
  EXPECT_EQ(hits("x * 2.").size(), 1U);
  EXPECT_EQ(hits("x * 0.01L + 1e-6L + 1000 + 0x1e5 + 1'000").size(), 0U);
  EXPECT_EQ(hits("f(\"0.5\") // 0.5").size(), 0U);
  EXPECT_EQ(hits("v2.5 + a.b1").size(), 0U);
}

TEST(LiteralScan, ProgramSourcesUseLongDoubleLiterals) {
  const fs::path root = QUELM_SOURCE_DIR;
  std::vector<std::string> problems;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const fs::path relative = fs::relative(entry.path(), root);
    if (!entry.is_regular_file() || !IsScanned(relative))
      continue;
    ++files;
    std::ifstream in(entry.path());
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string raw = buffer.str();
    const std::string code = StripCommentsAndStrings(raw);
    std::istringstream rawLines(raw), codeLines(code);
    std::string rawLine, codeLine;
    for (int number = 1; std::getline(rawLines, rawLine) && std::getline(codeLines, codeLine); ++number) {
      if (rawLine.find("double-literal") != std::string::npos)
        continue;
      for (const auto& token : UnsuffixedFloats(codeLine))
        problems.push_back(relative.string() + ":" + std::to_string(number) + ": " + token);
    }
  }
  EXPECT_GT(files, 5);
  std::string report;
  for (const auto& p : problems)
    report += p + "\n";
  EXPECT_TRUE(problems.empty()) << "floating literals without the L suffix:\n" << report;
}
