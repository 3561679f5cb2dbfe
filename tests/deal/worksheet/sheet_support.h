// Runs the dealer and poppler-utils for the worksheet tests and reads what they give back.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "deal/worksheet_layout.h"
#include "deal/worksheet_request.h"
#include "engine/puzzle.h"

namespace gapwise {

struct TRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs a program with its arguments; stdout and stderr are kept apart.
inline TRun RunProgram(const std::string& program, const std::vector<std::string>& args) {
  const std::filesystem::path errors =
      std::filesystem::path(::testing::TempDir()) / ("sheet-err-" + std::to_string(getpid()));
  std::string command = Quoted(program);
  for (const std::string& arg : args) command.append(" ").append(Quoted(arg));
  command.append(" 2>").append(Quoted(errors.string()));
  TRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadAll(errors);
  std::filesystem::remove(errors);
  return run;
}

inline TRun Deal(const std::vector<std::string>& args) {
  return RunProgram(GAPWISE_DEAL, args);
}

// A fresh, empty folder, removed with the object.
struct TTempFolder {
  std::filesystem::path Path;
  TTempFolder() {
    std::string name = (std::filesystem::path(::testing::TempDir()) / "sheet-XXXXXX").string();
    Path = mkdtemp(name.data());
  }
  ~TTempFolder() { std::filesystem::remove_all(Path); }
};

// The raw text of one field of a dealer JSON line: a number, or a string or list with its quotes.
inline std::string Field(const std::string& line, const std::string& name) {
  const std::size_t start = line.find("\"" + name + "\":");
  if (start == std::string::npos) return "";
  const std::size_t from = start + name.size() + 3;
  const char close = line[from] == '[' ? ']' : line[from] == '"' ? '"' : ',';
  const std::size_t end = line.find_first_of(close == ',' ? ",}" : std::string(1, close), from + 1);
  return line.substr(from, end + (close == ',' ? 0 : 1) - from);
}

inline std::vector<std::string> Strings(const std::string& raw) {
  std::vector<std::string> items;
  for (std::size_t at = raw.find('"'); at != std::string::npos; at = raw.find('"', at + 1)) {
    const std::size_t end = raw.find('"', at + 1);
    items.push_back(raw.substr(at + 1, end - at - 1));
    at = end;
  }
  return items;
}

// The puzzles that the dealer prints as JSON lines for these arguments.
inline std::vector<TSheetPuzzle> DealtPuzzles(const std::vector<std::string>& args) {
  std::vector<TSheetPuzzle> puzzles;
  std::istringstream lines(Deal(args).out);
  for (std::string line; std::getline(lines, line);) {
    const auto number = [&](const char* name) { return std::stoi(Field(line, name)); };
    TPuzzle puzzle = PuzzleOf(
        static_cast<TPuzzleKind>(number("kind")), Strings(Field(line, "cells")), number("masked"),
        Strings(Field(line, "answer")).at(0), number("hidepos"), number("taillen"));
    puzzles.push_back({puzzle, Strings(Field(line, "choices"))});
  }
  return puzzles;
}

inline std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// A word that pdftotext finds on a page, and its box in points.
struct TWord {
  std::string Text;
  double Left, Top, Right, Bottom;
  double Middle() const { return (Left + Right) / 2; }
};

// The words of page `page` (from 1) of a PDF, read by pdftotext -bbox.
inline std::vector<TWord> PageWords(const std::string& pdf, int page) {
  const std::string number = std::to_string(page);
  const std::string words =
      RunProgram("pdftotext", {"-bbox", "-f", number, "-l", number, pdf, "-"}).out;
  std::vector<TWord> found;
  for (std::size_t at = words.find("<word "); at != std::string::npos;
       at = words.find("<word ", at + 1)) {
    const std::size_t close = words.find('>', at), end = words.find("</word>", close);
    const std::string tag = words.substr(at, close - at);
    const auto attribute = [&](const std::string& name) {
      return std::stod(tag.substr(tag.find(name + "=\"") + name.size() + 2));
    };
    found.push_back({words.substr(close + 1, end - close - 1), attribute("xMin"), attribute("yMin"),
                     attribute("xMax"), attribute("yMax")});
  }
  return found;
}

// A worksheet dealt by the dealer: the arguments of its JSON lines, what the sheet adds
// (--paper, --show-mask, --key-inside, ...), and whether --answer-key names the key's file.
struct SheetCase {
  std::string name;
  std::vector<std::string> deal;
  std::vector<std::string> sheet;
  bool keyApart = false;
  friend std::ostream& operator<<(std::ostream& out, const SheetCase& c) { return out << c.name; }
};

inline constexpr auto kCaseName = [](const auto& info) { return info.param.name; };

inline bool Has(const std::vector<std::string>& args, const std::string& arg) {
  return std::find(args.begin(), args.end(), arg) != args.end();
}

inline int PageCount(const std::string& pdf) {
  const std::string info = RunProgram("pdfinfo", {pdf}).out;
  const std::size_t at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

// The page that the sheet's arguments give.
inline TSheetPage PageOf(const SheetCase& c) {
  const auto has = [&](const std::string& arg) { return Has(c.deal, arg) || Has(c.sheet, arg); };
  std::vector<std::uint8_t> kinds{0, 1, 2, 3};
  if (const auto at = std::find(c.deal.begin(), c.deal.end(), "--kinds"); at != c.deal.end()) {
    kinds.clear();
    for (const char code : *(at + 1)) {
      if (code != ',') kinds.push_back(static_cast<std::uint8_t>(code - '0'));
    }
  }
  const bool letter = has("letter") || has("--paper=letter");
  return SheetPage(letter ? TPaper::Letter : TPaper::A4, has("--multiple-choice"), kinds);
}

// Deals the puzzles as JSON lines and as a worksheet, the key apart when the case says so.
class Worksheet : public ::testing::TestWithParam<SheetCase> {
 protected:
  void SetUp() override {
    puzzles_ = DealtPuzzles(GetParam().deal);
    std::vector<std::string> args = GetParam().deal;
    args.insert(args.end(), GetParam().sheet.begin(), GetParam().sheet.end());
    args.insert(args.end(), {"--worksheet", pdf_});
    if (GetParam().keyApart) args.insert(args.end(), {"--answer-key", key_});
    const TRun run = Deal(args);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(run.out.empty() && run.err.empty()) << run.out << run.err;
    if (Has(GetParam().sheet, "--key-inside")) {
      key_ = pdf_;
      keyFirst_ = PuzzlePages(PageOf(GetParam()), static_cast<int>(puzzles_.size())) + 1;
    } else if (!GetParam().keyApart) {
      key_ = (folder_.Path / "sheet-key.pdf").string();
    }
  }

  // The text of pages first to last of a PDF, laid out as printed, or of the crop of each page.
  static std::string Text(const std::string& pdf, int first, int last,
                          const TSheetRect* crop = nullptr) {
    std::vector<std::string> args{"-layout", "-f", std::to_string(first), "-l",
                                  std::to_string(last)};
    if (crop != nullptr) {
      const auto at = [&](double v) { return std::to_string(static_cast<int>(v)); };
      args.insert(args.end(), {"-x", at(crop->Left + 1), "-y", at(crop->Top + 1), "-W",
                               at(crop->Width - 2), "-H", at(crop->Height - 2)});
    }
    args.insert(args.end(), {pdf, "-"});
    return RunProgram("pdftotext", args).out;
  }

  TTempFolder folder_;
  std::string pdf_ = (folder_.Path / "sheet.pdf").string();
  std::string key_ = (folder_.Path / "key.pdf").string();  // the key's file, once dealt
  int keyFirst_ = 1;                                       // the key's first page in it
  std::vector<TSheetPuzzle> puzzles_;
};

}  // namespace gapwise
