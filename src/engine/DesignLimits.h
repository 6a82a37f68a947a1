#pragma once

#include <array>
#include <cstddef>

namespace kvor {

enum class StudyTab { Accuracy, Power };

// Every design value a tab's edits hold. Para, B1, B2, B3 and J belong to both variance
// functions; Form is chosen by radio buttons and has no edit.
enum class DesignField {
    XMin,
    XMax,
    TrueSlope,
    TrueIntercept,
    ActualSlope,
    ActualIntercept,
    SetsPerRun,
    N,
    ConstantVariance,
    Form,
    Para,
    B1,
    B2,
    B3,
    J,
};

inline constexpr std::size_t DesignFieldCount = static_cast<std::size_t>(DesignField::J) + 1;

// What the edit rules and the command line check a design value against.
struct FieldLimits {
    DesignField Field;
    double Min;
    double Max;
    double Default;
    int MaxLength;   // most characters the edit accepts; 0 for a value without an edit
    double Tag;      // the lower bound the edit takes back once its text is complete (B, J)
    double Partial;  // the lower bound while the text is partial (see PartialMinNote below)
    double OnExit;   // what a value of 0 becomes when the edit is left
    bool OnAccuracy; // the field has an edit on the Accuracy tab
    bool OnPower;
};

// Partial means an empty text, the separator alone, "-" alone or "-" and the separator. Two
// edits have a rule of their own: the X maximum takes Partial only for an empty text or the
// separator alone (Min otherwise), and the constant variance also while its value is 0.
// The slopes do not use OnExit: 0 becomes 1 and a value nearer 0 than SlopeExitStep becomes
// plus or minus SlopeExitStep.
inline constexpr double PartialTextLowerBound = -1e-15; // negative, so that '-' can still be typed
inline constexpr double SlopeExitStep = 0.01;
inline constexpr double VarianceCoefficientBound = 999999999;
inline constexpr double VarianceExponentBound = 65;

inline constexpr std::array<FieldLimits, DesignFieldCount> DesignLimitTable{{
    // field, min, max, default, length, tag, partial, on exit, on Accuracy, on Power
    {DesignField::XMin, 0, 1000000, 10, 8, 0, 0, 0, true, true},
    {DesignField::XMax, 0.001, 10000000, 100, 8, 0, 100, 100, true, true},
    {DesignField::TrueSlope, -100, 100, 1, 5, 0, PartialTextLowerBound, 1, true, true},
    {DesignField::TrueIntercept, -99999, 99999, 0, 6, 0, PartialTextLowerBound, 0, true, true},
    {DesignField::ActualSlope, -100, 100, 1.01, 5, 0, PartialTextLowerBound, 1, false, true},
    {DesignField::ActualIntercept, -99999, 99999, 0, 6, 0, PartialTextLowerBound, 0, false, true},
    {DesignField::SetsPerRun, 1000, 10000, 1000, 5, 0, 1000, 1000, true, true},
    {DesignField::N, 3, 5000, 100, 4, 0, 3, 3, true, true},
    {DesignField::ConstantVariance, 1e-06, 999999999, 1, 14, 0, 0, 1, true, true},
    {DesignField::Form, 2, 4, 2, 0, 0, 0, 0, true, true},
    {DesignField::Para, -1, 1, 0, 2, 0, 0, 0, true, true},
    {DesignField::B1, -VarianceCoefficientBound, VarianceCoefficientBound, 1, 14,
     -VarianceCoefficientBound, PartialTextLowerBound, 0, true, true},
    {DesignField::B2, -VarianceCoefficientBound, VarianceCoefficientBound, 0, 14,
     -VarianceCoefficientBound, PartialTextLowerBound, 0, true, true},
    {DesignField::B3, -VarianceCoefficientBound, VarianceCoefficientBound, 0, 14,
     -VarianceCoefficientBound, PartialTextLowerBound, 0, true, true},
    {DesignField::J, -VarianceExponentBound, VarianceExponentBound, 1, 11, -VarianceExponentBound,
     PartialTextLowerBound, 1, true, true},
}};

constexpr const FieldLimits& DesignLimit(DesignField field) {
    return DesignLimitTable[static_cast<std::size_t>(field)];
}

// The limits of a field's edit on a tab; the twins of both tabs share them.
constexpr const FieldLimits& DesignLimit(DesignField field, StudyTab) {
    return DesignLimit(field);
}

constexpr bool OnTab(DesignField field, StudyTab tab) {
    return tab == StudyTab::Accuracy ? DesignLimit(field).OnAccuracy : DesignLimit(field).OnPower;
}

// The Power tab's drop-down lists, the first item of each list being the default where no other
// is named.
inline constexpr std::array<int, 3> DetectionRates{80, 90, 95};
inline constexpr int DefaultDetectionRate = 90;
inline constexpr std::array<double, 2> SignificanceLevels{0.05, 0.01};
inline constexpr double DefaultSignificance = 0.05;

// The most pairs an Accuracy tab's data sets may take from a pool of `count` imported pairs. The
// rules are the same for random and sequential drawing: S x N never exceeds the pool.
struct SamplingLimits {
    int MaxSets = 0;
    int MaxN = 0;
    int SetsMaxLength = 0; // digits of MaxSets (never fewer than those of the minimum)
    int NMaxLength = 0;
    int Sets = 0; // the data sets and N after the update
    int N = 0;
};

// After a data-source change or an import: the limits without a pool when `count` is 0 (or the
// tab generates), else those that keep S x N within the pool, resetting S to 1000 and N to
// count div 1000 when the pair already exceeds it.
SamplingLimits UpdateSampling(int count, int sets, int n);

// Leaving the data-sets edit: the largest N for `sets` data sets; leaving the N edit: the most
// data sets of `n` pairs.
int MaxNForSets(int count, int sets);
int MaxSetsForN(int count, int n);

} // namespace kvor
