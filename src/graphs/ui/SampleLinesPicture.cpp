#include "graphs/ui/SampleLinesPicture.h"

#include "engine/RunResults.h"
#include "engine/StudyDesign.h"
#include "graphs/GraphOptions.h"
#include "graphs/SampleLinesModel.h"
#include "graphs/ui/GraphPicture.h"
#include "graphs/ui/SampleLinesGraph.h"

#include <memory>

namespace kvor {

std::string WriteSampleLinesPicture(const RunResults& results, const StudyDesign& design,
                                    bool parameterSpace, bool zeroOrigin, const std::string& file,
                                    const std::string& format) {
    auto prepared = std::make_unique<RunResults>(results);
    PrepareSampleLinesAxes(*prepared, zeroOrigin);
    GraphOptions options = DesignGraphOptions();
    ApplyFontPreset(options);
    SetLinesOptionsAfterRun(options, zeroOrigin);
    ChoosePointSize(options, design.SetsPerRun, prepared->Count);
    if (parameterSpace && !ParameterSpaceAvailable(*prepared)) {
        return "the run's slopes and intercepts give no parameter-space axes";
    }
    TSampleLinesGraph graph(*prepared, options, [&design] {
        return TrueValues{design.TrueSlope, design.TrueIntercept};
    });
    graph.Type = parameterSpace ? SampleLinesType::ParameterSpace : SampleLinesType::Lines;
    graph.Title1 = SampleLinesTitle1(design.Regression, design.SetsPerRun, design.N);

    return WriteGraphPicture(graph, file, format);
}

} // namespace kvor
