#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "graphs/GraphOptions.h"
#include "graphs/VFCurveSet.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

namespace {

// What the picture writer was asked to draw.
struct Drawn {
    int GraphType = 0;
    std::string Caption;
    bool XLog = false;
    std::string File;
    std::string Format;
};

struct VFPlotRun {
    int Status = -1;
    std::optional<Drawn> Picture;
    std::string Err;
};

VFPlotRun RunVFCheck(const std::vector<std::string>& args, std::string writerError = {}) {
    const auto parsed = kvor::cli::ParseCliOptions(args);
    EXPECT_TRUE(parsed.Ok) << parsed.Error;
    std::ostringstream out;
    std::ostringstream err;
    VFPlotRun run;
    kvor::cli::CliStreams streams{out, err, false, {}, {}};
    streams.WriteVFPlot = [&](const kvor::cli::VFPlotRequest& r) {
        run.Picture = Drawn{r.GraphType, std::string(kvor::VFCaption(r.Set)), r.Options.XLog,
                            r.File, r.Format};
        return writerError;
    };
    run.Status = kvor::cli::RunCli(parsed.Options, streams);
    run.Err = err.str();
    return run;
}

TEST(VFCheckPlot, DrawsWhatTheButtonWouldOpenWithItsAxisChoices) {
    const VFPlotRun cv =
        RunVFCheck({"vfcheck", "--regression", "deming", "--xmin", "1", "--xmax", "500", "--yvf",
                    "3,0,0.5,0.05,0,2", "--plot", "cv", "--plot-out", "vf.emf"});
    EXPECT_EQ(cv.Status, kvor::cli::ExitOk);
    ASSERT_TRUE(cv.Picture.has_value());
    EXPECT_EQ(cv.Picture->GraphType, 3);
    EXPECT_EQ(cv.Picture->Caption, " Y and X-Variance Functions");
    EXPECT_TRUE(cv.Picture->XLog); // 1 .. 500
    EXPECT_EQ(cv.Picture->File, "vf.emf");
    EXPECT_EQ(cv.Picture->Format, "emf");

    // Nothing plottable: the refusal, and no picture.
    const VFPlotRun refused = RunVFCheck(
        {"vfcheck", "--xmin", "10", "--xmax", "11", "--plot", "sd", "--plot-out", "x.png"});
    EXPECT_EQ(refused.Status, kvor::cli::ExitDesignRefused);
    EXPECT_FALSE(refused.Picture.has_value());

    // A writer's failure is the command's.
    const VFPlotRun failed = RunVFCheck({"vfcheck", "--plot", "variance", "--plot-out", "x.bmp"},
                                        "cannot write the picture");
    EXPECT_EQ(failed.Status, kvor::cli::ExitUsage);
    ASSERT_TRUE(failed.Picture.has_value());
    EXPECT_EQ(failed.Picture->GraphType, 1);
    EXPECT_EQ(failed.Err, "kvor-cli: cannot write the picture\n");
}

} // namespace
