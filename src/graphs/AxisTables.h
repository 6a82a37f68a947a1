#pragma once

namespace kvor {

// A nice span c in units of 10^(Exp(u) - 2), split into n intervals.
struct NiceSpan {
    int c;
    int n;
};

enum class SpanTable { A1, A2, B1, B2, C };
enum class MinorTable { M1, M2 };

// The row of a nice-span table for a span code 10..100 (codes outside are clamped).
NiceSpan LookUpSpan(SpanTable table, int code);

// Sub-intervals per major interval for a step mantissa and interval count.
int MinorTickCount(MinorTable table, int stepMantissa, int intervals);

} // namespace kvor
