#include "import/ImportSuitability.h"
#include "import/ImportTexts.h"
#include "import/ImportXY.h"

#include "ImportTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using kvor::ImportKind;
using kvor::ImportSource;
using kvor::test::Alternate;
using Pair = std::pair<double, double>;
using Generator = std::function<Pair(std::size_t)>;

constexpr std::size_t N = 3000;

double Spread(std::size_t i) {
    return 10 + 0.1 * double(i);
} // 10 .. 309.9

// A line with slope b and intercept a through the spread X values, scattered by +-1.
Generator Line(double a, double b) {
    return [a, b](std::size_t i) { return Pair{Spread(i), a + b * Spread(i) + Alternate(i)}; };
}

// Replaces pair i for the indices where `when` holds.
Generator With(Generator base, std::function<bool(std::size_t)> when, Generator other) {
    return [=](std::size_t i) { return when(i) ? other(i) : base(i); };
}

kvor::ImportResult Check(const std::string& text, ImportKind kind, kvor::ImportedData& buffer,
                         ImportSource source = ImportSource::File, bool clipboardHoldsText = true) {
    return kvor::CheckImportLines(kvor::TextLines(text), ",", '.', kind, source, clipboardHoldsText,
                                  buffer);
}

std::string MessageOf(const kvor::ImportResult& result) {
    return result.Refusal ? result.Refusal->Message : "accepted";
}

const std::string Accepted = "accepted";

// The texts as the user reads them, written out here rather than taken from the code.
const std::string HalfXNegative =
    "Unsuitable data.  The data do not satisfy the requirement that at least 50% of "
    "X-values must be > 0.";
const std::string HalfYNegative =
    "Unsuitable data.  The data do not satisfy the requirement that at least 50% of "
    "Y-values must be > 0.";
const std::string NegativeXAndY =
    "Unsuitable data.  One or more negative X-values and Y-values were outside the "
    "allowed range (allowed minimum = -0.025*Max where Max is the maximum X-value or "
    "Y-value), ie. negative values must have magnitudes that do not exceed 2.5% of the "
    "largest positive X-value or Y-value, as appropriate.";
const std::string NegativeX =
    "Unsuitable data.  One or more negative X-values were outside the allowed range "
    "(allowed minimum = -0.025*Max where Max is the maximum X-value), ie. negative "
    "X-values must have magnitudes that do not exceed 2.5% of the largest positive "
    "X-value.";
const std::string NegativeY =
    "Unsuitable data.  One or more negative Y-values were outside the allowed range "
    "(allowed minimum = -0.025*Max where Max is the maximum Y-value), ie. negative "
    "Y-values must have magnitudes that do not exceed 2.5% of the largest positive "
    "Y-value.";
const std::string XRatio = "Unsuitable data.  The X-values have a Max/Min ratio < 1.2";
const std::string SlopeTooLarge =
    "Unsuitable data.  The Y on X Slope appears to be > 100 or < -100.  If these data "
    "have particular significance then scale one of the variates such that Abs(Slope) is "
    "< 100.";
const std::string SlopeNearZero =
    "Unsuitable data.  The Y on X Slope appears to lie between -0.01 and 0.01, ie. there "
    "is virtually no dependence of Y on X.";
const std::string InterceptTooLarge =
    "Unsuitable data.  The Y on X Intercept appears to be > 99999 or < -99999.  If these "
    "data have particular significance then scale the Y-values such that the "
    "Abs(Intercept) value is < 99999.";
const std::string PerfectFit =
    "Unsuitable data.  The X, Y pairs exhibit an essentially perfect fit to a straight "
    "line which implies that the Y-variate has zero error.";

} // namespace

TEST(CheckImportSuitability, GivesTheFirstFailingRowInOrder) {
    struct Row {
        const char* name;
        Generator pairs;
        std::string expected;
    };
    const auto before = [](std::size_t k) { return [k](std::size_t i) { return i < k; }; };
    const auto at = [](std::size_t k) { return [k](std::size_t i) { return i == k; }; };
    const Generator base = Line(5, 2);
    // Largest X 400 and largest Y 810, so 2.5% of them are 10 and 20.25.
    const Generator withTop = With(base, at(1), [](std::size_t) { return Pair{400, 810}; });
    const std::vector<Row> rows = {
        {"plain line", base, Accepted},
        {"half X negative",
         With(base, before(1500),
              [](std::size_t i) {
                  return Pair{-0.5, 50 + Alternate(i)};
              }),
         Accepted},
        {"half X negative and one zero",
         With(With(base, before(1500),
                   [](std::size_t) {
                       return Pair{-0.5, 50};
                   }),
              at(1500),
              [](std::size_t) {
                  return Pair{0, 40};
              }),
         Accepted},
        {"one more X negative",
         With(base, before(1501),
              [](std::size_t) {
                  return Pair{-0.5, 50};
              }),
         HalfXNegative},
        {"one more Y negative",
         With(base, before(1501),
              [](std::size_t i) {
                  return Pair{Spread(i), -0.5};
              }),
         HalfYNegative},
        {"far negative X and Y",
         With(base, at(6),
              [](std::size_t) {
                  return Pair{-2e8, -2e8};
              }),
         NegativeXAndY},
        {"far negative X",
         With(base, at(6),
              [](std::size_t) {
                  return Pair{-2e8, 50};
              }),
         NegativeX},
        {"far negative Y",
         With(base, at(6),
              [](std::size_t) {
                  return Pair{50, -2e8};
              }),
         NegativeY},
        {"X at the allowance",
         With(withTop, at(0),
              [](std::size_t) {
                  return Pair{-10, 20};
              }),
         Accepted},
        {"X past the allowance",
         With(withTop, at(0),
              [](std::size_t) {
                  return Pair{-10.001, 20};
              }),
         NegativeX},
        {"Y at the allowance",
         With(withTop, at(0),
              [](std::size_t) {
                  return Pair{50, -20.25};
              }),
         Accepted},
        {"Y past the allowance",
         With(withTop, at(0),
              [](std::size_t) {
                  return Pair{50, -20.251};
              }),
         NegativeY},
        {"all X equal",
         [](std::size_t i) {
             return Pair{50, 100 + Alternate(i)};
         },
         XRatio},
        {"X ratio 1.19",
         [](std::size_t i) {
             return Pair{100 + double(i % 20), 100 + Alternate(i)};
         },
         XRatio},
        {"X ratio 1.2",
         [](std::size_t i) {
             return Pair{100 + double(i % 21), 2.0 * double(i % 21) + Alternate(i)};
         },
         Accepted},
        {"all X zero",
         [](std::size_t i) {
             return Pair{0, 100 + Alternate(i)};
         },
         SlopeTooLarge},
        {"slope 101.5", Line(5, 101.5), SlopeTooLarge},
        {"slope -101.5", Line(40000, -101.5), SlopeTooLarge},
        {"slope 100.5", Line(5, 100.5), Accepted},
        {"slope 0.0085", Line(50, 0.0085), SlopeNearZero},
        {"slope -0.0085", Line(50, -0.0085), SlopeNearZero},
        {"slope 0.0095", Line(50, 0.0095), Accepted},
        {"intercept 100600", Line(100600, 2), InterceptTooLarge},
        {"intercept -100600",
         [](std::size_t i) {
             return Pair{1100 + 0.5 * double(i),
                         -100600 + 100 * (1100 + 0.5 * double(i)) + Alternate(i)};
         },
         InterceptTooLarge},
        {"intercept 100000", Line(100000, 2), Accepted},
        {"exact line Y = 2X",
         [](std::size_t i) {
             return Pair{double(i + 1), 2.0 * double(i + 1)};
         },
         PerfectFit},
        {"Y = 2X with a little scatter",
         [](std::size_t i) {
             return Pair{double(i + 1), 2.0 * double(i + 1) + 1e-3 * Alternate(i)};
         },
         Accepted},
    };
    kvor::ImportedData buffer;
    for (const Row& row : rows) {
        const kvor::ImportResult result =
            Check(kvor::test::PairLines(N, row.pairs), ImportKind::Accuracy, buffer);
        EXPECT_EQ(MessageOf(result), row.expected) << row.name;
        if (result.Accepted()) {
            EXPECT_EQ(result.StatusText, " 3000 X, Y pairs extracted from file.") << row.name;
            EXPECT_EQ(buffer.Count, 3000) << row.name;
        } else {
            EXPECT_EQ(result.Refusal->Box, kvor::ImportBox::Information) << row.name;
            EXPECT_EQ(buffer.Count, 0) << row.name;
        }
    }
}

TEST(CheckImportSuitability, RefusesTooFewPairsForTheKind) {
    kvor::ImportedData buffer;
    const std::string header = "X,Y\n";
    const auto pairs = [](std::size_t n) { return kvor::test::PairLines(n, Line(5, 2)); };

    auto result = Check(header + pairs(2999), ImportKind::Accuracy, buffer);
    EXPECT_EQ(MessageOf(result),
              "Insufficient data.  Only 2999  X, Y pairs were extracted from the "
              "file but a minimum of 3000 pairs are required for regression "
              "Accuracy simulations.");
    result = Check(std::string(2999, '\n') + "10,25\n", ImportKind::Accuracy, buffer);
    EXPECT_EQ(MessageOf(result),
              "Insufficient data.  Only one X, Y pair was extracted from the file "
              "but a minimum of 3000 pairs are required for regression Accuracy "
              "simulations.");
    result = Check(header + pairs(99999), ImportKind::Power, buffer);
    EXPECT_EQ(MessageOf(result),
              "Insufficient data.  Only 99999  X, Y pairs were extracted from the "
              "file but a minimum of 100000 pairs are required for regression "
              "Power simulations.");
    EXPECT_EQ(buffer.Count, 0);

    result = kvor::ImportClipboardText("X\tY\n" + kvor::test::PairLines(2999, Line(5, 2), "\t"),
                                       '.', ImportKind::Accuracy, true, buffer);
    EXPECT_EQ(MessageOf(result),
              "Insufficient data.  Only 2999  X, Y pairs were extracted from the "
              "clipboard but a minimum of 3000 pairs are required for regression "
              "Accuracy simulations.");

    result = Check(pairs(100000), ImportKind::Power, buffer);
    EXPECT_EQ(result.StatusText, " 100000 X, Y pairs extracted from file.");
    EXPECT_EQ(buffer.Count, 100000);
}

TEST(CheckImportSuitability, NamesWhereToLookWhenNoPairWasFound) {
    kvor::ImportedData buffer;
    const std::string junk(3000, '\n');
    auto result = Check(junk, ImportKind::Accuracy, buffer);
    ASSERT_FALSE(result.Accepted());
    EXPECT_EQ(result.Refusal->Box, kvor::ImportBox::Error);
    EXPECT_EQ(result.Refusal->Message,
              "No X, Y pairs were extracted from the data lines.  Click the View File button and "
              "check that the data lines have the required structure of X-value, specified X, Y "
              "separator character  then Y-value.");
    result = kvor::ImportClipboardText(junk, '.', ImportKind::Accuracy, true, buffer);
    EXPECT_EQ(MessageOf(result),
              "No X, Y pairs were extracted from the data lines.  Click the View Clipboard Data "
              "button and check that the data lines have the required structure of X, Y pairs "
              "separated by a Tab character.");
    result = kvor::ImportClipboardText(junk, '.', ImportKind::Accuracy, false, buffer);
    EXPECT_EQ(MessageOf(result),
              "No X, Y pairs could be extracted from the data lines and the clipboard no longer "
              "contains text.  You will need to switch to an application that contains data of "
              "interest and copy data  to the clipboard.");
    result = kvor::ImportClipboardText("", '.', ImportKind::Accuracy, true, buffer);
    EXPECT_EQ(MessageOf(result), kvor::ImportTexts::ClipboardNotRead);
}

TEST(CheckLineCount, RefusesShortListsBeforeParsing) {
    struct Row {
        ImportSource source;
        ImportKind kind;
        std::size_t lines;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {ImportSource::File, ImportKind::Accuracy, 2999,
         "Insufficient data.  Only 2999 lines were read from the file but a minimum of 3000 X, Y "
         "pairs are required for regression Accuracy simulations."},
        {ImportSource::File, ImportKind::Accuracy, 1,
         "Insufficient data.  Only one line was read from the file but a minimum of 3000 X, Y "
         "pairs are required for regression Accuracy simulations."},
        {ImportSource::File, ImportKind::Power, 99999,
         "Insufficient data.  Only 99999 lines were read from the file but a minimum of 100000 X, "
         "Y pairs are required for regression Power simulations."},
        {ImportSource::Clipboard, ImportKind::Accuracy, 1,
         "Insufficient data.  Only one data line was read from the clipboard but a minimum of "
         "3000 X, Y pairs are required for regression Accuracy simulations."},
        {ImportSource::Clipboard, ImportKind::Accuracy, 12,
         "Insufficient data.  Only 12 data lines were read from the clipboard but a minimum of "
         "3000 X, Y pairs are required for regression Accuracy simulations."},
        {ImportSource::Clipboard, ImportKind::Power, 1,
         "Insufficient data.  Only one data line was read from the clipboard but a minimum of "
         "100000 X, Y pairs are required for regression Power simulations."},
        {ImportSource::Clipboard, ImportKind::Power, 3000,
         "Insufficient data.  Only 3000 data lines were read from the clipboard but a minimum of "
         "100000 X, Y pairs are required for regression Power simulations."},
    };
    kvor::ImportedData buffer;
    for (const Row& row : rows) {
        // Valid pairs throughout: the count alone refuses them, before any line is read.
        const std::string separator = row.source == ImportSource::File ? "," : "\t";
        std::string text = kvor::test::PairLines(row.lines, Line(5, 2), separator);
        const kvor::ImportResult result =
            row.source == ImportSource::File
                ? Check(text, row.kind, buffer)
                : kvor::ImportClipboardText(std::move(text), '.', row.kind, true, buffer);
        ASSERT_FALSE(result.Accepted()) << row.expected;
        EXPECT_EQ(result.Refusal->Reason, kvor::ImportRefusalReason::TooFewLines);
        EXPECT_EQ(result.Refusal->Box, kvor::ImportBox::Information);
        EXPECT_EQ(result.Refusal->Message, row.expected);
    }
    EXPECT_FALSE(kvor::CheckLineCount(3000, ImportKind::Accuracy, ImportSource::File));
    EXPECT_FALSE(kvor::CheckLineCount(100000, ImportKind::Power, ImportSource::Clipboard));
}
