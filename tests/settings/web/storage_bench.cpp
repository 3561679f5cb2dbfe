// The store's table of cases over localStorage: each bench's two roots in items of their own.
#include <gtest/gtest.h>

#include <cctype>

#include "settings/hive/hive.h"
#include "settings/web/local_storage.h"
#include "tests/settings/registry_bench.h"

namespace gapwise::testing_support {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string KeyPath(reg::Root root) {
  return std::string(root == reg::Root::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE") +
         "\\Software\\Ardentree\\Gapwise";
}

// Items never used before, so that both roots start absent.
TStorageItems FreshItems() {
  static int bench = 0;
  const std::string prefix = "gapwise-bench-" + std::to_string(++bench);
  return TStorageItems{prefix + "/user.reg", prefix + "/machine.reg"};
}

class TStorageBench : public TRegistryBench {
 public:
  TStorageBench() : items_(FreshItems()), registry_(storage_, items_) {}

  reg::IRegistry& Registry() override { return registry_; }

  void Put(reg::Root root, const TKeyValues& values) override {
    THive hive;
    const std::string path = KeyPath(root);
    ASSERT_TRUE(hive.CreateKey(path));
    for (const TStoredValue& value : values) {
      ASSERT_TRUE(hive.SetValue(path, value.Name, {value.Type, value.Bytes})) << value;
    }
    ASSERT_TRUE(storage_.Set(Item(root), hive.Serialize()));
  }

  std::optional<TKeyValues> Get(reg::Root root) override {
    const std::optional<std::string> text = storage_.Get(Item(root));
    if (!text) return std::nullopt;
    const auto hive = THive::Parse(*text);
    if (!hive) {
      ADD_FAILURE() << "the item " << Item(root) << " does not parse";
      return std::nullopt;
    }
    const std::string path = KeyPath(root);
    if (!hive->KeyExists(path)) return std::nullopt;
    TKeyValues values;
    bool inKey = false;
    for (const THiveEntry& entry : hive->Entries()) {
      if (entry.Kind == THiveEntry::kKey)
        inKey = !entry.Deleted && Lower(entry.Path) == Lower(path);
      if (entry.Kind != THiveEntry::kValue || !inKey) continue;
      std::erase_if(values, [&](const auto& v) { return Lower(v.Name) == Lower(entry.Name); });
      if (!entry.Deleted) values.push_back({entry.Name, entry.Value.Type, entry.Value.Data});
    }
    return ByName(values);
  }

 private:
  const std::string& Item(reg::Root root) const {
    return root == reg::Root::CurrentUser ? items_.CurrentUser : items_.LocalMachine;
  }

  TLocalStorage storage_;
  TStorageItems items_;
  TStorageRegistry registry_;
};

}  // namespace

std::unique_ptr<TRegistryBench> MakeRegistryBench() {
  return std::make_unique<TStorageBench>();
}

}  // namespace gapwise::testing_support
