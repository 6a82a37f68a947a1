#pragma once

#include "studies/EstimateSummary.h"
#include "studies/FailedSet.h"
#include "studies/RunControl.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kvor {

struct DataSet;
struct ImportedData;
struct RegressionOutcome;
struct RunResults;
struct StudyDesign;

// How the Accuracy run meets whoever started it. Progress gets the current set after each fit,
// before the set is judged.
struct AccuracyRunControl : RunControl {
    // Every completed set with its fit, for scripted dumps.
    std::function<void(int set, const DataSet&, const RegressionOutcome&)> SetFitted;
};

// The enclosure counts in the order of the fit's flags.
enum EnclosureIndex { Slope95, Slope99, Intercept95, Intercept99, Region95, Region99 };

// The result panels of the tab by control name, in the order they are written.
struct AccuracyPanels {
    std::string ASlopeMeanPanel, ASlopeSDPanel, AIntMeanPanel, AIntSDPanel;
    std::string SlopeZLabel, SlopePLabel, InterceptZLabel, InterceptPLabel;
    std::string A95SlopeCIPanel, A99SlopeCIPanel, A95IntCIPanel, A99IntCIPanel;
    std::string A95CRPanel, A99CRPanel;

    std::vector<std::pair<std::string, std::string>> Named() const;
};

struct AccuracyResults {
    EstimateSummary Slope;
    EstimateSummary Intercept;
    int ValidCount = 0;
    std::array<int, 6> Enclosed{};
    AccuracyPanels Panels;
    // The sampling-lines plot starts both axes at zero.
    bool LinesZeroOrigin = false;
};

enum class RunEnd { Completed, Aborted, Failed };

struct AccuracyRunOutcome {
    RunEnd End = RunEnd::Aborted;
    std::optional<AccuracyResults> Results; // when Completed
    std::optional<kvor::FailedSet> Failure; // when Failed
    std::uint32_t Seed = 0;                 // the seed the run started from
};

// The Accuracy study: SetsPerRun data sets of N pairs around the true line (or drawn from
// `imported`), each fitted by the design's regression. `runResults` receives every completed set
// for the sampling-lines plot and keeps them after an abort or a failure.
AccuracyRunOutcome ACalculations(const StudyDesign& design, const ImportedData* imported,
                                 RunResults& runResults, const AccuracyRunControl& control);

} // namespace kvor
