// libFuzzer target: any bytes either parse as a hive or are refused, without a fault; a parsed
// hive writes back text that parses to the same values, also after a value has been set.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/hive/hive.h"
#include "settings/text_codec.h"

namespace {

using gapwise::THive;
using gapwise::THiveEntry;
using gapwise::THiveValue;

constexpr std::size_t kChecked = 64;  // values compared per input, to keep each run short

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

bool SameValue(const THive& a, const THive& b, std::string_view path, std::string_view name) {
  const THiveValue* x = a.FindValue(path, name);
  const THiveValue* y = b.FindValue(path, name);
  return x == nullptr ? y == nullptr : y != nullptr && *x == *y;
}

// Every (key, value) pair of the first entries reads the same from both hives.
void RequireSameValues(const THive& a, const THive& b) {
  std::string_view path;
  std::size_t checked = 0;
  for (const THiveEntry& entry : a.Entries()) {
    if (entry.Kind == THiveEntry::kKey) {
      path = entry.Path;
      Require(a.KeyExists(path) == b.KeyExists(path));
    } else if (entry.Kind == THiveEntry::kValue && ++checked <= kChecked) {
      Require(SameValue(a, b, path, entry.Name));
    }
  }
}

// A value made from the input's last bytes, set under the first key the hive names.
void RequireSetValueReadsBack(THive hive, std::string_view bytes) {
  std::string path = "HKEY_CURRENT_USER\\Software\\Ardentree\\Gapwise";
  for (const THiveEntry& entry : hive.Entries()) {
    if (entry.Kind == THiveEntry::kKey && !entry.Deleted) {
      path = entry.Path;
      break;
    }
  }
  const std::string_view tail = bytes.substr(bytes.size() - std::min<std::size_t>(bytes.size(), 9));
  const THiveValue value{
      gapwise::reg::Type{tail.empty() ? 0u : static_cast<unsigned char>(tail[0]) % 12u},
      {tail.begin() + (tail.empty() ? 0 : 1), tail.end()}};
  const std::string name(tail.substr(0, tail.size() / 2));
  if (!hive.SetValue(path, name, value)) return;
  const auto reread = THive::Parse(hive.Serialize());
  Require(reread.has_value());
  const THiveValue* found = reread->FindValue(path, name);
  Require(found != nullptr);
  const bool text = gapwise::IsStringType(value.Type);
  const std::string_view data(reinterpret_cast<const char*>(value.Data.data()), value.Data.size());
  if (!hive.Unicode() || !text || gapwise::IsValidUtf8(data)) Require(*found == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto hive = THive::Parse(bytes);
  if (!hive) return 0;
  const auto again = THive::Parse(hive->Serialize());
  Require(again.has_value());
  RequireSameValues(*hive, *again);
  RequireSetValueReadsBack(*hive, bytes);
  return 0;
}
