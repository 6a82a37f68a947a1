#include "studies/NumberFormats.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace kvor {
namespace {

struct GeneralCase {
    double Value;
    int Precision;
    int ExponentDigits;
    char Separator;
    std::string Expected;
};

TEST(FormatGeneral, WritesFixedAndScientificNotation) {
    const std::vector<GeneralCase> cases = {
        {0.0001, 10, 3, '.', "0.0001"},                // e = -3: still fixed
        {0.00001234, 10, 3, '.', "1.234E-005"},        // e = -4: scientific
        {12345678901.0, 10, 3, '.', "1.23456789E010"}, // e = 11 > p
        {1234567890.0, 10, 3, '.', "1234567890"},      // e = p: fixed
        {0.00001, 15, 0, '.', "1E-5"},
        {1.5e20, 15, 0, '.', "1.5E20"},
        {1e15, 15, 0, '.', "1E15"},
        {1e14, 15, 0, '.', "100000000000000"},
        {1.5e-300, 15, 0, '.', "1.5E-300"},
        {1e100, 10, 3, '.', "1E100"},
        {0.000999, 10, 3, '.', "0.000999"},
        {0.0000999, 10, 3, '.', "9.99E-005"},
        {0.0, 15, 0, '.', "0"},
        {-0.0, 15, 0, '.', "0"},
        {1.5, 15, 0, ',', "1,5"},
        {-2.5, 15, 0, '.', "-2.5"},
        {-0.00001234, 10, 3, ',', "-1,234E-005"},
        {100.0, 15, 0, '.', "100"},
        {20.0, 15, 0, '.', "20"},
        {0.1, 15, 0, '.', "0.1"},
        {0.1 + 0.2, 15, 0, '.', "0.3"},
        {0.1 + 0.2, 17, 0, '.', "0.30000000000000004"},
        {9.99999999999, 10, 3, '.', "10"}, // carry into a new digit
        {999999.99999, 10, 3, '.', "1000000"},
        {0.125, 2, 3, '.', "0.13"}, // an exact tie rounds up
        {2.5, 1, 3, '.', "3"},
        {123.456, 4, 3, '.', "123.5"},
    };
    for (const GeneralCase& c : cases) {
        EXPECT_EQ(FormatGeneral(c.Value, c.Precision, c.ExponentDigits, c.Separator), c.Expected)
            << c.Value << " p=" << c.Precision;
    }
}

TEST(FormatGeneral, NamesValuesThatAreNotFinite) {
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::quiet_NaN(), 15, 0, '.'), "NAN");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::infinity(), 15, 0, '.'), "INF");
    EXPECT_EQ(FormatGeneral(-std::numeric_limits<double>::infinity(), 15, 0, '.'), "-INF");
}

TEST(FormatA, PrefixesOneBlankToTenDigits) {
    EXPECT_EQ(FormatA(1.0, '.'), " 1");
    EXPECT_EQ(FormatA(0.99876543212345, '.'), " 0.9987654321");
    EXPECT_EQ(FormatA(-0.000012345678912, ','), " -1,234567891E-005");
}

TEST(FormatZ, ChoosesPrecisionByMagnitude) {
    const std::vector<std::pair<double, std::string>> cases = {
        {123.456789012, "Z = 123.456789"}, // %9.9g
        {-1.5, "Z = -1.5"},
        {0.123456789, "Z = 0.1234568"},  // %9.7g
        {0.0123456789, "Z = 0.0123457"}, // %9.6g
        {0.00123456, "Z = 0.0012346"},   // %9.5g
        {0.00012344, "Z = 0.0001234"},   // %9.4g
        {0.00001, "Z = 1E-005"},
        {-1234567890.0, "Z = -1.23457E009"}, // %9.6g at and above 999999999.9999999
        {999999999.5, "Z = 1E009"},
        {0.0, "Z = 0"},
    };
    for (const auto& [z, expected] : cases) {
        EXPECT_EQ(FormatZ(z, '.'), expected) << z;
    }
    EXPECT_EQ(FormatZ(-1.5, ','), "Z = -1,5");
}

TEST(FormatP, ChoosesPrecisionAndFloorsBelowOneTenThousandth) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.5, "P = 0.5"},
        {1.0, "P = 1"},
        {0.04567891, "P = 0.0456789"},
        {0.0012345678, "P = 0.0012346"},
        {0.0001, "P = 0.0001"},
        {0.00099999, "P = 0.001"},
        {0.00009999, "P < 0.0001"},
        {0.0, "P < 0.0001"},
    };
    for (const auto& [p, expected] : cases) {
        EXPECT_EQ(FormatP(p, '.'), expected) << p;
    }
    EXPECT_EQ(FormatP(0.25, ','), "P = 0,25");
}

TEST(FormatPercentage, SharesOfValidCount) {
    struct Case {
        int Count;
        int Valid;
        char Separator;
        std::string Expected;
    };
    const std::vector<Case> cases = {
        {0, 1000, '.', " 0%"},         {1000, 1000, '.', " 100%"}, {950, 1000, '.', " 95.00%"},
        {1, 3, '.', " 33.33%"},        {2, 3, ',', " 66,67%"},     {1, 800, '.', " 0.13%"},
        {1, 20000, '.', " 0.01%"},     {1, 30000, '.', " 0.00%"},  {0, 0, '.', " "},
        {9999, 10000, '.', " 99.99%"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatPercentage(c.Count, c.Valid, c.Separator), c.Expected)
            << c.Count << "/" << c.Valid;
    }
}

TEST(FormatFixed, RoundsToTheGivenDecimals) {
    EXPECT_EQ(FormatFixed(99.995, 2, '.'), "100.00");
    EXPECT_EQ(FormatFixed(0.004, 2, '.'), "0.00");
    EXPECT_EQ(FormatFixed(0.005, 2, '.'), "0.01");
    EXPECT_EQ(FormatFixed(12.0, 0, '.'), "12");
    EXPECT_EQ(FormatFixed(-3.14159, 3, ','), "-3,142");
}

} // namespace
} // namespace kvor
