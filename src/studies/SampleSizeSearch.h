#pragma once

namespace kvor {

inline constexpr int SmallestN = 3;
inline constexpr int LargestN = 5000;
inline constexpr int FirstSearchN = 200;
inline constexpr int MaxEvaluationsPerPass = 100;

// 1 - rate/100 as the double nearest the decimal: 0.2, 0.1 or 0.05.
double AllowedMissFor(int detectionRate);

// Where the automatic search of one pass stands.
struct SearchState {
    int LowerLimit = SmallestN;
    int UpperLimit = LargestN;
    int LowerProbe = 0;
    int UpperProbe = 0;
    int StepFactor = 2;
    bool FineSearch = false;
    bool Finished = false;
    int Evaluations = 0; // evaluations actually simulated in this pass
};

// How far the next N may jump, judged from the first n counted data sets with miss fraction m:
// 5 when N is clearly too small, 10 when clearly large enough, otherwise 2.
int EarlyDecision(double m, int n, double allowedMiss);

// The N to evaluate after N gave miss fraction m (state.StepFactor is that evaluation's factor).
// Sets state.Finished when the search has its answer; the returned N is then meaningless.
int NextN(SearchState& state, int n, double m, double allowedMiss);

} // namespace kvor
