#include <cstdio>

#include "settings/hive/hive.h"
#include "settings/text_codec.h"

namespace gapwise {
namespace {

constexpr std::size_t kLineWidth = 80;  // hex data wraps as the registry editor wraps it

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string Hex(unsigned value, int digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*x", digits, value);
  return buffer;
}

// A string value that the quoted form gives back exactly: one closing NUL, no control bytes.
bool IsPlainString(const THiveValue& value, bool unicode) {
  const auto& data = value.Data;
  if (value.Type != reg::Type::String || data.empty() || data.back() != 0) return false;
  for (std::size_t k = 0; k + 1 < data.size(); ++k) {
    if (data[k] < 0x20) return false;
  }
  const std::string_view text(reinterpret_cast<const char*>(data.data()), data.size() - 1);
  return !unicode || IsValidUtf8(text);
}

std::vector<std::string> HexLines(std::string head, std::string_view bytes) {
  std::vector<std::string> lines{std::move(head)};
  bool byteOnLine = false;
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    std::string item = Hex(static_cast<unsigned char>(bytes[k]), 2);
    if (k + 1 < bytes.size()) item += ',';
    if (byteOnLine && lines.back().size() + item.size() + 1 > kLineWidth) {
      lines.back() += '\\';
      lines.emplace_back("  ");
    }
    lines.back() += item;
    byteOnLine = true;
  }
  return lines;
}

}  // namespace

std::vector<std::string> FormatValueLines(const THiveEntry& entry, bool unicode) {
  std::string head = (entry.Name.empty() ? std::string("@") : Quote(entry.Name)) + "=";
  if (entry.Deleted) return {head + "-"};
  const THiveValue& value = entry.Value;
  const std::string_view data(reinterpret_cast<const char*>(value.Data.data()), value.Data.size());
  if (IsPlainString(value, unicode)) return {head + Quote(data.substr(0, data.size() - 1))};
  if (value.Type == reg::Type::Dword && data.size() == 4) {
    const unsigned number = value.Data[0] | value.Data[1] << 8 | value.Data[2] << 16 |
                            static_cast<unsigned>(value.Data[3]) << 24;
    return {head + "dword:" + Hex(number, 8)};
  }
  head += value.Type == reg::Type::Binary
              ? "hex:"
              : "hex(" + Hex(static_cast<unsigned>(value.Type), 1) + "):";
  if (unicode && IsStringType(value.Type)) return HexLines(std::move(head), Utf8ToUtf16Le(data));
  return HexLines(std::move(head), data);
}

std::string THive::Serialize() const {
  std::string text;
  for (const THiveEntry& entry : entries_) {
    std::vector<std::string> generated;
    if (entry.Lines.empty() && entry.Kind == THiveEntry::kKey) {
      std::string line(1, '[');
      if (entry.Deleted) line += '-';
      line += entry.Path;
      line += ']';
      generated.push_back(std::move(line));
    } else if (entry.Lines.empty()) {
      generated = FormatValueLines(entry, unicode_);
    }
    for (const std::string& line : entry.Lines.empty() ? generated : entry.Lines) {
      text += line;
      text += eol_;
    }
  }
  switch (encoding_) {
    case THiveEncoding::kUtf16Le:
      return "\xFF\xFE" + Utf8ToUtf16Le(text);
    case THiveEncoding::kUtf8Bom:
      return "\xEF\xBB\xBF" + text;
    case THiveEncoding::k8Bit:
      break;
  }
  return text;
}

}  // namespace gapwise
