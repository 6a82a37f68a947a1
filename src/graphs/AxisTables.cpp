#include "graphs/AxisTables.h"

#include <algorithm>
#include <array>

namespace kvor {

namespace {

struct SpanRow {
    int lastCode;
    NiceSpan a1, a2, b1, b2, c;
};

// Each row covers the codes above the previous row's last code up to its own.
constexpr std::array<SpanRow, 22> SpanRows{{
    {10, {100, 5}, {100, 4}, {100, 5}, {100, 5}, {100, 5}},
    {12, {125, 5}, {120, 4}, {125, 5}, {125, 5}, {125, 5}},
    {14, {150, 6}, {160, 4}, {140, 7}, {160, 4}, {150, 6}},
    {15, {150, 6}, {160, 4}, {150, 6}, {160, 4}, {150, 6}},
    {16, {175, 7}, {160, 4}, {200, 4}, {160, 4}, {200, 4}},
    {17, {175, 7}, {200, 4}, {200, 4}, {200, 4}, {200, 4}},
    {20, {200, 8}, {200, 4}, {200, 4}, {200, 4}, {200, 4}},
    {24, {250, 5}, {240, 4}, {250, 5}, {250, 5}, {250, 5}},
    {25, {250, 5}, {280, 4}, {250, 5}, {250, 5}, {250, 5}},
    {28, {300, 6}, {280, 4}, {300, 6}, {320, 4}, {300, 6}},
    {30, {300, 6}, {320, 4}, {300, 6}, {320, 4}, {300, 6}},
    {32, {350, 7}, {320, 4}, {350, 7}, {320, 4}, {360, 6}},
    {35, {350, 7}, {360, 4}, {350, 7}, {400, 4}, {360, 6}},
    {36, {400, 8}, {360, 4}, {400, 4}, {400, 4}, {360, 6}},
    {40, {400, 8}, {400, 4}, {400, 4}, {400, 4}, {400, 4}},
    {50, {500, 5}, {500, 4}, {500, 5}, {500, 5}, {500, 5}},
    {60, {600, 6}, {600, 4}, {600, 6}, {600, 4}, {600, 6}},
    {64, {700, 7}, {640, 4}, {700, 7}, {640, 4}, {640, 4}},
    {70, {700, 7}, {720, 4}, {700, 7}, {800, 4}, {800, 4}},
    {72, {800, 8}, {720, 4}, {800, 4}, {800, 4}, {800, 4}},
    {80, {800, 8}, {800, 4}, {800, 4}, {800, 4}, {800, 4}},
    {100, {1000, 5}, {1000, 4}, {1000, 5}, {1000, 5}, {1000, 5}},
}};

NiceSpan Pick(const SpanRow& row, SpanTable table) {
    switch (table) {
    case SpanTable::A1:
        return row.a1;
    case SpanTable::A2:
        return row.a2;
    case SpanTable::B1:
        return row.b1;
    case SpanTable::B2:
        return row.b2;
    case SpanTable::C:
        break;
    }
    return row.c;
}

} // namespace

NiceSpan LookUpSpan(SpanTable table, int code) {
    const int clamped = std::clamp(code, 10, 100);
    const auto row = std::find_if(SpanRows.begin(), SpanRows.end(),
                                  [clamped](const SpanRow& r) { return clamped <= r.lastCode; });
    return Pick(*row, table);
}

int MinorTickCount(MinorTable table, int stepMantissa, int intervals) {
    const bool m1 = table == MinorTable::M1;
    const int n = intervals;
    switch (stepMantissa) {
    case 1:
    case 5:
        return n > (m1 ? 5 : 4) ? 5 : 10;
    case 2:
        return n > (m1 ? 5 : 4) ? 4 : 10;
    case 3:
    case 6:
    case 15:
        return m1 ? 6 : (n > 6 ? 3 : 6);
    case 4:
        return n > (m1 ? 6 : 5) ? 4 : 8;
    case 7:
        return 7;
    case 8:
    case 16:
        return m1 ? 8 : (n > 5 ? 4 : 8);
    case 9:
    case 18:
        return 9;
    case 25:
    case 125:
        return 5;
    case 75:
        return m1 ? 10 : 5;
    default:
        return 10;
    }
}

} // namespace kvor
