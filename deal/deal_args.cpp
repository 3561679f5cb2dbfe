#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <filesystem>
#include <sstream>
#include <utility>

#include "deal/deal.h"

namespace gapwise {

const char* const kDealUsage =
    "usage: gapwise-deal --seed N [--count C] [--kinds LIST] [--multiple-choice] [--layout]"
    " [--show-settings] [--worksheet FILE.pdf [--answer-key KEY.pdf | --key-inside]"
    " [--paper a4|letter] [--show-mask] [--placeholder-zero] [--grid]],"
    " or gapwise-deal --show-settings";

namespace {

template <typename T>
std::optional<T> ParseDecimal(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return {};
  T value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return {};
  return value;
}

std::optional<std::vector<std::uint8_t>> ParseKinds(const std::string& list) {
  std::vector<std::uint8_t> kinds;
  std::stringstream in(list);
  std::string item;
  while (std::getline(in, item, ',')) {
    const auto code = ParseDecimal<unsigned>(item);
    if (!code || *code >= kKindCount) return {};
    kinds.push_back(static_cast<std::uint8_t>(*code));
  }
  if (kinds.empty() || kinds.size() > 4 || list.back() == ',') return {};
  return kinds;
}

// Applies one option that takes a value; returns an error text, empty when it was fine.
std::string TakeValue(const std::string& name, const std::string& value, DealOptions& options) {
  if (name == "--seed") {
    options.seed = ParseDecimal<std::uint32_t>(value);
    return options.seed ? "" : "the seed must be an unsigned 32-bit decimal number";
  }
  if (name == "--count") {
    const auto count = ParseDecimal<std::uint64_t>(value);
    options.count = count && *count <= INT_MAX ? static_cast<int>(*count) : -1;
    return "";
  }
  if (name == "--worksheet") {
    options.worksheet = value;
    return value.empty() ? "the worksheet needs a file name" : "";
  }
  if (name == "--answer-key") {
    options.answerKey = value;
    return value.empty() ? "the answer key needs a file name" : "";
  }
  if (name == "--paper") {
    if (value != "a4" && value != "letter") return "the paper must be a4 or letter";
    options.paper = value == "a4" ? TPaper::A4 : TPaper::Letter;
    return "";
  }
  const auto kinds = ParseKinds(value);
  if (!kinds) return "the kinds must be one to four codes from 0 to 3, separated by commas";
  options.kinds = *kinds;
  options.kindsGiven = true;
  return "";
}

bool TakesValue(const std::string& name) {
  return name == "--seed" || name == "--count" || name == "--kinds" || name == "--worksheet" ||
         name == "--answer-key" || name == "--paper";
}

// The path made absolute, with "." and ".." resolved and symbolic links followed as far as it
// exists.
std::filesystem::path Resolved(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
  return error ? absolute.lexically_normal() : resolved;
}

// Whether two paths name the same file: one file through two links, or one place on the disk.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) || Resolved(a) == Resolved(b);
}

// The count's allowed range, as an error text when it is outside; empty when fine.
std::string CountError(const DealOptions& options) {
  const int most = options.worksheet.empty() ? INT_MAX : kMostSheetPuzzles;
  if (options.count >= 1 && options.count <= most) return "";
  return "the count must be a whole number from 1 to " + std::to_string(most) +
         (options.worksheet.empty() ? "" : " on a worksheet");
}

// The options that go with a worksheet only, or not with one; an error text, empty when fine.
// Names the answer key's default file when the key is neither named nor inside.
std::string SheetConflict(DealOptions& options) {
  if (options.worksheet.empty()) {
    const bool sheetOnly = options.paper || options.showMask || options.placeholderZero ||
                           options.grid || options.keyInside || !options.answerKey.empty();
    return sheetOnly ? "--paper, --show-mask, --placeholder-zero, --grid, --answer-key and"
                       " --key-inside need --worksheet"
                     : "";
  }
  if (options.keyInside && !options.answerKey.empty()) {
    return "--key-inside puts the answer key in the worksheet, not in --answer-key";
  }
  if (!options.keyInside && options.answerKey.empty()) {
    options.answerKey = DefaultKeyPath(options.worksheet);
  }
  if (!options.keyInside && SameFile(options.worksheet, options.answerKey)) {
    return "the answer key and the worksheet are the same file";
  }
  if (!options.seed) return "--worksheet needs --seed";
  if (options.layout) return "--layout prints JSON lines, not a worksheet";
  return "";
}

// Sets the option that a switch (an option without a value) stands for; false for any other.
bool TakeSwitch(const std::string& name, DealOptions& options) {
  static const std::pair<const char*, bool DealOptions::*> kSwitches[] = {
      {"--multiple-choice", &DealOptions::multipleChoice},
      {"--show-settings", &DealOptions::showSettings},
      {"--layout", &DealOptions::layout},
      {"--show-mask", &DealOptions::showMask},
      {"--key-inside", &DealOptions::keyInside},
      {"--placeholder-zero", &DealOptions::placeholderZero},
      {"--grid", &DealOptions::grid},
  };
  for (const auto& [option, field] : kSwitches) {
    if (name == option) {
      options.*field = true;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string DefaultKeyPath(const std::string& sheet) {
  const std::string pdf = ".pdf";
  const bool endsInPdf = sheet.size() > pdf.size() &&
                         std::equal(pdf.rbegin(), pdf.rend(), sheet.rbegin(), [](char a, char b) {
                           return a == std::tolower(static_cast<unsigned char>(b));
                         });
  return sheet.substr(0, endsInPdf ? sheet.size() - pdf.size() : sheet.size()) + "-key.pdf";
}

std::optional<DealOptions> ParseDealArgs(const std::vector<std::string>& args, std::string& error) {
  DealOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); eq != std::string::npos && name.starts_with("--")) {
      value = name.substr(eq + 1);
      name.resize(eq);
    }
    if (!value && TakeSwitch(name, options)) continue;
    if (!TakesValue(name)) {
      error = "unknown argument '" + args[i] + "'";
      return {};
    }
    if (!value) {
      if (i + 1 >= args.size()) {
        error = name + " needs a value";
        return {};
      }
      value = args[++i];
    }
    error = TakeValue(name, *value, options);
    if (!error.empty()) return {};
  }
  error = CountError(options);
  if (error.empty()) error = SheetConflict(options);
  if (!error.empty()) return {};
  return options;
}

}  // namespace gapwise
