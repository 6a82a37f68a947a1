#pragma once

#include "studies/EstimateSummary.h"
#include "studies/FailedSet.h"
#include "studies/RunControl.h"

#include <array>
#include <cstddef>
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

// The result panels of the tab, in the order they are written.
enum class AccuracyPanel {
    SlopeMean,
    SlopeSD,
    SlopeZ,
    SlopeP,
    InterceptMean,
    InterceptSD,
    InterceptZ,
    InterceptP,
    Slope95,
    Slope99,
    Intercept95,
    Intercept99,
    Region95,
    Region99,
};
inline constexpr std::size_t AccuracyPanelCount =
    static_cast<std::size_t>(AccuracyPanel::Region99) + 1;

// The key a panel's text is reported under; the window's panel carries the same name.
const char* PanelKey(AccuracyPanel panel);

struct AccuracyPanels {
    std::array<std::string, AccuracyPanelCount> Texts;

    std::string& operator[](AccuracyPanel panel) { return Texts[static_cast<std::size_t>(panel)]; }
    const std::string& operator[](AccuracyPanel panel) const {
        return Texts[static_cast<std::size_t>(panel)];
    }
    // Every panel's key and text, in panel order.
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
