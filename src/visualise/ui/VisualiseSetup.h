#pragma once

#include "engine/StudyDesign.h"
#include "visualise/VisPlotModel.h"

#include <functional>

namespace kvor {

struct ImportedData;

// What the visualisation dialog takes from the Power tab when it opens.
struct VisualiseSetup {
    StudyDesign Design;
    const ImportedData* Imported = nullptr; // the tab's pool when it imports
    int SuggestedIntervalsN = 3;            // from the Required N panels
    int SuggestedRegionN = 3;
    char DecimalSeparator = '.';
    // The tab's Ideal and Actual entries as they are when the plot draws; empty: those of Design.
    std::function<PowerEntries()> EntriesNow;
};

// The suggested N of a Required N panel text: its number, or 5000 when it holds ">".
int SuggestedN(const char* requiredNText);

} // namespace kvor
