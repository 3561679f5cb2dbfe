#include "engine/convert.h"

#include <gtest/gtest.h>

namespace gapwise {
namespace {

struct Good {
  const char* text;
  std::int32_t value;
  friend std::ostream& operator<<(std::ostream& out, const Good& g) { return out << g.text; }
};

class StrToIntGood : public ::testing::TestWithParam<Good> {};

TEST_P(StrToIntGood, Converts) {
  EXPECT_EQ(StrToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, StrToIntGood,
                         ::testing::Values(Good{"5", 5}, Good{"05", 5}, Good{"005", 5},
                                           Good{"999", 999}, Good{"0", 0}, Good{"  42", 42},
                                           Good{"-7", -7}, Good{"+7", 7}, Good{"$1F", 31},
                                           Good{"x1f", 31}, Good{"0x10", 16}, Good{"0X10", 16},
                                           Good{"-$10", -16}, Good{"2147483647", 2147483647},
                                           Good{"-2147483648", -2147483647 - 1},
                                           Good{"$7FFFFFFF", 2147483647}));

class StrToIntBad : public ::testing::TestWithParam<const char*> {};

TEST_P(StrToIntBad, RaisesWithTheTextInTheMessage) {
  const std::string text = GetParam();
  try {
    StrToInt(text);
    FAIL() << "no error for '" << text << "'";
  } catch (const EConvertError& error) {
    EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, StrToIntBad,
                         ::testing::Values("", " ", "abc", "12a", "5 ", "-", "$", "0x", "1.5",
                                           "2147483648", "-2147483649", "$80000000", "--5",
                                           "99999999999999999999"));

}  // namespace
}  // namespace gapwise
