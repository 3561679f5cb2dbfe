// The store's table of cases over the hive files: both hives in a scratch folder of their own.
#include <stdlib.h>

#include <cctype>
#include <filesystem>

#include "hive_fixture.h"
#include "settings/hive/hive.h"
#include "settings/hive/hive_registry.h"
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
    THive hive;
    const std::string path = KeyPath(root);
    ASSERT_TRUE(hive.CreateKey(path));
    for (const TStoredValue& value : values) {
      ASSERT_TRUE(hive.SetValue(path, value.Name, {value.Type, value.Bytes})) << value;
    }
    WriteFile(File(root), hive.Serialize());
  }

  std::optional<TKeyValues> Get(reg::Root root) override {
    if (!std::filesystem::exists(File(root))) return std::nullopt;
    const auto hive = THive::Parse(ReadFile(File(root)));
    if (!hive) {
      ADD_FAILURE() << "the hive " << File(root) << " does not parse";
      return std::nullopt;
    }
    const std::string path = KeyPath(root);
    if (!hive->KeyExists(path)) return std::nullopt;
    // Each value of the key as the last line naming it leaves it.
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
