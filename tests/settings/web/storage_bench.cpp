// The store's table of cases over localStorage: each bench's two roots in items of their own.
#include <gtest/gtest.h>

#include <cctype>

#include "settings/hive/hive.h"
#include "settings/web/local_storage.h"
#include "tests/settings/hive_text_values.h"
#include "tests/settings/registry_bench.h"

namespace gapwise::testing_support {
namespace {

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
    ASSERT_TRUE(storage_.Set(Item(root), HiveTextOf(root, values)));
  }

  std::optional<TKeyValues> Get(reg::Root root) override {
    const std::optional<std::string> text = storage_.Get(Item(root));
    if (!text) return std::nullopt;
    return KeyValuesIn(root, *text, "the item " + Item(root));
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
