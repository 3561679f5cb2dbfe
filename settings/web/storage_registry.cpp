#include "settings/web/storage_registry.h"

#include <utility>

namespace gapwise {

using reg::Status;

TStorageRegistry::TStorageRegistry(ITextStorage& storage, TStorageItems items)
    : storage_(storage), items_(std::move(items)) {}

const std::string& TStorageRegistry::ItemOf(bool user) const {
  return user ? items_.CurrentUser : items_.LocalMachine;
}

Status TStorageRegistry::ReadHive(bool user, THive& hive, std::size_t& badLine) {
  badLine = 0;
  if (ItemOf(user).empty()) return Status::NotFound;
  const std::optional<std::string> text = storage_.Get(ItemOf(user));
  if (!text) return Status::NotFound;
  auto parsed = THive::Parse(*text, &badLine);
  if (!parsed) return Status::BadDatabase;
  hive = std::move(*parsed);
  return Status::Success;
}

// The machine's root is only read.
Status TStorageRegistry::MayWrite(bool user) {
  return user && !ItemOf(true).empty() ? Status::Success : Status::AccessDenied;
}

bool TStorageRegistry::WriteHive(bool user, const std::string& text) {
  return storage_.Set(ItemOf(user), text);
}

std::string TStorageRegistry::DescribeUnreadable(reg::Root root) const {
  std::string text = "the stored settings '" + ItemOf(IsUser(root)) + "'";
  if (const std::size_t line = BadLine(root); line > 0) {
    text += " (line " + std::to_string(line) + ")";
  }
  return text;
}

}  // namespace gapwise
