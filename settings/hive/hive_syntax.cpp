#include "settings/hive/hive_syntax.h"

#include <cstdint>

#include "settings/text_codec.h"

namespace gapwise {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

void SkipSpace(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
}

// Nothing but blanks and perhaps a comment follow.
bool OnlyTrailer(std::string_view rest) {
  rest = TrimLeft(rest);
  return rest.empty() || rest.front() == ';';
}

// A quoted text at text[pos] with the escapes \\ and \"; pos moves past the closing quote.
bool ReadQuoted(std::string_view text, std::size_t& pos, std::string& out) {
  if (pos >= text.size() || text[pos] != '"') return false;
  for (++pos; pos < text.size();) {
    const char c = text[pos++];
    if (c == '"') return true;
    if (c == '\\') {
      if (pos >= text.size() || (text[pos] != '\\' && text[pos] != '"')) return false;
      out += text[pos++];
    } else {
      out += c;
    }
  }
  return false;
}

// One to maxDigits hexadecimal digits, and no more.
bool ReadHex(std::string_view text, std::size_t& pos, std::size_t maxDigits, std::uint32_t& value) {
  std::size_t count = 0;
  value = 0;
  for (; pos < text.size() && HexDigit(text[pos]) >= 0; ++pos, ++count) {
    if (count == maxDigits) return false;
    value = value * 16 + static_cast<std::uint32_t>(HexDigit(text[pos]));
  }
  return count > 0;
}

// "xx,xx,..." with blanks allowed around the bytes; empty is no bytes; a comment may follow.
bool ReadByteList(std::string_view text, std::vector<std::uint8_t>& out) {
  std::size_t pos = 0;
  SkipSpace(text, pos);
  if (OnlyTrailer(text.substr(pos))) return true;
  for (;;) {
    std::uint32_t byte = 0;
    if (!ReadHex(text, pos, 2, byte)) return false;
    out.push_back(static_cast<std::uint8_t>(byte));
    SkipSpace(text, pos);
    if (pos >= text.size() || text[pos] == ';') return true;
    if (text[pos] != ',') return false;
    ++pos;
    SkipSpace(text, pos);
  }
}

// hex:.. or hex(N):.., joined over the lines that end in a backslash.
bool ReadHexData(std::string_view data, const std::vector<std::string_view>& lines, std::size_t& i,
                 THiveEntry& entry, bool unicode) {
  std::size_t pos = 3;
  entry.Value.Type = reg::Type::Binary;
  if (pos < data.size() && data[pos] == '(') {
    ++pos;
    std::uint32_t type = 0;
    if (!ReadHex(data, pos, 8, type)) return false;
    entry.Value.Type = static_cast<reg::Type>(type);
    if (pos >= data.size() || data[pos++] != ')') return false;
  }
  if (pos >= data.size() || data[pos++] != ':') return false;
  std::string joined(data.substr(pos));
  for (;;) {
    const std::size_t kept = TrimRight(joined).size();
    if (kept == 0 || joined[kept - 1] != '\\') break;
    joined.resize(kept - 1);
    if (i + 1 >= lines.size()) return false;
    entry.Lines.emplace_back(lines[++i]);
    joined += TrimLeft(lines[i]);
  }
  if (!ReadByteList(joined, entry.Value.Data)) return false;
  if (unicode && IsStringType(entry.Value.Type)) {
    const std::string_view bytes(reinterpret_cast<const char*>(entry.Value.Data.data()),
                                 entry.Value.Data.size());
    if (const auto text = Utf16LeToUtf8(bytes)) entry.Value.Data.assign(text->begin(), text->end());
  }
  return true;
}

bool ReadData(std::string_view data, const std::vector<std::string_view>& lines, std::size_t& i,
              THiveEntry& entry, bool unicode) {
  std::size_t pos = 0;
  if (!data.empty() && data.front() == '"') {
    std::string text;
    if (!ReadQuoted(data, pos, text)) return false;
    entry.Value.Type = reg::Type::String;
    entry.Value.Data.assign(text.begin(), text.end());
    entry.Value.Data.push_back(0);
    return OnlyTrailer(data.substr(pos));
  }
  if (StartsWithNoCase(data, "dword:")) {
    pos = 6;
    std::uint32_t number = 0;
    if (!ReadHex(data, pos, 8, number)) return false;
    entry.Value.Type = reg::Type::Dword;
    for (int k = 0; k < 4; ++k) {
      entry.Value.Data.push_back(static_cast<std::uint8_t>(number >> (8 * k)));
    }
    return OnlyTrailer(data.substr(pos));
  }
  if (StartsWithNoCase(data, "hex")) return ReadHexData(data, lines, i, entry, unicode);
  if (!data.empty() && data.front() == '-') {
    entry.Deleted = true;
    return OnlyTrailer(data.substr(1));
  }
  return false;
}

}  // namespace

std::string_view TrimLeft(std::string_view text) {
  std::size_t pos = 0;
  SkipSpace(text, pos);
  return text.substr(pos);
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (Lower(a[k]) != Lower(b[k])) return false;
  }
  return true;
}

bool IsBlankOrComment(std::string_view line) {
  line = TrimLeft(line);
  return line.empty() || line.front() == ';';
}

bool ParseKeyLine(std::string_view line, std::string& path, bool& deleted) {
  line = TrimLeft(line);
  const std::size_t close = line.rfind(']');
  if (line.empty() || line.front() != '[' || close == std::string_view::npos) return false;
  if (!OnlyTrailer(line.substr(close + 1))) return false;
  std::string_view inner = line.substr(1, close - 1);
  deleted = !inner.empty() && inner.front() == '-';
  if (deleted) inner.remove_prefix(1);
  if (inner.empty()) return false;
  path.assign(inner);
  return true;
}

std::optional<THiveEntry> ParseValueEntry(const std::vector<std::string_view>& lines,
                                          std::size_t& i, bool unicode) {
  const std::string_view line = TrimLeft(lines[i]);
  THiveEntry entry;
  entry.Kind = THiveEntry::kValue;
  entry.Lines.emplace_back(lines[i]);
  std::size_t pos = 0;
  if (!line.empty() && line.front() == '@') {
    pos = 1;
  } else if (!ReadQuoted(line, pos, entry.Name)) {
    return {};
  }
  SkipSpace(line, pos);
  if (pos >= line.size() || line[pos] != '=') return {};
  ++pos;
  SkipSpace(line, pos);
  if (!ReadData(line.substr(pos), lines, i, entry, unicode)) return {};
  return entry;
}

}  // namespace gapwise
