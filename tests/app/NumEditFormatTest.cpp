#include "app/NumEditFormat.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    double Value;
    int MaxLength;
    char Separator;
    const char* Expected;
};

TEST(FormatNumEditText, FitsTheLengthWithoutTrailingZeros) {
    const FormatCase cases[] = {
        {1.0 / 3.0, 5, '.', ".3333"}, // leading zero dropped to fit
        {100, 5, '.', "100"},
        {1.01, 5, '.', "1.01"},
        {0.001, 8, '.', "0.001"},
        {0.123456789, 8, '.', ".1234568"}, // rounded, then the zero dropped
        {1e-06, 14, '.', "0.000001"},
        {999999999, 14, '.', "999999999"},
        {-999999999, 14, '.', "-999999999"},
        {-1.0 / 3.0, 5, '.', "-.333"},
        {-0.004, 5, '.', "-.004"},
        {-0.5, 5, '.', "-0.5"},
        {0, 5, '.', "0"},
        {-0.0, 5, '.', "0"},
        {1.5, 5, ',', "1,5"},
        {12345.6, 6, '.', "12346"}, // separator would stand at the last place
        {99999, 6, '.', "99999"},
        {0.99999, 5, '.', "1"},        // rounds to a whole number
        {1.23456789, 5, '.', "1.234"}, // cut, not rounded, when the pattern overflows
        {2.5, 1, '.', "3"},            // whole numbers round halves away from zero
        {1.01, 5, ',', "1,01"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(kvor::FormatNumEditText(c.Value, c.MaxLength, c.Separator), c.Expected)
            << c.Value << " in " << c.MaxLength;
    }
}

} // namespace
