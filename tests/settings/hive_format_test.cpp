#include <gtest/gtest.h>

#include "hive_fixture.h"
#include "settings/hive/hive.h"

namespace gapwise {
namespace {

using testing_support::kRowName;
using testing_support::kUserKey;
using testing_support::Reg;
using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kPath = "HKEY_CURRENT_USER\\Software\\Ardentree\\Gapwise";

Bytes Text(std::string_view text) {  // a string's data with its closing NUL
  Bytes data(text.begin(), text.end());
  data.push_back(0);
  return data;
}

struct ValueCase {
  const char* Name;
  std::string Line;  // one value entry (perhaps over several lines) in the key's section
  THiveValue Expected;
};

const ValueCase kValueCases[] = {
    {"String", R"("v"="abc")", {reg::Type::String, Text("abc")}},
    {"EmptyString", R"("v"="")", {reg::Type::String, Text("")}},
    {"Escapes",
     R"("v"="C:\\Program Files\\\"Q\"")",
     {reg::Type::String, Text(R"(C:\Program Files\"Q")")}},
    {"Semicolon", R"("v"="a;b")", {reg::Type::String, Text("a;b")}},
    {"Dword", R"("v"=dword:0000001e)", {reg::Type::Dword, {0x1e, 0, 0, 0}}},
    {"DwordShortUpper", R"("v"=DWORD:FF)", {reg::Type::Dword, {0xff, 0, 0, 0}}},
    {"DwordSpacedComment", "\"v\" = dword:80000001 ; note", {reg::Type::Dword, {1, 0, 0, 0x80}}},
    {"Binary", R"("v"=hex:03,01,02,03)", {reg::Type::Binary, {3, 1, 2, 3}}},
    {"EmptyBinary", R"("v"=hex:)", {reg::Type::Binary, {}}},
    {"TypedDword", R"("v"=hex(4):01,00)", {reg::Type::Dword, {1, 0}}},
    {"ExpandString", R"("v"=hex(2):25,41,25,00)", {reg::Type::ExpandString, Text("%A%")}},
    {"EmptyNone", R"("v"=hex(0):)", {reg::Type::None, {}}},
    {"HexType", R"("v"=hex(b):01,02,03,04,05,06,07,08)", {reg::Type{11}, {1, 2, 3, 4, 5, 6, 7, 8}}},
    {"Continued", "\"v\"=hex:01,02,\\\r\n  03,04,\\\r\n\t05", {reg::Type::Binary, {1, 2, 3, 4, 5}}},
    {"ContinuedLf", "\"v\"=hex:0a,\\\n  0b", {reg::Type::Binary, {10, 11}}},
};

class HiveValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(HiveValues, ReadAsTheRegistryEditorWritesThem) {
  const auto hive = THive::Parse(Reg({kUserKey, GetParam().Line}));
  ASSERT_TRUE(hive);
  const THiveValue* value = hive->FindValue(kPath, "v");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(*value, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, HiveValues, ::testing::ValuesIn(kValueCases), kRowName);

TEST(Hive, NamesHaveEscapesToo) {
  const auto hive = THive::Parse(Reg({kUserKey, R"("v\"\\"="x")"}));
  ASSERT_TRUE(hive);
  EXPECT_NE(hive->FindValue(kPath, "v\"\\"), nullptr);
}

TEST(Hive, DefaultValueIsTheEmptyName) {
  const auto hive = THive::Parse(Reg({kUserKey, R"(@="d")"}));
  ASSERT_TRUE(hive);
  ASSERT_NE(hive->FindValue(kPath, ""), nullptr);
  EXPECT_EQ(hive->FindValue(kPath, "")->Data, Text("d"));
}

struct BadCase {
  const char* Name;
  std::string Bytes;
  std::size_t Line;  // the line at fault, counted from 1; 0 when no one line is
};

const BadCase kBadCases[] = {
    {"Empty", "", 1},
    {"NoHeader", std::string(kUserKey) + "\r\n", 1},
    {"WrongHeader", "REGEDIT5\r\n", 1},
    {"Garbage", Reg({"this is not a hive"}), 3},
    {"ValueBeforeAnyKey", Reg({R"("v"=dword:1)"}), 3},
    {"UnclosedKey", Reg({"[HKEY_CURRENT_USER\\Software"}), 3},
    {"EmptyKey", Reg({"[]"}), 3},
    {"UnterminatedString", Reg({kUserKey, R"("v"="abc)"}), 4},
    {"UnknownEscape", Reg({kUserKey, R"("v"="C:\temp")"}), 4},
    {"TruncatedType", Reg({kUserKey, R"("v"=dwo)"}), 4},
    {"NineDigitDword", Reg({kUserKey, R"("v"=dword:000000001)"}), 4},
    {"DwordTail", Reg({kUserKey, R"("v"=dword:1x)"}), 4},
    {"ThreeDigitByte", Reg({kUserKey, R"("v"=hex:001)"}), 4},
    {"TrailingComma", Reg({kUserKey, R"("v"=hex:01,)"}), 4},
    {"ContinuationAtEnd", "REGEDIT4\r\n" + std::string(kUserKey) + "\r\n\"v\"=hex:01,\\", 3},
    {"UnclosedType", Reg({kUserKey, R"("v"=hex(4:01)"}), 4},
    {"NoEquals", Reg({kUserKey, R"("v" dword:1)"}), 4},
    {"NulByte", Reg({kUserKey}) + std::string(1, '\0'), 4},
    {"LoneCarriageReturn", "REGEDIT4\r" + std::string(kUserKey) + "\r\n", 1},
    {"Utf16OddLength", std::string("\xFF\xFER\0E", 5), 1},
    {"Utf16LoneSurrogate",
     std::string("\xFF\xFE"
                 "R\0\r\0\n\0\x00\xD8\r\0\n\0",
                 14),
     2},
    {"TooLarge", Reg({kUserKey}) + std::string(kMaxHiveBytes, ';'), 0},
};

class HiveRejects : public ::testing::TestWithParam<BadCase> {};

TEST_P(HiveRejects, WhatIsNotAHiveAndWhereItGoesWrong) {
  std::size_t line = 99;
  EXPECT_FALSE(THive::Parse(GetParam().Bytes, &line));
  EXPECT_EQ(line, GetParam().Line);
}

INSTANTIATE_TEST_SUITE_P(Rows, HiveRejects, ::testing::ValuesIn(kBadCases), kRowName);

TEST(Hive, AcceptsExactlyTheLargestSize) {
  std::string text = Reg({kUserKey, R"("v"=dword:1)", ";"});
  text.insert(text.size() - 2, kMaxHiveBytes - text.size(), ';');
  ASSERT_EQ(text.size(), kMaxHiveBytes);
  EXPECT_TRUE(THive::Parse(text));
}

std::string Utf16(std::string_view ascii) {
  std::string out = "\xFF\xFE";
  for (const char c : ascii) (out += c) += '\0';
  return out;
}

TEST(Hive, ReadsAndKeepsAUnicodeExport) {
  const std::string exported = Utf16(
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\Software\\Ardentree\\Gapwise]\r\n"
      "\"AppPath\"=\"C:\\\\G\"\r\n"
      "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\r\n\r\n");
  auto hive = THive::Parse(exported);
  ASSERT_TRUE(hive);
  const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Ardentree\\Gapwise";
  EXPECT_EQ(hive->FindValue(key, "AppPath")->Data, Text("C:\\G"));
  EXPECT_EQ(hive->FindValue(key, "Expand")->Data, Text("%A%"));
  EXPECT_EQ(hive->Serialize(), exported);
  ASSERT_TRUE(hive->SetValue(key, "n", {reg::Type::ExpandString, Text("%B%")}));
  const std::string saved = hive->Serialize();
  EXPECT_EQ(saved.substr(0, exported.size() - 4), exported.substr(0, exported.size() - 4));
  EXPECT_NE(saved.find(Utf16("\"n\"=hex(2):25,00,42,00,25,00,00,00\r\n").substr(2)),
            std::string::npos);
}

// A value set into a hive is written so that reading the file gives it back.
const THiveValue kRoundTrips[] = {
    {reg::Type::String, Text("C:\\a \"b\";c")},
    {reg::Type::String, Text("two\nlines")},
    {reg::Type::String, {'n', 'o', 'n', 'u', 'l'}},
    {reg::Type::String, {'a', 0, 'b', 0}},
    {reg::Type::ExpandString, Text("%HOME%")},
    {reg::Type::Dword, {1, 2, 3, 4}},
    {reg::Type::Dword, {1, 2}},
    {reg::Type::Binary, Bytes(100, 0xab)},
    {reg::Type::None, {}},
    {reg::Type{0x12345678}, {9}},
};

TEST(Hive, WrittenValuesReadBack) {
  for (const THiveValue& value : kRoundTrips) {
    THive hive;
    ASSERT_TRUE(hive.SetValue(kPath, "name \"q\" \\", value));
    const std::string text = hive.Serialize();
    const auto reread = THive::Parse(text);
    ASSERT_TRUE(reread) << text;
    ASSERT_NE(reread->FindValue(kPath, "name \"q\" \\"), nullptr) << text;
    EXPECT_EQ(*reread->FindValue(kPath, "name \"q\" \\"), value) << text;
    for (std::size_t end = text.find("\r\n"), start = 0; end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start)) {
      EXPECT_LE(end - start, 80u) << text;
    }
  }
}

TEST(Hive, RefusesNamesTheFormatCannotHold) {
  THive hive;
  EXPECT_FALSE(hive.SetValue(kPath, "a\nb", {reg::Type::Dword, {0, 0, 0, 0}}));
  EXPECT_FALSE(hive.CreateKey("HKEY_CURRENT_USER\\x\ry"));
  EXPECT_EQ(hive.Serialize(), "REGEDIT4\r\n\r\n");
}

TEST(Hive, KeepsLfLineEnds) {
  auto hive = THive::Parse("REGEDIT4\n\n" + std::string(kUserKey) + "\n\"a\"=\"x\"\n");
  ASSERT_TRUE(hive);
  ASSERT_TRUE(hive->SetValue(kPath, "b", {reg::Type::Dword, {1, 0, 0, 0}}));
  EXPECT_EQ(hive->Serialize(),
            "REGEDIT4\n\n" + std::string(kUserKey) + "\n\"a\"=\"x\"\n\"b\"=dword:00000001\n");
}

}  // namespace
}  // namespace gapwise
