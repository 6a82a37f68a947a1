#include "cli/CliRun.h"
#include "KVORVersion.h"
#include "cli/CliOptions.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct CliResult {
    int Status = -1;
    std::string Out;
    std::string Err;
};

CliResult RunKvorCli(const std::vector<std::string>& args) {
    const auto parsed = kvor::cli::ParseCliOptions(args);
    EXPECT_TRUE(parsed.Ok) << parsed.Error;
    std::ostringstream out;
    std::ostringstream err;
    kvor::cli::CliStreams streams{out, err, false, {}, {}};
    CliResult result;
    result.Status = kvor::cli::RunCli(parsed.Options, streams);
    result.Out = out.str();
    result.Err = err.str();
    return result;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class CliRunFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("kvor-cli-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }
    std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }

    fs::path m_folder;
};

} // namespace

TEST(RunCli, CheckPrintsOkOrTheRefusalWithItsFocus) {
    const CliResult ok = RunKvorCli({"check"});
    EXPECT_EQ(ok.Status, kvor::cli::ExitOk);
    EXPECT_EQ(ok.Out, "ok\n");

    const CliResult refused = RunKvorCli({"check", "--xmin", "100", "--xmax", "110"});
    EXPECT_EQ(refused.Status, kvor::cli::ExitDesignRefused);
    const auto lines = Lines(refused.Out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "The X-range Max/Min ratio must be >= 1.2.");
    EXPECT_EQ(lines[1], "focus: 1");

    // The accuracy command refuses the same design before running.
    EXPECT_EQ(RunKvorCli({"accuracy", "--xmin", "100", "--xmax", "110"}).Status,
              kvor::cli::ExitDesignRefused);
}

TEST(RunCli, VersionIsPrintedInsteadOfRunning) {
    const std::string expected = std::string("kvor-cli ") + kvor::ProgramVersion + "\n";
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--version"},
                                                 {"accuracy", "--n", "20", "--version"},
                                                 {"power", "--version", "--json"}}) {
        SCOPED_TRACE(args.back());
        const CliResult result = RunKvorCli(args);
        EXPECT_EQ(result.Status, kvor::cli::ExitOk);
        EXPECT_EQ(result.Out, expected);
    }
}

TEST(RunCli, AccuracyJsonCarriesTheSeedCountsAndPanels) {
    const CliResult a = RunKvorCli({"accuracy", "--fixed-seed", "--json"});
    const CliResult b = RunKvorCli({"accuracy", "--fixed-seed", "--json"});
    ASSERT_EQ(a.Status, kvor::cli::ExitOk) << a.Err;
    EXPECT_EQ(a.Out, b.Out);
    EXPECT_EQ(a.Out.rfind("{\"study\":\"accuracy\",\"n\":100,\"sets\":1000,\"seed\":100000,"
                          "\"valid_count\":1000,",
                          0),
              0u)
        << a.Out;
    EXPECT_NE(a.Out.find("\"panels\":{\"ASlopeMeanPanel\":\" "), std::string::npos);
    EXPECT_NE(a.Out.find("\"A99CRPanel\":\" "), std::string::npos);

    const CliResult seeded = RunKvorCli({"accuracy", "--seed", "100000"});
    const CliResult text = RunKvorCli({"accuracy", "--fixed-seed"});
    EXPECT_EQ(seeded.Out, text.Out); // --seed replaces the fixed-seed rule with the same value
    EXPECT_EQ(Lines(text.Out).size(), 14u);
    EXPECT_EQ(Lines(text.Out)[0].rfind("ASlopeMeanPanel:  1.", 0), 0u) << text.Out;
}

TEST_F(CliRunFiles, DumpsEveryPairAndFit) {
    const CliResult r = RunKvorCli({"accuracy", "--n", "3", "--fixed-seed", "--dump-sets",
                                    PathOf("sets.tsv"), "--dump-fits", PathOf("fits.tsv")});
    ASSERT_EQ(r.Status, kvor::cli::ExitOk) << r.Err;
    const auto sets = Lines(ReadFile(PathOf("sets.tsv")));
    ASSERT_EQ(sets.size(), 1u + 3 * 1000);
    EXPECT_EQ(sets[0], "set\ti\tx\ty");
    EXPECT_EQ(sets[3000].rfind("1000\t3\t100\t", 0), 0u) << sets[3000]; // the XMax end point
    const auto fits = Lines(ReadFile(PathOf("fits.tsv")));
    ASSERT_EQ(fits.size(), 1u + 1000);
    EXPECT_EQ(fits[0].rfind("set\tslope\tintercept\tse_slope\tse_intercept\tvalid\tfail_code\t", 0),
              0u);
    EXPECT_EQ(fits[1].rfind("1\t", 0), 0u);
}

TEST_F(CliRunFiles, RefusesUnwritableOutputsBeforeRunning) {
    for (const std::string option : {"--dump-sets", "--dump-fits", "--export-failed"}) {
        const CliResult missingFolder =
            RunKvorCli({"accuracy", option, PathOf("no/such/file.tsv")});
        EXPECT_EQ(missingFolder.Status, kvor::cli::ExitUsage) << option;
        EXPECT_EQ(missingFolder.Out, "") << option;
        EXPECT_NE(missingFolder.Err.find("does not exist"), std::string::npos);
        EXPECT_EQ(RunKvorCli({"accuracy", option, m_folder.string()}).Status, kvor::cli::ExitUsage);
    }
}

TEST_F(CliRunFiles, ImportedSetThatFailsIsReportedAndExported) {
    // 3000 pairs; sequential sets of 3 give set 17 the pairs 49..51, which share one X.
    std::ofstream pairs(PathOf("pairs.csv"), std::ios::binary);
    for (int i = 0; i < 3000; ++i) {
        const bool inSet17 = i >= 48 && i < 51;
        const double x = inSet17 ? 42.5 : 10 + (i % 3) * 30 + (i % 7) * 0.5;
        pairs << x << ',' << x + 0.25 * (i % 5 - 2) << "\r\n";
    }
    pairs.close();
    const CliResult r = RunKvorCli({"accuracy", "--import", PathOf("pairs.csv"), "--separator",
                                    "comma", "--sampling", "sequential", "--n", "3", "--json",
                                    "--export-failed", PathOf("failed.txt")});
    EXPECT_EQ(r.Status, kvor::cli::ExitSetFailed) << r.Out << r.Err;
    const auto lines = Lines(r.Out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], " 3000 X, Y pairs extracted from file.");
    EXPECT_EQ(lines[1].rfind("{\"study\":\"accuracy\",\"failed\":{\"set\":17,\"fail_code\":1,"
                             "\"message\":\"Calculations for data set #17 failed",
                             0),
              0u)
        << lines[1];
    EXPECT_EQ(ReadFile(PathOf("failed.txt")),
              "42.5\t42.75\r\n42.5\t43\r\n42.5\t42\r\n"); // i = 48, 49, 50: i % 5 = 3, 4, 0
}

TEST_F(CliRunFiles, RefusedImportPrintsTheMessageAndExitsFive) {
    std::ofstream(PathOf("short.csv")) << "1,2\n3,4\n";
    const CliResult r =
        RunKvorCli({"check", "--import", PathOf("short.csv"), "--separator", "comma"});
    EXPECT_EQ(r.Status, kvor::cli::ExitImportRefused);
    EXPECT_EQ(Lines(r.Out).size(), 1u);
    EXPECT_FALSE(r.Out.empty());
    const CliResult missing = RunKvorCli({"power", "--import", PathOf("none.csv")});
    EXPECT_EQ(missing.Status, kvor::cli::ExitImportRefused);
}

TEST(RunCli, PowerSpecifiedNReportsBothSides) {
    const CliResult r =
        RunKvorCli({"power", "--mode", "specified", "--n", "50", "--fixed-seed", "--json"});
    ASSERT_EQ(r.Status, kvor::cli::ExitOk) << r.Err;
    EXPECT_EQ(r.Out.rfind("{\"study\":\"power\",\"mode\":\"specified\",\"detection\":90,", 0), 0u);
    EXPECT_NE(r.Out.find("\"intervals\":{\"required_n\":null,\"required_panel\":\"\",\"rows\":[{"
                         "\"n\":50,"),
              std::string::npos)
        << r.Out;
    EXPECT_NE(r.Out.find("\"region\":{"), std::string::npos);
    EXPECT_EQ(
        RunKvorCli({"power", "--mode", "specified", "--n", "50", "--fixed-seed", "--json"}).Out,
        r.Out);
}

TEST_F(CliRunFiles, ImportedPoolLimitsDataSetsTimesNBeforeARun) {
    std::ofstream pairs(PathOf("pool.csv"), std::ios::binary);
    for (int i = 1; i <= 5000; ++i) {
        const int x = 1000 + (i * 7919) % 9000;
        pairs << x << ',' << x + (i * 104729) % 201 - 100 << '\n';
    }
    pairs.close();
    struct Case {
        std::vector<std::string> Args;
        int Status;
        std::string Err;
    };
    const std::string pool = PathOf("pool.csv");
    const Case cases[] = {
        {{"accuracy", "--sampling", "sequential", "--n", "50", "--sets", "1000"},
         kvor::cli::ExitUsage,
         "kvor-cli: --n: 5000 imported pairs give 1000 data sets of at most 5 pairs, got 50\n"},
        {{"accuracy", "--n", "6"}, // random drawing has the same limit
         kvor::cli::ExitUsage,
         "kvor-cli: --n: 5000 imported pairs give 1000 data sets of at most 5 pairs, got 6\n"},
        {{"check", "--n", "50", "--sets", "5000"}, // no N fits: the data sets are named
         kvor::cli::ExitUsage,
         "kvor-cli: --sets: 5000 imported pairs give at most 100 data sets of 50 pairs, got "
         "5000\n"},
        {{"check", "--n", "5"}, kvor::cli::ExitOk, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.Args;
        args.insert(args.end(), {"--import", pool, "--separator", "comma"});
        const CliResult r = RunKvorCli(args);
        EXPECT_EQ(r.Status, c.Status) << args[0] << ' ' << args[1] << ' ' << args[2] << r.Err;
        EXPECT_EQ(r.Err, c.Err);
        if (c.Status == kvor::cli::ExitUsage) {
            // The pool was read and nothing was run.
            EXPECT_EQ(r.Out, " 5000 X, Y pairs extracted from file.\n");
        }
    }
}

TEST(RunCli, VisualiseReportsCountsOfWhatItComputed) {
    const CliResult both = RunKvorCli({"visualise", "--actual-slope", "1.05", "--vis-n", "30",
                                       "--vis-sets", "10", "--seed", "7", "--json"});
    EXPECT_EQ(both.Status, 0);
    EXPECT_NE(both.Out.find("\"completed\":true,\"refused\":null"), std::string::npos);
    EXPECT_NE(both.Out.find("\"seed\":7"), std::string::npos);
    EXPECT_EQ(both.Out.find("\"none\":null"), std::string::npos);
    EXPECT_EQ(both.Out.find("\"region_detected\":null"), std::string::npos);

    const CliResult alone = RunKvorCli(
        {"visualise", "--vis-n", "30", "--vis-sets", "10", "--seed", "7", "--no-also", "--json"});
    EXPECT_EQ(alone.Status, 0);
    EXPECT_NE(alone.Out.find("\"region_not_detected\":null,\"region_detected\":null"),
              std::string::npos);
    EXPECT_NE(alone.Out.find("\"region_slope\":null"), std::string::npos);
    EXPECT_NE(alone.Out.find("\"CRDetectionLabel1\":\"\""), std::string::npos);

    const CliResult text = RunKvorCli(
        {"visualise", "--vis-n", "30", "--vis-sets", "10", "--seed", "7", "--run", "region"});
    EXPECT_EQ(text.Status, 0);
    const std::vector<std::string> lines = Lines(text.Out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("Detection Success:", 0), 0u);
    EXPECT_EQ(lines[1].rfind("{Detection by Confidence Intervals: ", 0), 0u);
}

TEST(RunCli, VisualiseRefusalsAndUnfinishedRuns) {
    // Errors so small over so wide a range that the fitted slopes hardly differ.
    const CliResult unplottable = RunKvorCli({"visualise", "--variance", "0.000001", "--xmin", "10",
                                              "--xmax", "100000", "--actual-slope", "1", "--vis-n",
                                              "10", "--vis-sets", "10", "--seed", "1", "--json"});
    EXPECT_EQ(unplottable.Status, 3);
    EXPECT_NE(unplottable.Out.find("\"completed\":false,\"refused\":\"The Slope, Intercept "
                                   "values obtained in this simulation run are unsuitable for "
                                   "plotting."),
              std::string::npos);
    EXPECT_NE(unplottable.Out.find("\"none\":null"), std::string::npos);
    const CliResult refused =
        RunKvorCli({"visualise", "--vis-n", "10", "--xmin", "50", "--xmax", "40", "--json"});
    EXPECT_EQ(refused.Status, 4);
}

TEST_F(CliRunFiles, VisualiseDumpsSetsAndOutlines) {
    const CliResult r =
        RunKvorCli({"visualise", "--vis-n", "12", "--vis-sets", "10", "--seed", "4", "--no-also",
                    "--dump-vis", PathOf("vis.tsv"), "--dump-outlines", PathOf("outlines.tsv")});
    EXPECT_EQ(r.Status, 0);
    const std::vector<std::string> vis = Lines(ReadFile(PathOf("vis.tsv")));
    ASSERT_EQ(vis.size(), 11u);
    EXPECT_EQ(vis[0], "set\tslope\tintercept\tslope_low\tslope_high\tintercept_low\t"
                      "intercept_high\tbias\tregion_detected");
    EXPECT_EQ(vis[1].rfind("1\t", 0), 0u);
    EXPECT_EQ(vis[10].back(), '\t'); // regions were not computed
    // Without regions the outline dump has its heading only.
    EXPECT_EQ(Lines(ReadFile(PathOf("outlines.tsv"))).size(), 1u);

    const CliResult region =
        RunKvorCli({"visualise", "--vis-n", "12", "--vis-sets", "10", "--seed", "4", "--run",
                    "region", "--dump-outlines", PathOf("outlines.tsv")});
    EXPECT_EQ(region.Status, 0);
    const std::vector<std::string> outlines = Lines(ReadFile(PathOf("outlines.tsv")));
    ASSERT_EQ(outlines.size(), 1u + 10u * 202u);
    EXPECT_EQ(outlines[202].rfind("1\t202\t", 0), 0u);
    EXPECT_EQ(outlines[203].rfind("2\t1\t", 0), 0u);
}
