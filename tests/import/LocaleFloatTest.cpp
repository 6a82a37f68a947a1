#include "import/LocaleFloat.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using kvor::ParseLocaleFloat;

TEST(SplitAtSeparator, CutsAtTheFirstSeparatorOnly) {
    struct Row {
        std::string text, separator, head, rest;
    };
    const std::vector<Row> rows = {
        {"1,2,3", ",", "1", "2,3"}, {"1,", ",", "1", ""},
        {",2", ",", "", "2"},       {"12", ",", "12", ""},
        {"", ",", "", ""},          {"a::b::c", "::", "a", "b::c"},
        {"a::", "::", "a", ""},     {"x\xC2\xA7y", "\xC2\xA7", "x", "y"},
        {"1  2", " ", "1", " 2"},
    };
    for (const Row& row : rows) {
        std::string_view text = row.text;
        EXPECT_EQ(kvor::SplitAtSeparator(text, row.separator), row.head) << row.text;
        EXPECT_EQ(text, row.rest) << row.text;
    }
}

TEST(ToSystemDecimal, ReplacesOnlyTheFirstForeignMark) {
    EXPECT_EQ(kvor::ToSystemDecimal("1,5", '.'), "1.5");
    EXPECT_EQ(kvor::ToSystemDecimal("1,000,5", '.'), "1.000,5");
    EXPECT_EQ(kvor::ToSystemDecimal("1.5", '.'), "1.5");
    EXPECT_EQ(kvor::ToSystemDecimal("1.5", ','), "1,5");
    EXPECT_EQ(kvor::ToSystemDecimal("1.000.5", ','), "1,000.5");
    EXPECT_EQ(kvor::ToSystemDecimal("1,5", ','), "1,5");
    EXPECT_EQ(kvor::ToSystemDecimal("", ','), "");
}

TEST(ParseLocaleFloat, AcceptsBlanksSignDigitsOneSeparatorAndExponent) {
    struct Row {
        const char* text;
        double value;
    };
    const std::vector<Row> rows = {
        {"0", 0},           {"42", 42},        {"-42", -42},
        {"+42", 42},        {"1.5", 1.5},      {"1,5", 1.5},
        {"  2.25 ", 2.25},  {"\t-3\t", -3},    {".5", 0.5},
        {"5.", 5},          {"1e3", 1000},     {"1E+3", 1000},
        {"2.5e-3", 0.0025}, {"-1,25E2", -125}, {"100000000", 1e8},
        {"0.1", 0.1},       {"000123", 123},   {"1.7976931348623157e308", 1.7976931348623157e308},
    };
    for (const char decimal : {'.', ','}) {
        for (const Row& row : rows) {
            const std::optional<double> v = ParseLocaleFloat(row.text, decimal);
            ASSERT_TRUE(v.has_value()) << row.text << " with " << decimal;
            EXPECT_EQ(*v, row.value) << row.text << " with " << decimal;
        }
    }
}

TEST(ParseLocaleFloat, RefusesEverythingElse) {
    const std::vector<std::string> rows = {
        "",
        "   ",
        "-",
        "+",
        ".",
        "e5",
        "1e",
        "1e+",
        "nan",
        "NaN",
        "inf",
        "-inf",
        "Infinity",
        "0x1p3",
        "0x10",
        "1.000,5",
        "1,000,5",
        "1.000.5",
        "1 000",
        "1'000",
        "--1",
        "+-1",
        "1-",
        "1.5x",
        "x1.5",
        "1e5.5",
        "1.5.",
        "1e999",
        "-1e999",
        "1e-999",
        "\xC2\xA0"
        "1",
        "1\n",
        "\xEF\xBC\x91",
    };
    for (const char decimal : {'.', ','}) {
        for (const std::string& text : rows) {
            EXPECT_FALSE(ParseLocaleFloat(text, decimal).has_value())
                << "'" << text << "' with " << decimal;
        }
    }
}

TEST(ParseLocaleFloat, ReadsLongDigitStringsExactly) {
    const std::string digits = "1" + std::string(300, '0');
    EXPECT_EQ(ParseLocaleFloat(digits, '.'), 1e300);
    EXPECT_EQ(ParseLocaleFloat("0." + std::string(200, '0') + "1", ','), 1e-201);
}
