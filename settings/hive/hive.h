// A hive file in the registry editor's text format, kept line by line so that a rewrite changes
// only the values set through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/registry.h"

namespace gapwise {

inline constexpr std::size_t kMaxHiveBytes = 1 << 20;  // a larger file is not a hive

struct THiveValue {
  reg::Type Type = reg::Type::None;
  std::vector<std::uint8_t> Data;

  friend bool operator==(const THiveValue&, const THiveValue&) = default;
};

// The types whose data is text: in a Unicode hive it is kept as UTF-16LE.
inline bool IsStringType(reg::Type type) {
  return type == reg::Type::String || type == reg::Type::ExpandString ||
         type == reg::Type::MultiString;
}

// One key section header, one value (with its continuation lines), or any other line.
struct THiveEntry {
  enum TKind : std::uint8_t { kOther, kKey, kValue };
  TKind Kind = kOther;
  std::vector<std::string> Lines;  // the text as read (UTF-8 in a Unicode file); empty once changed
  std::string Path;                // kKey: the key's full path, root name first
  std::string Name;                // kValue: the value's name, empty for the default value
  bool Deleted = false;            // "[-path]" or "name"=-
  THiveValue Value;                // kValue
};

enum class THiveEncoding : std::uint8_t { k8Bit, kUtf8Bom, kUtf16Le };

class THive {
 public:
  // A new, empty REGEDIT4 hive written with CRLF line ends.
  THive();

  // Nothing when bytes are not a hive: no header, a line that is not a key, value or comment,
  // a bad escape, a truncated value, a control or NUL byte, or more than kMaxHiveBytes. Then
  // *badLine (when given) is the line at fault, counted from 1, or 0 for a file too large.
  static std::optional<THive> Parse(std::string_view bytes, std::size_t* badLine = nullptr);

  // The file's bytes in its own encoding and line ends; lines not changed are written as read.
  std::string Serialize() const;

  // As an import would leave the registry: a key exists when a section names it or a subkey.
  bool KeyExists(std::string_view path) const;
  const THiveValue* FindValue(std::string_view path, std::string_view name) const;

  // False when the path or name cannot be written in this format (control characters...).
  bool CreateKey(std::string_view path);
  bool SetValue(std::string_view path, std::string_view name, const THiveValue& value);

  bool Unicode() const { return unicode_; }
  const std::vector<THiveEntry>& Entries() const { return entries_; }

 private:
  struct TWalk;
  TWalk Walk(std::string_view path, std::string_view name) const;
  bool Representable(std::string_view text) const;
  void AppendSection(std::string_view path);

  bool unicode_ = false;  // "Windows Registry Editor Version 5.00": string data as UTF-16LE
  THiveEncoding encoding_ = THiveEncoding::k8Bit;
  std::string eol_ = "\r\n";
  std::vector<THiveEntry> entries_;
};

// The text of one value entry as the registry editor writes it, without line ends.
std::vector<std::string> FormatValueLines(const THiveEntry& entry, bool unicode);

}  // namespace gapwise
