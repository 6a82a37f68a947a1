#include "cli/CliOptions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using kvor::cli::ParseCliOptions;

TEST(ParseCliOptions, DefaultsAreTheWindowDefaults) {
    const auto parsed = ParseCliOptions({"accuracy"});
    ASSERT_TRUE(parsed.Ok) << parsed.Error;
    const kvor::StudyDesign defaults;
    const kvor::StudyDesign& d = parsed.Options.Design;
    EXPECT_EQ(d.N, defaults.N);
    EXPECT_EQ(d.SetsPerRun, 1000);
    EXPECT_EQ(d.Regression, kvor::RegressionType::OLS);
    EXPECT_FALSE(parsed.Options.Json);
    EXPECT_FALSE(parsed.Options.Seed.has_value());
}

TEST(ParseCliOptions, ReadsEveryDesignOption) {
    const auto parsed = ParseCliOptions({"power",
                                         "--regression",
                                         "deming",
                                         "--n",
                                         "3",
                                         "--sets",
                                         "10000",
                                         "--true-slope",
                                         "-100",
                                         "--true-intercept",
                                         "99999",
                                         "--actual-slope",
                                         "1.5",
                                         "--actual-intercept",
                                         "-2",
                                         "--xmin",
                                         "0",
                                         "--xmax",
                                         "1e7",
                                         "--xdist",
                                         "skewed",
                                         "--variance",
                                         "1e-6",
                                         "--yvf",
                                         "4,1,0.5,0.01,2e-3,-65",
                                         "--xvf",
                                         "3,-1,1,2,3,65",
                                         "--fixed-seed",
                                         "--seed",
                                         "4294967295",
                                         "--mode",
                                         "specified",
                                         "--detection",
                                         "95",
                                         "--significance",
                                         "0.01",
                                         "--json"});
    ASSERT_TRUE(parsed.Ok) << parsed.Error;
    const auto& o = parsed.Options;
    const auto& d = o.Design;
    EXPECT_EQ(o.Command, kvor::cli::Command::Power);
    EXPECT_EQ(o.Tab, kvor::cli::Tab::Power);
    EXPECT_EQ(d.Regression, kvor::RegressionType::Deming);
    EXPECT_EQ(d.N, 3);
    EXPECT_EQ(d.SetsPerRun, 10000);
    EXPECT_EQ(d.TrueSlope, -100);
    EXPECT_EQ(d.TrueIntercept, 99999);
    EXPECT_EQ(d.ActualSlope, 1.5);
    EXPECT_EQ(d.ActualIntercept, -2);
    EXPECT_EQ(d.XMin, 0);
    EXPECT_EQ(d.XMax, 1e7);
    EXPECT_EQ(d.XDist, kvor::XDistribution::RightSkewed);
    EXPECT_EQ(d.ConstantVariance, 1e-6);
    EXPECT_EQ(d.YVariance.Form, 4);
    EXPECT_EQ(d.YVariance.Para, 1);
    EXPECT_EQ(d.YVariance.B3, 2e-3);
    EXPECT_EQ(d.YVariance.J, -65);
    EXPECT_EQ(d.XVariance.Form, 3);
    EXPECT_EQ(d.XVariance.Para, -1);
    EXPECT_TRUE(d.FixedSeed);
    EXPECT_EQ(o.Seed, 4294967295u);
    EXPECT_EQ(d.EstimationMode, kvor::EstimationMode::SpecifiedN);
    EXPECT_EQ(d.DetectionRate, 95);
    EXPECT_EQ(d.Significance, 0.01);
    EXPECT_TRUE(o.Json);
}

TEST(ParseCliOptions, RefusesOutOfRangeAndMalformedValuesNamingTheOption) {
    struct Case {
        std::vector<std::string> Args;
        std::string Named;
    };
    const std::vector<Case> cases = {
        {{"accuracy", "--n", "2"}, "--n"},
        {{"accuracy", "--n", "5001"}, "--n"},
        {{"accuracy", "--n", "100.5"}, "--n"},
        {{"accuracy", "--sets", "999"}, "--sets"},
        {{"accuracy", "--true-slope", "100.0001"}, "--true-slope"},
        {{"accuracy", "--true-intercept", "nan"}, "--true-intercept"},
        {{"accuracy", "--xmin", "-1"}, "--xmin"},
        {{"accuracy", "--xmax", "0.0009"}, "--xmax"},
        {{"accuracy", "--xmax", "inf"}, "--xmax"},
        {{"accuracy", "--variance", "0"}, "--variance"},
        {{"accuracy", "--yvf", "5,0,1,0,0,1"}, "--yvf FORM"},
        {{"accuracy", "--yvf", "2,2,1,0,0,1"}, "--yvf PARA"},
        {{"accuracy", "--xvf", "2,0,1e9,0,0,1"}, "--xvf B1"},
        {{"accuracy", "--xvf", "2,0,1,0,0,66"}, "--xvf J"},
        {{"accuracy", "--xvf", "2,0,1,0,0"}, "--xvf"},
        {{"accuracy", "--xdist", "normal"}, "--xdist"},
        {{"accuracy", "--regression", "pls"}, "--regression"},
        {{"accuracy", "--seed", "-1"}, "--seed"},
        {{"accuracy", "--seed", "4294967296"}, "--seed"},
        {{"accuracy", "--threads", "0"}, "--threads"},
        {{"power", "--threads", "-2"}, "--threads"},
        {{"accuracy", "--threads", "two"}, "--threads"},
        {{"accuracy", "--threads", "257"}, "--threads"},
        {{"power", "--detection", "85"}, "--detection"},
        {{"power", "--significance", "0.1"}, "--significance"},
        {{"accuracy", "--separator", "ab"}, "--separator"},
        {{"accuracy", "--separator", "5"}, "--separator"},
        {{"accuracy", "--n"}, "--n"},
        {{"accuracy", "--bogus", "1"}, "--bogus"},
        {{"power", "--dump-sets", "f.tsv"}, "--dump-sets"},
        {{"accuracy", "--tab", "power"}, "--tab"},
        {{"vfcheck", "--dump-fits", "f.tsv"}, "--dump-fits"},
        {{"vfcheck", "--tab", "both"}, "--tab"},
        {{"simulate"}, "command"},
        {{"visualise"}, "--vis-n"},
        {{"visualise", "--vis-n", "2"}, "--vis-n"},
        {{"visualise", "--vis-n", "5001"}, "--vis-n"},
        {{"visualise", "--vis-n", "20", "--vis-sets", "50"}, "--vis-sets"},
        {{"visualise", "--vis-n", "20", "--run", "both"}, "--run"},
        {{"visualise", "--vis-n", "20", "--mode", "specified", "--run", "region"}, "--run"},
        {{"power", "--vis-n", "20"}, "--vis-n"},
        {{"power", "--no-also"}, "--no-also"},
        {{"accuracy", "--dump-outlines", "o.tsv"}, "--dump-outlines"},
        {{"power", "--report"}, "--report"},
        {{"visualise", "--vis-n", "20", "--report", "--json"}, "--report"},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseCliOptions(c.Args);
        EXPECT_FALSE(parsed.Ok) << c.Args.back();
        EXPECT_NE(parsed.Error.find(c.Named), std::string::npos) << parsed.Error;
        EXPECT_EQ(parsed.Error.find('\n'), std::string::npos) << parsed.Error;
    }
}

TEST(ParseCliOptions, VisualiseTakesThePowerDesignAndItsRun) {
    const auto parsed = ParseCliOptions({"visualise", "--actual-slope", "1.2", "--vis-n", "40",
                                         "--vis-sets", "1000", "--run", "region", "--no-also",
                                         "--dump-vis", "v.tsv", "--dump-outlines", "o.tsv"});
    ASSERT_TRUE(parsed.Ok) << parsed.Error;
    const auto& o = parsed.Options;
    EXPECT_EQ(o.Command, kvor::cli::Command::Visualise);
    EXPECT_EQ(o.Tab, kvor::cli::Tab::Power);
    EXPECT_EQ(o.Design.ActualSlope, 1.2);
    EXPECT_EQ(o.Vis.VisN, 40);
    EXPECT_EQ(o.Vis.VisSets, 1000);
    EXPECT_EQ(o.Vis.Run, kvor::VisRunKind::Region);
    EXPECT_TRUE(o.Vis.NoAlso);
    EXPECT_EQ(o.Vis.DumpVis, "v.tsv");
    EXPECT_EQ(o.Vis.DumpOutlines, "o.tsv");
    const auto defaults = ParseCliOptions({"visualise", "--vis-n", "3"});
    ASSERT_TRUE(defaults.Ok);
    EXPECT_EQ(defaults.Options.Vis.VisSets, 250);
    EXPECT_EQ(defaults.Options.Vis.Run, kvor::VisRunKind::Intervals);
    EXPECT_FALSE(defaults.Options.Vis.NoAlso);
}

TEST(ParseCliOptions, ImportOptionsSwitchTheDataSource) {
    const auto parsed =
        ParseCliOptions({"check", "--tab", "power", "--import", "pairs.txt", "--separator", ";"});
    ASSERT_TRUE(parsed.Ok) << parsed.Error;
    EXPECT_EQ(parsed.Options.Tab, kvor::cli::Tab::Power);
    EXPECT_EQ(parsed.Options.Design.DataSource, kvor::DataSource::Import);
    EXPECT_EQ(parsed.Options.ImportFile, "pairs.txt");
    EXPECT_EQ(parsed.Options.Separator.Choice, kvor::SeparatorChoice::Other);
    EXPECT_EQ(parsed.Options.Separator.OtherText, ";");
}

TEST(ParseCliOptions, VFCheckTakesTheTabTheDesignAndJson) {
    const auto parsed = ParseCliOptions({"vfcheck", "--tab", "power", "--regression", "deming",
                                         "--xvf", "3,0,1,2,0,1.5", "--json"});
    ASSERT_TRUE(parsed.Ok) << parsed.Error;
    EXPECT_EQ(parsed.Options.Command, kvor::cli::Command::VFCheck);
    EXPECT_EQ(parsed.Options.Tab, kvor::cli::Tab::Power);
    EXPECT_TRUE(parsed.Options.Json);
    EXPECT_EQ(parsed.Options.Design.XVariance.Form, 3);
    EXPECT_EQ(parsed.Options.Design.XVariance.J, 1.5);
}

TEST(ParseCliOptions, PlotOptionsTakeTheFormatFromTheExtensionUnlessGiven) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        std::string format;
    };
    const Case cases[] = {
        {{"accuracy", "--plot", "lines", "--plot-out", "a/b.EMF"}, true, "emf"},
        {{"accuracy", "--plot", "params", "--plot-out", "x.png"}, true, "png"},
        {{"accuracy", "--plot", "lines", "--plot-out", "x.txt", "--plot-format", "pdf"},
         true,
         "pdf"},
        {{"accuracy", "--plot", "lines", "--plot-out", "x.txt"}, false, ""},
        {{"accuracy", "--plot", "lines", "--plot-out", "a.bmp/x"}, false, ""},
        {{"accuracy", "--plot", "lines"}, false, ""},
        {{"accuracy", "--plot-out", "x.bmp"}, false, ""},
        {{"accuracy", "--plot", "curves", "--plot-out", "x.bmp"}, false, ""},
        {{"power", "--plot", "lines", "--plot-out", "x.bmp"}, false, ""},
        // vfcheck draws the variance-function plot, accuracy the run.
        {{"vfcheck", "--plot", "cv", "--plot-out", "vf.emf"}, true, "emf"},
        {{"vfcheck", "--plot", "sd", "--plot-out", "vf", "--plot-format", "png"}, true, "png"},
        {{"vfcheck", "--plot", "lines", "--plot-out", "vf.bmp"}, false, ""},
        {{"vfcheck", "--plot-out", "vf.bmp"}, false, ""},
        {{"accuracy", "--plot", "variance", "--plot-out", "x.bmp"}, false, ""},
        {{"check", "--plot", "variance", "--plot-out", "x.bmp"}, false, ""},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseCliOptions(c.args);
        EXPECT_EQ(parsed.Ok, c.ok) << c.args.back();
        if (c.ok) {
            EXPECT_EQ(parsed.Options.PlotFormat, c.format) << c.args.back();
        } else {
            EXPECT_NE(parsed.Error.find("--plot"), std::string::npos) << parsed.Error;
        }
    }
}

TEST(ParseCliOptions, VisualisePlotAndPartition) {
    using kvor::cli::VisPlotKind;
    struct Case {
        std::vector<std::string> args;
        std::optional<VisPlotKind> plot;
        std::optional<std::vector<int>> partition;
        std::string format;
    };
    const std::vector<Case> cases{
        {{"--plot", "regions", "--plot-out", "x.EMF"}, VisPlotKind::Regions, std::nullopt, "emf"},
        {{"--plot", "lines", "--plot-out", "x", "--plot-format", "pdf"},
         VisPlotKind::Lines,
         std::nullopt,
         "pdf"},
        {{"--plot", "intervals", "--partition", "both,nd,cb", "--plot-out", "x.png"},
         VisPlotKind::Intervals,
         std::vector<int>{3, 0, 2},
         "png"},
        {{"--partition", "bd,nd", "--plot", "regions", "--plot-out", "x.bmp"},
         VisPlotKind::Regions,
         std::vector<int>{1, 0},
         "bmp"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"visualise", "--vis-n", "20"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto parsed = ParseCliOptions(args);
        ASSERT_TRUE(parsed.Ok) << parsed.Error;
        EXPECT_EQ(parsed.Options.Vis.Plot, c.plot);
        EXPECT_EQ(parsed.Options.Vis.Partition, c.partition);
        EXPECT_EQ(parsed.Options.PlotFormat, c.format);
        EXPECT_FALSE(parsed.Options.Plot.has_value()); // the accuracy picture stays unset
    }
}

TEST(ParseCliOptions, VisualisePlotRefusals) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--plot", "params", "--plot-out", "x.png"},
         "--plot: expected intervals|regions|lines, got 'params'"},
        {{"--plot", "intervals", "--partition", "bd", "--plot-out", "x.png"},
         "--partition: the intervals classes are nd,pb,cb,both"},
        {{"--plot", "regions", "--partition", "nd,cb", "--plot-out", "x.png"},
         "--partition: the regions classes are nd,bd"},
        {{"--plot", "intervals", "--partition", "nd,,pb", "--plot-out", "x.png"},
         "--partition: expected nd|pb|cb|both|bd, got ''"},
        {{"--partition", "nd", "--plot-out", "x.png"},
         "--partition: needs --plot intervals|regions"},
        {{"--plot-out", "x.png"}, "--plot-out: needs --plot intervals|regions|lines"},
    };
    for (const auto& [extra, error] : cases) {
        std::vector<std::string> args{"visualise", "--vis-n", "20"};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto parsed = ParseCliOptions(args);
        EXPECT_FALSE(parsed.Ok) << error;
        EXPECT_EQ(parsed.Error, error);
    }
    const auto power = ParseCliOptions({"power", "--plot", "lines", "--plot-out", "x.png"});
    EXPECT_EQ(power.Error,
              "--plot: only the accuracy, vfcheck and visualise commands take this option");
    const auto accuracy = ParseCliOptions({"accuracy", "--partition", "nd"});
    EXPECT_EQ(accuracy.Error, "--partition: only the visualise command takes this option");
}
