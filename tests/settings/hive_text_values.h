// The settings key's values and a hive's text, both ways, for the benches whose registry keeps
// its roots as hive text (files, a browser's storage).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "settings/hive/hive.h"
#include "tests/settings/registry_bench.h"

namespace gapwise::testing_support {

inline std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

inline std::string KeyPath(reg::Root root) {
  return std::string(root == reg::Root::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE") +
         "\\Software\\Ardentree\\Gapwise";
}

// The text of a hive holding the settings key of root with these values; empty on a failure.
inline std::string HiveTextOf(reg::Root root, const TKeyValues& values) {
  THive hive;
  const std::string path = KeyPath(root);
  if (!hive.CreateKey(path)) {
    ADD_FAILURE() << "no key " << path;
    return {};
  }
  for (const TStoredValue& value : values) {
    if (!hive.SetValue(path, value.Name, {value.Type, value.Bytes})) {
      ADD_FAILURE() << value;
      return {};
    }
  }
  return hive.Serialize();
}

// The settings key's values in the text, each as the last line naming it leaves it; nothing when
// the key is missing or the text does not parse (a failure, named by `what`).
inline std::optional<TKeyValues> KeyValuesIn(reg::Root root, const std::string& text,
                                             const std::string& what) {
  const auto hive = THive::Parse(text);
  if (!hive) {
    ADD_FAILURE() << what << " does not parse";
    return std::nullopt;
  }
  const std::string path = KeyPath(root);
  if (!hive->KeyExists(path)) return std::nullopt;
  TKeyValues values;
  bool inKey = false;
  for (const THiveEntry& entry : hive->Entries()) {
    if (entry.Kind == THiveEntry::kKey) inKey = !entry.Deleted && Lower(entry.Path) == Lower(path);
    if (entry.Kind != THiveEntry::kValue || !inKey) continue;
    std::erase_if(values, [&](const auto& v) { return Lower(v.Name) == Lower(entry.Name); });
    if (!entry.Deleted) values.push_back({entry.Name, entry.Value.Type, entry.Value.Data});
  }
  return ByName(values);
}

}  // namespace gapwise::testing_support
