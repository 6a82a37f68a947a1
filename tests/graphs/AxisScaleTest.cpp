#include "graphs/AxisScale.h"
#include "graphs/DigitStrings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace kvor {

bool operator==(const AxisScale& a, const AxisScale& b) {
    return a.StartMantissa == b.StartMantissa && a.StartExponent == b.StartExponent &&
           a.Intervals == b.Intervals && a.StepMantissa == b.StepMantissa &&
           a.StepExponent == b.StepExponent && a.MinorTicks == b.MinorTicks &&
           a.LabelWidth == b.LabelWidth && a.Decimals == b.Decimals;
}

std::ostream& operator<<(std::ostream& os, const AxisScale& a) {
    return os << "{start " << a.StartMantissa << "e" << a.StartExponent << ", intervals "
              << a.Intervals << ", step " << a.StepMantissa << "e" << a.StepExponent << ", minor "
              << a.MinorTicks << ", width " << a.LabelWidth << ", decimals " << a.Decimals << "}";
}

} // namespace kvor

namespace {

using kvor::AxisScale;

struct AxisCase {
    const char* name;
    AxisScale (*routine)(double, double);
    double lo;
    double hi;
    // StartMantissa, StartExponent, Intervals, StepMantissa, StepExponent, MinorTicks,
    // LabelWidth, Decimals
    AxisScale expected;
};

// Expected records worked out by hand from the digit strings of each range.
const std::vector<AxisCase> AxisCases = {
    // span 10.000001: code 11, 125/5, step 2.5, end 12.5
    {"positive -1..10.000001", kvor::ScalePositiveAxis, -1, 10.000001, {0, 0, 5, 25, -1, 5, 4, 1}},
    // mantissa 1.5 is an exact tie: code 16, 175/7
    {"positive -1..1.5", kvor::ScalePositiveAxis, -1, 1.5, {0, 0, 7, 25, -2, 5, 4, 2}},
    // code 20: 200/8; no tick lies above 2 before the eighth
    {"positive -1..2.0", kvor::ScalePositiveAxis, -1, 2.0, {0, 0, 8, 25, -2, 5, 4, 2}},
    // start 90, span 40: code 40, 400/8; 95 is not above the tick at 95
    {"positive 95..130", kvor::ScalePositiveAxis, 95, 130, {9, 1, 8, 5, 0, 5, 3, 0}},
    // ratio 7.3: start 0, span 2.2: code 23, 250/5
    {"positive 0.3..2.2", kvor::ScalePositiveAxis, 0.3, 2.2, {0, 0, 5, 5, -1, 10, 3, 1}},
    // start 1200, span 101.2: 125/5, then the lowest interval lies below 1234.5
    {"positive 1234.5..1301.2",
     kvor::ScalePositiveAxis,
     1234.5,
     1301.2,
     {1225, 0, 4, 25, 0, 5, 4, 0}},
    {"positive 100..100.05", kvor::ScalePositiveAxis, 100, 100.05, {0, 0, 0, 0, 0, 0, 0, 0}},
    // span 8.3 from zero: code 84, 1000/5, then two steps below zero
    {"signed -3.2..5.1", kvor::ScaleSignedAxis, -3.2, 5.1, {-4, 0, 5, 2, 0, 10, 2, 0}},
    {"signed 0..4", kvor::ScaleSignedAxis, 0, 4, {-1, 0, 5, 1, 0, 10, 2, 0}},
    // mirrored 0.5..12.5: code 13, 140/7; end 14 becomes the start -14
    {"signed -12.5..-0.5", kvor::ScaleSignedAxis, -12.5, -0.5, {-14, 0, 7, 2, 0, 4, 3, 0}},
    // start 0.8, span just below 0.4: code 40, 400/4
    {"signed 0.8..1.2", kvor::ScaleSignedAxis, 0.8, 1.2, {8, -1, 4, 1, -1, 10, 3, 1}},
    // top 0.0144: code 15, 150/6
    {"zero-based 0, 0.012", kvor::ScaleZeroBasedAxis, 0, 0.012, {0, 0, 6, 25, -4, 5, 6, 4}},
    // top 3.6, stored just above 3.6: code 37, 400/4
    {"zero-based 0, 3", kvor::ScaleZeroBasedAxis, 0, 3, {0, 0, 4, 1, 0, 10, 1, 0}},
    // head room: top 10 + 4/2 = 12, whose mantissa is stored just below 1.2: code 12, 125/5
    {"zero-based 4, 10", kvor::ScaleZeroBasedAxis, 4, 10, {0, 0, 5, 25, -1, 5, 4, 1}},
    {"log 0.5..100", kvor::ScaleLogAxis, 0.5, 100, {1, -1, 3, 0, 0, 10, 0, 0}},
    {"log 0.5..101", kvor::ScaleLogAxis, 0.5, 101, {1, -1, 4, 0, 0, 10, 0, 0}},
    {"log 3..4", kvor::ScaleLogAxis, 3, 4, {1, 0, 1, 0, 0, 10, 0, 0}},
    // 9.5 lies above 1.05 x 10 x 1000^(-1/21) = 7.56: the first decade is dropped
    {"log trimmed 9.5..5000", kvor::ScaleLogAxisTrimmed, 9.5, 5000, {1, 1, 3, 0, 0, 10, 0, 0}},
    {"log trimmed 7.5..5000", kvor::ScaleLogAxisTrimmed, 7.5, 5000, {1, 0, 4, 0, 0, 10, 0, 0}},
    // a single decade is never trimmed
    {"log trimmed 9.5..10", kvor::ScaleLogAxisTrimmed, 9.5, 10, {1, 0, 1, 0, 0, 10, 0, 0}},
};

TEST(AxisRoutines, ReproduceTheWorkedExamples) {
    for (const AxisCase& c : AxisCases) {
        EXPECT_EQ(c.routine(c.lo, c.hi), c.expected) << c.name;
    }
}

TEST(AxisRoutines, DerivedValuesOfTheWorkedExamples) {
    const AxisScale a = kvor::ScalePositiveAxis(-1, 1.5);
    EXPECT_DOUBLE_EQ(kvor::AxisStep(a), 0.25);
    EXPECT_DOUBLE_EQ(kvor::AxisEnd(a), 1.75);
    const AxisScale s = kvor::ScaleSignedAxis(-12.5, -0.5);
    EXPECT_DOUBLE_EQ(kvor::AxisStart(s), -14);
    EXPECT_DOUBLE_EQ(kvor::AxisEnd(s), 0);
    const AxisScale z = kvor::ScaleZeroBasedAxis(0, 0.012);
    EXPECT_DOUBLE_EQ(kvor::AxisEnd(z), 0.015);
    EXPECT_EQ(kvor::FormatAxisLabel(kvor::AxisTick(z, 1), z), "0.0025");
}

TEST(DigitStrings, TruncateTheFifteenDigitRendering) {
    EXPECT_EQ(kvor::Exp(1234.5), 3);
    EXPECT_EQ(kvor::Digits(1234.5, 5), "12345");
    EXPECT_EQ(kvor::Digits(0.399999999999991, 3), "399");
    EXPECT_EQ(kvor::Digits(1.2 - 0.8, 3), "400"); // 0.39999999999999991 rounds up at 15 digits
    // The 17th significant digit rounds the 15-digit text up, which Digits then keeps.
    EXPECT_EQ(kvor::Digits(0.19999999999999999, 2), "20");
    EXPECT_EQ(kvor::Exp(9.9999999999999995), 1);
    EXPECT_EQ(kvor::Mant(1234.5), 1.2345);
    EXPECT_EQ(kvor::Mant(0), 0);
    EXPECT_EQ(kvor::Exp(0), 0);
    EXPECT_EQ(kvor::Exp(4.9e-324), -324);
}

TEST(SpanCode, RoundsHalvesToEvenOnTheExtendedValue) {
    struct Row {
        double u;
        int code;
    };
    // 1.6 is stored just above 1.6, so 16.5 + a little is no tie.
    const Row rows[] = {{1.5, 16},   {1.6, 17}, {2.0, 20}, {1.45, 15},  {1.0, 10},
                        {9.99, 100}, {4.0, 40}, {150, 16}, {0.0144, 15}};
    for (const Row& r : rows) {
        EXPECT_EQ(kvor::SpanCode(r.u), r.code) << r.u;
    }
}

TEST(NiceStart, TakesTheCoarsestTruncationThatCutsLessThanTheRange) {
    struct Row {
        double L;
        double H;
        int k;
        kvor::StartValue start;
    };
    const Row rows[] = {
        {95, 130, 5, {9, 1}},         // cut 5 < 17.5
        {1234.5, 1301.2, 5, {12, 2}}, // cut 34.5 < 66.7 at two digits, next digit 3 kept
        {1270, 1400, 5, {125, 1}},    // cut 70 lies between 65 and 130: the next digit 7 becomes 5
        {0.8, 1.2, 6, {8, -1}},
        {1.23456, 1.23457, 6, {12345, -4}}, // nothing coarse enough: k - 1 digits
    };
    for (const Row& r : rows) {
        const kvor::StartValue s = kvor::NiceStart(r.L, r.H, r.k);
        EXPECT_EQ(s.StartMantissa, r.start.StartMantissa) << r.L;
        EXPECT_EQ(s.StartExponent, r.start.StartExponent) << r.L;
    }
}

TEST(PresetCvAxis, TableRowsAndOtherValues) {
    struct Row {
        double cv;
        AxisScale expected;
    };
    const Row rows[] = {
        {1, {0, 0, 5, 2, -1, 4, 3, 1}},   {2.4, {0, 0, 4, 5, -1, 10, 3, 1}},
        {15, {0, 0, 6, 25, -1, 5, 4, 1}}, {40, {0, 0, 4, 1, 1, 10, 2, 0}},
        {100, {0, 0, 5, 2, 1, 4, 3, 0}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(kvor::PresetCvAxis(r.cv), r.expected) << r.cv;
    }
    const AxisScale previous{3, 2, 7, 5, 1, 5, 4, 0};
    EXPECT_EQ(kvor::PresetCvAxis(7, previous), (AxisScale{0, 0, 7, 5, 1, 5, 4, 0}));
    EXPECT_EQ(kvor::PresetCvAxis(std::nan(""), previous).Intervals, 0);
}

TEST(NiceCvMax, NextChoiceAboveTheValue) {
    const double rows[][2] = {{5, 6},     {0.3, 1}, {95, 100}, {250, 100}, {80, 100},
                              {79.9, 80}, {12, 15}, {-3, 1},   {1, 2}};
    for (const auto& r : rows) {
        EXPECT_EQ(kvor::NiceCvMax(r[0]), r[1]) << r[0];
    }
}

TEST(LogLabelExtent, WidthAndDecimalsOfPowersOfTen) {
    EXPECT_EQ(kvor::LogLabelExtent(-3).LabelWidth, 5);
    EXPECT_EQ(kvor::LogLabelExtent(-3).Decimals, 3);
    EXPECT_EQ(kvor::LogLabelExtent(3).LabelWidth, 4);
    EXPECT_EQ(kvor::LogLabelExtent(3).Decimals, 0);
    EXPECT_EQ(kvor::LogLabelExtent(0).LabelWidth, 1);
}

TEST(FormatAxisLabel, DecimalsRoundingAndSeparator) {
    const AxisScale oneDecimal{0, 0, 5, 25, -1, 5, 4, 1};
    const AxisScale whole{0, 0, 5, 2, 0, 10, 2, 0};
    EXPECT_EQ(kvor::FormatAxisLabel(12.5, oneDecimal), "12.5");
    EXPECT_EQ(kvor::FormatAxisLabel(2.5, oneDecimal, ','), "2,5");
    EXPECT_EQ(kvor::FormatAxisLabel(-1e-17, oneDecimal), "0.0");
    EXPECT_EQ(kvor::FormatAxisLabel(2.5, whole), "2");
    EXPECT_EQ(kvor::FormatAxisLabel(3.5, whole), "4");
    EXPECT_EQ(kvor::FormatAxisLabel(-0.4, whole), "0");
    EXPECT_EQ(kvor::FormatAxisLabel(-14, whole), "-14");
    EXPECT_EQ(kvor::FormatAxisLabelGeneral(1325, whole), "1325");
    EXPECT_EQ(kvor::FormatAxisLabelGeneral(2.5, whole), "2.5");
}

TEST(AxisTick, ZeroTickIsExactlyZero) {
    // -0.3 + 3 x 0.1 is 5.55e-17 in floating point.
    const AxisScale axis = kvor::ScaleSignedAxis(-0.3, 0.35);
    ASSERT_EQ(axis, (AxisScale{-3, -1, 7, 1, -1, 5, 4, 1}));
    EXPECT_EQ(kvor::AxisTick(axis, 3), 0.0);
    EXPECT_EQ(kvor::AxisTick(axis, 7), 0.4);
    EXPECT_EQ(kvor::FormatAxisLabel(kvor::AxisTick(axis, 3), axis), "0.0");
}

TEST(FormatSignificant, DigitsModesAndAsterisks) {
    struct Row {
        int digits;
        int mode;
        double x;
        const char* text;
    };
    const Row rows[] = {
        {5, 1, 1234.567, "1234.6"}, {5, 1, 12345.6, "12346"}, {5, 1, 123456, "******"},
        {5, 1, 1.23456, "1.2346"},  {5, 2, -1.5, "-1.5"},     {6, 2, 1.0, "1.0"},
        {5, 1, -1.5, "-1.500"},     {5, 2, 2.0, "2.0"},       {5, 2, 0.012345, "0.0123"},
        {5, 2, 12345.6, "12346"},   {5, 2, -1234.6, "-1235"}, {3, 1, 0.0, "0.00"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(kvor::FormatSignificant(r.digits, r.mode, r.x), r.text)
            << r.digits << " " << r.mode << " " << r.x;
    }
    EXPECT_EQ(kvor::FormatSignificant(5, 2, -1.5, ','), "-1,5");
    EXPECT_EQ(kvor::FormatSignificant(4, 2, std::numeric_limits<double>::infinity()), "*****");
    EXPECT_EQ(kvor::FormatSignificant(4, 2, std::nan("")), "*****");
}

} // namespace
