#include "studies/DetectionPanels.h"

#include "studies/DetectionTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvor {
namespace {

TEST(RequiredNText, BlankNumberOrNoneFound) {
    EXPECT_EQ(RequiredNText(0), "");
    EXPECT_EQ(RequiredNText(3), " 3");
    EXPECT_EQ(RequiredNText(5000), " 5000");
    EXPECT_EQ(RequiredNText(5001), " > 5000");
}

TEST(FormatMean, PrecisionFollowsTheMagnitude) {
    struct Case {
        double x;
        std::string text;
    };
    const std::vector<Case> cases = {
        {1.0034567891234, "1.003456789"},       // ten significant digits
        {-0.00001234567, "-1.23457E-005"},      // six, in scientific notation
        {0.123456789123, "0.12345679"},         // eight
        {0.0123456789, "0.01234568"},           // seven
        {0.00123456789, "0.00123457"},          // six
        {0.000123456789, "0.00012346"},         // five
        {1.23456789e-10, "1.2346E-010"},        // five below 1e-9
        {-123456.789012345, "-123456.789"},     // ten
        {5.5e12, "5.5E012"},                    // beyond the precision
        {-1.234567890123e-300, "-1.2346E-300"}, // long exponent still fits
        {0.0, "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatMean(c.x, '.'), c.text) << c.x;
    }
    EXPECT_EQ(FormatMean(1.0034567891234, ','), "1,003456789");
}

// Cutting "-1.234567891E100" to 13 characters would show -1.234567891E1.
TEST(FormatMean, LongScientificTextsGiveUpDigitsNotTheirExponent) {
    EXPECT_EQ(FormatMean(-1.2345678912e100, '.'), "-1.234568E100");
    EXPECT_EQ(FormatMean(12345678901234.0, '.'), "1.2345679E013");
}

TEST(PanelTexts, TotalsBlankUntilASetIsCounted) {
    CriterionTotals totals;
    DetectionPanelTexts texts = PanelTexts(0, totals, '.');
    EXPECT_EQ(texts.RequiredN, "");
    EXPECT_EQ(texts.TotalSets, "");
    EXPECT_EQ(texts.MeanSlope, "");
    EXPECT_EQ(texts.MeanIntercept, "");

    totals.Add(1.5, -2.0);
    totals.Add(0.5, 4.0);
    texts = PanelTexts(5001, totals, '.');
    EXPECT_EQ(texts.RequiredN, " > 5000");
    EXPECT_EQ(texts.TotalSets, " 2");
    EXPECT_EQ(texts.MeanSlope, " 1");
    EXPECT_EQ(texts.MeanIntercept, " 1");
}

} // namespace
} // namespace kvor
