// The store's table of cases over the hive files: both hives in a scratch folder of their own.
#include <stdlib.h>

#include <cctype>
#include <filesystem>

#include "hive_fixture.h"
#include "settings/hive/hive.h"
#include "settings/hive/hive_registry.h"
#include "tests/settings/hive_text_values.h"
#include "tests/settings/registry_bench.h"

namespace gapwise::testing_support {
namespace {

class THiveBench : public TRegistryBench {
 public:
  THiveBench() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "gapwise-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no scratch folder";
    dir_ = pattern;
    registry_.emplace(THivePaths{(dir_ / "config/gapwise/registry.reg").string(),
                                 (dir_ / "share/gapwise/machine.reg").string()});
  }
  ~THiveBench() override { std::filesystem::remove_all(dir_); }

  reg::IRegistry& Registry() override { return *registry_; }

  void Put(reg::Root root, const TKeyValues& values) override {
    WriteFile(File(root), HiveTextOf(root, values));
  }

  std::optional<TKeyValues> Get(reg::Root root) override {
    if (!std::filesystem::exists(File(root))) return std::nullopt;
    return KeyValuesIn(root, ReadFile(File(root)), "the hive " + File(root).string());
  }

 private:
  std::filesystem::path File(reg::Root root) const {
    return root == reg::Root::CurrentUser ? registry_->Paths().CurrentUser
                                          : registry_->Paths().LocalMachine;
  }

  std::filesystem::path dir_;
  std::optional<THiveRegistry> registry_;
};

}  // namespace

std::unique_ptr<TRegistryBench> MakeRegistryBench() {
  return std::make_unique<THiveBench>();
}

}  // namespace gapwise::testing_support
