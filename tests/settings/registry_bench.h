// One registry backend set up for the store's table of cases: the settings key under either root
// filled with given values, read back afterwards. Each backend's test program defines
// MakeRegistryBench once (the hive files on Linux, the real registry under Wine on Windows), and
// the same rows run against it.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "settings/registry.h"

namespace gapwise::testing_support {

// A value as the registry keeps it: its name, type and bytes.
struct TStoredValue {
  std::string Name;
  reg::Type Type = reg::Type::None;
  std::vector<std::uint8_t> Bytes;

  friend bool operator==(const TStoredValue&, const TStoredValue&) = default;
  friend std::ostream& operator<<(std::ostream& out, const TStoredValue& value) {
    out << '"' << value.Name << "\" type " << static_cast<std::uint32_t>(value.Type) << " [";
    for (std::size_t i = 0; i < value.Bytes.size(); ++i) {
      out << (i ? " " : "") << static_cast<int>(value.Bytes[i]);
    }
    return out << ']';
  }
};
using TKeyValues = std::vector<TStoredValue>;

inline TStoredValue Raw(std::string name, reg::Type type, std::initializer_list<int> bytes) {
  TStoredValue value{std::move(name), type, {}};
  for (const int byte : bytes) value.Bytes.push_back(static_cast<std::uint8_t>(byte));
  return value;
}

inline TStoredValue Dword(std::string name, std::uint32_t number) {
  return {std::move(name),
          reg::Type::Dword,
          {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
           static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

// A string value of type (REG_SZ unless given) with its terminating NUL.
inline TStoredValue Text(std::string name, std::string_view text,
                         reg::Type type = reg::Type::String) {
  TStoredValue value{std::move(name), type, std::vector<std::uint8_t>(text.begin(), text.end())};
  value.Bytes.push_back(0);
  return value;
}

// The values in name order, ignoring case, as a key lists them wherever it keeps them.
inline TKeyValues ByName(TKeyValues values) {
  const auto lower = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  std::stable_sort(values.begin(), values.end(),
                   [&](const auto& a, const auto& b) { return lower(a.Name) < lower(b.Name); });
  return values;
}

// The settings key, Software\Ardentree\Gapwise, under each root of one registry backend; both are
// absent when the bench is made, and the bench clears up what it made.
class TRegistryBench {
 public:
  virtual ~TRegistryBench() = default;
  // The registry that the store is handed.
  virtual reg::IRegistry& Registry() = 0;
  // Creates the key under root holding exactly these values, set in this order.
  virtual void Put(reg::Root root, const TKeyValues& values) = 0;
  // The key's values in name order (ByName), nothing when the key does not exist.
  virtual std::optional<TKeyValues> Get(reg::Root root) = 0;
};

std::unique_ptr<TRegistryBench> MakeRegistryBench();

}  // namespace gapwise::testing_support
