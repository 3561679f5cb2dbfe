#include <cstddef>

#include "settings/hive/hive.h"
#include "settings/hive/hive_syntax.h"
#include "settings/text_codec.h"

namespace gapwise {
namespace {

// path lies below ancestor.
bool IsBelow(std::string_view path, std::string_view ancestor) {
  return path.size() > ancestor.size() && path[ancestor.size()] == '\\' &&
         EqualNoCase(path.substr(0, ancestor.size()), ancestor);
}

THiveEntry TextEntry(std::string text) {
  THiveEntry entry;
  entry.Lines.push_back(std::move(text));
  return entry;
}

}  // namespace

// What an import of the entries in file order leaves for one key and one value name.
struct THive::TWalk {
  bool KeyExists = false;
  std::ptrdiff_t Value = -1;        // the entry that gives the value (maybe a deletion)
  std::ptrdiff_t Section = -1;      // the last live section header of the key
  std::ptrdiff_t InsertAfter = -1;  // the place for a new value: the end of that section
};

THive::THive() {
  entries_ = {TextEntry("REGEDIT4"), TextEntry("")};
}

THive::TWalk THive::Walk(std::string_view path, std::string_view name) const {
  TWalk walk;
  bool inKey = false;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const THiveEntry& entry = entries_[i];
    const auto index = static_cast<std::ptrdiff_t>(i);
    if (entry.Kind == THiveEntry::kKey) {
      const bool same = EqualNoCase(entry.Path, path);
      inKey = !entry.Deleted && same;
      if (entry.Deleted && (same || IsBelow(path, entry.Path))) walk = TWalk{};
      if (inKey) walk.Section = walk.InsertAfter = index;
      if (!entry.Deleted && (same || IsBelow(entry.Path, path))) walk.KeyExists = true;
    } else if (entry.Kind == THiveEntry::kValue && inKey) {
      walk.InsertAfter = index;
      if (EqualNoCase(entry.Name, name)) walk.Value = index;
    }
  }
  return walk;
}

bool THive::KeyExists(std::string_view path) const {
  return Walk(path, {}).KeyExists;
}

const THiveValue* THive::FindValue(std::string_view path, std::string_view name) const {
  const TWalk walk = Walk(path, name);
  if (walk.Value < 0 || entries_[static_cast<std::size_t>(walk.Value)].Deleted) return nullptr;
  return &entries_[static_cast<std::size_t>(walk.Value)].Value;
}

bool THive::Representable(std::string_view text) const {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
  }
  return !unicode_ || IsValidUtf8(text);
}

void THive::AppendSection(std::string_view path) {
  if (entries_.empty() || entries_.back().Kind != THiveEntry::kOther ||
      !TrimLeft(entries_.back().Lines.back()).empty()) {
    entries_.push_back(TextEntry(""));
  }
  THiveEntry header;
  header.Kind = THiveEntry::kKey;
  header.Path = path;
  entries_.push_back(std::move(header));
  entries_.push_back(TextEntry(""));
}

bool THive::CreateKey(std::string_view path) {
  if (path.empty() || path.front() == '-' || !Representable(path)) return false;
  if (!KeyExists(path)) AppendSection(path);
  return true;
}

bool THive::SetValue(std::string_view path, std::string_view name, const THiveValue& value) {
  if (path.empty() || path.front() == '-' || !Representable(path) || !Representable(name)) {
    return false;
  }
  TWalk walk = Walk(path, name);
  if (walk.Value >= 0) {
    THiveEntry& entry = entries_[static_cast<std::size_t>(walk.Value)];
    entry.Lines.clear();
    entry.Deleted = false;
    entry.Value = value;
    return true;
  }
  if (walk.Section < 0) {
    AppendSection(path);
    walk.InsertAfter = static_cast<std::ptrdiff_t>(entries_.size()) - 2;
  }
  THiveEntry entry;
  entry.Kind = THiveEntry::kValue;
  entry.Name = name;
  entry.Value = value;
  entries_.insert(entries_.begin() + walk.InsertAfter + 1, std::move(entry));
  return true;
}

}  // namespace gapwise
