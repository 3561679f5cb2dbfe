#include <string>

#include "settings/hive/hive.h"
#include "settings/hive/hive_syntax.h"
#include "settings/text_codec.h"

namespace gapwise {
namespace {

constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Splits at LF or CRLF; the first line end found is the file's. False for any other control
// byte (tabs aside), which is how binary data and NULs are turned away.
bool SplitLines(std::string_view text, std::vector<std::string_view>& lines, std::string& eol) {
  std::size_t start = 0;
  bool eolSeen = false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const unsigned char c = static_cast<unsigned char>(text[k]);
    if (c == '\n') {
      const bool crlf = k > start && text[k - 1] == '\r';
      if (!eolSeen) eol = crlf ? "\r\n" : "\n";
      eolSeen = true;
      lines.push_back(text.substr(start, k - start - (crlf ? 1 : 0)));
      start = k + 1;
    } else if (c < 0x20 && c != '\t' &&
               !(c == '\r' && k + 1 < text.size() && text[k + 1] == '\n')) {
      return false;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return true;
}

// The line of the first UTF-16LE line that does not decode (an odd last byte included).
std::size_t BadUtf16Line(std::string_view units) {
  std::size_t line = 1;
  std::size_t start = 0;
  for (std::size_t k = 0; k + 1 < units.size(); k += 2) {
    if (units[k] != '\n' || units[k + 1] != '\0') continue;
    if (!Utf16LeToUtf8(units.substr(start, k - start))) return line;
    ++line;
    start = k + 2;
  }
  return line;
}

}  // namespace

std::optional<THive> THive::Parse(std::string_view bytes, std::size_t* badLine) {
  std::size_t unused = 0;
  std::size_t& line = badLine ? *badLine : unused;
  const auto reject = [&line](std::size_t at) {
    line = at;
    return std::nullopt;
  };
  if (bytes.size() > kMaxHiveBytes) return reject(0);
  THive hive;
  hive.entries_.clear();
  std::string text;
  if (bytes.starts_with(kUtf16Bom)) {
    auto decoded = Utf16LeToUtf8(bytes.substr(kUtf16Bom.size()));
    if (!decoded) return reject(BadUtf16Line(bytes.substr(kUtf16Bom.size())));
    text = std::move(*decoded);
    hive.encoding_ = THiveEncoding::kUtf16Le;
  } else if (bytes.starts_with(kUtf8Bom)) {
    text = bytes.substr(kUtf8Bom.size());
    hive.encoding_ = THiveEncoding::kUtf8Bom;
  } else {
    text = bytes;
  }
  // Blanks after the last line are padding that a save in place left when it stopped early.
  while (text.ends_with(' ')) text.pop_back();
  std::vector<std::string_view> lines;
  if (!SplitLines(text, lines, hive.eol_)) return reject(lines.size() + 1);
  if (lines.empty()) return reject(1);
  const std::string_view header = TrimRight(lines[0]);
  if (header != kHeader4 && header != kHeader5) return reject(1);
  hive.unicode_ = header == kHeader5;
  hive.entries_.push_back({THiveEntry::kOther, {std::string(lines[0])}, {}, {}, false, {}});
  bool inSection = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    THiveEntry entry;
    if (IsBlankOrComment(lines[i])) {
      entry.Lines.emplace_back(lines[i]);
    } else if (TrimLeft(lines[i]).front() == '[') {
      if (!ParseKeyLine(lines[i], entry.Path, entry.Deleted)) return reject(i + 1);
      entry.Kind = THiveEntry::kKey;
      entry.Lines.emplace_back(lines[i]);
      inSection = true;
    } else {
      const std::size_t first = i;
      auto value = inSection ? ParseValueEntry(lines, i, hive.unicode_) : std::nullopt;
      if (!value) return reject(first + 1);
      entry = std::move(*value);
    }
    hive.entries_.push_back(std::move(entry));
  }
  return hive;
}

}  // namespace gapwise
