#include "import/XYParser.h"
#include "import/TextLines.h"

#include "ImportTestSupport.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

struct LineRow {
    std::string line;
    std::string separator;
    char decimal;
    std::optional<std::pair<double, double>> pair; // nothing: the line is skipped
};

} // namespace

TEST(ParseXYLines, ReadsOrSkipsEachKindOfLine) {
    const std::vector<LineRow> rows = {
        {"1.5,2.5", ",", '.', std::pair{1.5, 2.5}},
        {"1,5;2,5", ";", '.', std::pair{1.5, 2.5}},
        {"1,5;2,5", ";", ',', std::pair{1.5, 2.5}},
        {"1.5;2.5", ";", ',', std::pair{1.5, 2.5}},
        {"1,5\t2,5", "\t", ',', std::pair{1.5, 2.5}},
        {"1,2,3", ",", '.', std::pair{1.0, 2.0}},
        {"1,", ",", '.', std::nullopt},
        {",2", ",", '.', std::nullopt},
        {"1 2", " ", '.', std::pair{1.0, 2.0}},
        {"1  2", " ", '.', std::nullopt},
        {" 1 2", " ", '.', std::nullopt},
        {"1 2 junk", " ", '.', std::pair{1.0, 2.0}},
        {"12", ",", '.', std::nullopt},
        {"X,Y", ",", '.', std::nullopt},
        {"1,Y", ",", '.', std::nullopt},
        {"1 , 2 ", ",", '.', std::pair{1.0, 2.0}},
        {"100000001,5", ",", '.', std::nullopt},
        {"5,100000001", ",", '.', std::nullopt},
        {"100000000,100000000", ",", '.', std::pair{1e8, 1e8}},
        {"-200000000,5", ",", '.', std::pair{-2e8, 5.0}},
        {"nan,1", ",", '.', std::nullopt},
        {"1,inf", ",", '.', std::nullopt},
        {"0x10,1", ",", '.', std::nullopt},
        {"1e2\xC2\xA7-3", "\xC2\xA7", '.', std::pair{100.0, -3.0}},
        {"", ",", '.', std::nullopt},
    };
    kvor::ImportedData buffer;
    for (const LineRow& row : rows) {
        const kvor::TextLines lines(row.line);
        kvor::ParseXYLines(lines, row.separator, row.decimal, buffer);
        if (!row.pair) {
            EXPECT_EQ(buffer.Count, 0) << row.line;
            continue;
        }
        ASSERT_EQ(buffer.Count, 1) << row.line;
        EXPECT_EQ(buffer.X[0], row.pair->first) << row.line;
        EXPECT_EQ(buffer.Y[0], row.pair->second) << row.line;
    }
}

TEST(ParseXYLines, GathersExtremesNegativesAndSums) {
    const kvor::TextLines lines(std::string("header\n3,-1\n-2,4\n0,0\n1e9,1\n5,2\n"));
    kvor::ImportedData buffer;
    const kvor::ScanTotals totals = kvor::ParseXYLines(lines, ",", '.', buffer);
    ASSERT_EQ(buffer.Count, 4);
    const std::vector<double> xs(buffer.X.begin(), buffer.X.begin() + 4);
    const std::vector<double> ys(buffer.Y.begin(), buffer.Y.begin() + 4);
    EXPECT_EQ(xs, (std::vector<double>{3, -2, 0, 5}));
    EXPECT_EQ(ys, (std::vector<double>{-1, 4, 0, 2}));
    EXPECT_EQ(buffer.MinX, -2);
    EXPECT_EQ(buffer.MaxX, 5);
    EXPECT_EQ(buffer.MinY, -1);
    EXPECT_EQ(buffer.MaxY, 4);
    EXPECT_EQ(totals.NegativeX, 1u); // zero is not negative
    EXPECT_EQ(totals.NegativeY, 1u);
    EXPECT_EQ(totals.SumX, 6);
    EXPECT_EQ(totals.SumXX, 38);
    EXPECT_EQ(totals.SumY, 5);
    EXPECT_EQ(totals.SumYY, 21);
    EXPECT_EQ(totals.SumXY, -1);
}

TEST(ParseXYLines, ResetsTheBufferBeforeEachScan) {
    kvor::ImportedData buffer;
    kvor::ParseXYLines(kvor::TextLines(std::string("1,2\n3,4\n")), ",", '.', buffer);
    ASSERT_EQ(buffer.Count, 2);
    kvor::ParseXYLines(kvor::TextLines(std::string("no pairs here\n")), ",", '.', buffer);
    EXPECT_EQ(buffer.Count, 0);
    // The maximum is primed with -1, so it stays there when every value is below it.
    kvor::ParseXYLines(kvor::TextLines(std::string("-5,-6\n")), ",", '.', buffer);
    EXPECT_EQ(buffer.MaxX, -1);
    EXPECT_EQ(buffer.MinX, -5);
    EXPECT_EQ(buffer.MinY, -6);
}

TEST(ParseXYLines, StopsAtTheCapacityOfOneMillionPairs) {
    const std::size_t lines = 1'200'000;
    std::string text = kvor::test::PairLines(lines, [](std::size_t i) {
        return std::pair{double(i + 1), 2.0 * double(i + 1)};
    });
    kvor::ImportedData buffer;
    const kvor::ScanTotals totals =
        kvor::ParseXYLines(kvor::TextLines(std::move(text)), ",", '.', buffer);
    ASSERT_EQ(buffer.Count, 1'000'000);
    EXPECT_EQ(buffer.X[999'999], 1e6);
    EXPECT_EQ(buffer.MaxX, 1e6);
    EXPECT_EQ(totals.SumX, 1e6 * (1e6 + 1) / 2);
}
