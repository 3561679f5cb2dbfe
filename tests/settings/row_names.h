// Table rows named in the tests' names: a row prints as its Name wherever GoogleTest shows it.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace gapwise {
namespace {

// A table row prints as its name, in a test's name and wherever GoogleTest shows its parameter.
template <typename Row>
requires requires(const Row& row) {
  std::string_view(row.Name);
}
void PrintTo(const Row& row, std::ostream* out) {
  *out << row.Name;
}

}  // namespace
}  // namespace gapwise

namespace gapwise::testing_support {

inline constexpr auto kRowName = [](const auto& info) { return std::string(info.param.Name); };

}  // namespace gapwise::testing_support
