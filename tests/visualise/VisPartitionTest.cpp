#include "visualise/VisPartition.h"

#include "VisPlotRun.h"
#include "graphs/GraphOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kvor::BiasType;
using kvor::IntervalClassSelection;
using kvor::VisGraphType;
constexpr BiasType ND = BiasType::None;
constexpr BiasType PB = BiasType::Proportional;
constexpr BiasType CB = BiasType::Constant;
constexpr BiasType BO = BiasType::Both;

// +code checks a box, -code-1 clears it.
struct SelectionCase {
    std::string name;
    std::vector<int> clicks;
    std::vector<int> codes;
};

TEST(ClassSelection, DrawingOrderIsCheckingOrder) {
    const std::vector<SelectionCase> cases{
        {"empty", {}, {}},
        {"PB then ND, clear PB, check Both", {1, 0, -2, 3}, {0, 3}},
        {"all four in reverse", {3, 2, 1, 0}, {3, 2, 1, 0}},
        {"clear the first moves the rest forward", {2, 0, 1, -3}, {0, 1}},
        {"clear the last", {2, 0, 1, -2}, {2, 0}},
        {"re-checking a cleared class puts it last", {0, 1, -1, 0}, {1, 0}},
        {"checking twice keeps one slot", {1, 1}, {1}},
        {"clear all", {1, 2, -2, -3}, {}},
        {"clearing an absent code changes nothing", {3, -2}, {3}},
    };
    for (const auto& c : cases) {
        IntervalClassSelection sel;
        for (const int click : c.clicks) {
            if (click >= 0) {
                sel.AddBiasType(click);
            } else {
                sel.SubtractBiasType(-click - 1);
            }
        }
        EXPECT_EQ(sel.Codes(), c.codes) << c.name;
        EXPECT_EQ(sel.Count, static_cast<int>(c.codes.size())) << c.name;
        for (std::size_t i = c.codes.size(); i < sel.Slots.size(); ++i) {
            EXPECT_EQ(sel.Slots[i], -1) << c.name << " slot " << i;
        }
    }
}

TEST(ClassSelection, RegionListHoldsTwoCodes) {
    kvor::RegionClassSelection sel;
    sel.AddBiasType(1);
    sel.AddBiasType(0);
    EXPECT_EQ(sel.Codes(), (std::vector<int>{1, 0}));
    sel.SubtractBiasType(1);
    EXPECT_EQ(sel.Codes(), (std::vector<int>{0}));
    EXPECT_EQ(sel.Count, 1);
    EXPECT_TRUE(sel.Contains(0));
    EXPECT_FALSE(sel.Contains(1));
}

struct FlagsCase {
    std::string name;
    std::vector<BiasType> bias;
    std::vector<bool> detected;
    bool intervals;
    bool regions;
};

TEST(PartitionFlagsOf, NeedMixedClassesOfAComputedKind) {
    const std::vector<FlagsCase> cases{
        {"all None", {ND, ND, ND}, {}, false, false},
        {"all Both", {BO, BO}, {}, false, false},
        {"two classes", {ND, ND, PB}, {}, true, false},
        {"regions all detected", {ND, PB}, {true, true}, true, false},
        {"regions mixed", {CB, CB}, {true, false}, false, true},
        {"region run only", {}, {false, true, false}, false, true},
        {"region run none detected", {}, {false, false}, false, false},
    };
    for (const auto& c : cases) {
        const auto run = vistest::ClassRun(c.bias, c.detected);
        const kvor::PartitionFlags flags = kvor::PartitionFlagsOf(*run);
        EXPECT_EQ(flags.CanPartitionIntervals, c.intervals) << c.name;
        EXPECT_EQ(flags.CanPartitionRegions, c.regions) << c.name;
    }
}

TEST(GraphTypesOf, FourRunCases) {
    struct Row {
        std::string name;
        int selector;
        std::vector<BiasType> bias;
        std::vector<bool> detected;
        bool ci, cr, cirb, crrb;
        VisGraphType start;
    };
    const std::vector<Row> rows{
        {"intervals run without regions",
         1,
         {ND, PB},
         {},
         true,
         false,
         true,
         false,
         VisGraphType::Intervals},
        {"intervals run, regions one-sided",
         1,
         {ND, PB},
         {false, false},
         true,
         true,
         true,
         false,
         VisGraphType::Intervals},
        {"intervals run, regions mixed",
         1,
         {ND, ND},
         {false, true},
         true,
         true,
         true,
         true,
         VisGraphType::Intervals},
        {"region run without intervals",
         2,
         {},
         {false, true},
         false,
         true,
         false,
         true,
         VisGraphType::Regions},
        {"region run, intervals one class",
         2,
         {CB, CB},
         {false, true},
         true,
         true,
         false,
         true,
         VisGraphType::Regions},
        {"region run, intervals mixed",
         2,
         {CB, ND},
         {true, true},
         true,
         true,
         true,
         true,
         VisGraphType::Regions},
    };
    for (const auto& r : rows) {
        const auto run = vistest::ClassRun(r.bias, r.detected);
        const auto a = kvor::GraphTypesOf(r.selector, *run, kvor::PartitionFlagsOf(*run));
        EXPECT_EQ(a.CIRadioButton, r.ci) << r.name;
        EXPECT_EQ(a.CRRadioButton, r.cr) << r.name;
        EXPECT_EQ(a.CIRB, r.cirb) << r.name;
        EXPECT_EQ(a.CRRB, r.crrb) << r.name;
        EXPECT_EQ(a.Start, r.start) << r.name;
    }
}

TEST(OptionsEnablingOf, TypeBlackWhiteAndPartition) {
    const kvor::PartitionFlags both{true, true};
    const kvor::PartitionFlags regionsOnly{false, true};
    struct Row {
        VisGraphType type;
        bool bw;
        kvor::PartitionFlags flags;
        bool data, colours, dataColour, partition;
    };
    const std::vector<Row> rows{
        {VisGraphType::Intervals, false, both, true, true, true, true},
        {VisGraphType::Intervals, false, regionsOnly, true, true, true, false},
        {VisGraphType::Regions, false, regionsOnly, true, true, true, true},
        {VisGraphType::Regions, true, both, true, false, false, false},
        {VisGraphType::Lines, false, both, false, true, false, false},
        {VisGraphType::Lines, true, both, false, false, false, false},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const auto e = kvor::OptionsEnablingOf(r.type, r.bw, r.flags);
        EXPECT_EQ(e.DataControls, r.data) << "row " << i;
        EXPECT_EQ(e.Colours, r.colours) << "row " << i;
        EXPECT_EQ(e.DataColour, r.dataColour) << "row " << i;
        EXPECT_EQ(e.PartitionButton, r.partition) << "row " << i;
    }
}

TEST(PartitionRadiosFrom, OtherKindNeedsItsFlag) {
    const auto fromCI = kvor::PartitionRadiosFrom(VisGraphType::Intervals, {true, false});
    EXPECT_TRUE(fromCI.CIRBEnabled);
    EXPECT_FALSE(fromCI.CRRBEnabled);
    EXPECT_FALSE(fromCI.RegionsSelected);
    const auto fromCR = kvor::PartitionRadiosFrom(VisGraphType::Regions, {false, true});
    EXPECT_FALSE(fromCR.CIRBEnabled);
    EXPECT_TRUE(fromCR.CRRBEnabled);
    EXPECT_TRUE(fromCR.RegionsSelected);
    const auto both = kvor::PartitionRadiosFrom(VisGraphType::Regions, {true, true});
    EXPECT_TRUE(both.CIRBEnabled);
}

TEST(PartitionDesignOf, BoxesOfClassesTheRunHas) {
    const auto run = vistest::ClassRun({ND, ND, BO}, {true, true, true});
    using A = std::array<bool, kvor::ClassBoxCount>;
    const auto all = kvor::PartitionDesignOf(*run, false, false);
    EXPECT_EQ(all.Box, (A{false, false, false, false, false}));
    EXPECT_EQ(all.ColourBox, (A{false, false, false, false, false}));
    const auto intervals = kvor::PartitionDesignOf(*run, false, true);
    EXPECT_EQ(intervals.Box, (A{true, false, false, true, false}));
    EXPECT_EQ(intervals.ColourLabel, intervals.Box);
    EXPECT_EQ(intervals.ColourBox, intervals.Box);
    const auto regions = kvor::PartitionDesignOf(*run, true, true);
    EXPECT_EQ(regions.Box, (A{false, false, false, false, true}));
    // the BD colour stays choosable in the regions partition
    const auto none = kvor::PartitionDesignOf(*vistest::ClassRun({}, {false, false}), true, true);
    EXPECT_EQ(none.Box, (A{true, false, false, false, false}));
    EXPECT_EQ(none.ColourLabel, (A{true, false, false, false, false}));
    EXPECT_EQ(none.ColourBox, (A{true, false, false, false, true}));
}

TEST(ClassCodes, BoxesAndCodesRoundTrip) {
    for (int code = 0; code < kvor::BiasTypeCount; ++code) {
        EXPECT_EQ(kvor::ClassCodeOf(false, kvor::ClassBoxOf(false, code)), code);
    }
    EXPECT_EQ(kvor::ClassBoxOf(true, 1), kvor::DetBox);
    EXPECT_EQ(kvor::ClassCodeOf(true, kvor::DetBox), 1);
    EXPECT_EQ(kvor::ClassCodeOf(true, 2), -1);
    EXPECT_EQ(kvor::ClassCodeOf(false, kvor::DetBox), -1);
}

TEST(SetsOfClass, StoredOrderWithinAClass) {
    const auto run = vistest::ClassRun({PB, ND, PB, BO, PB}, {true, false, false, true, true});
    EXPECT_EQ(kvor::SetsOfClass(*run, false, 1), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(kvor::SetsOfClass(*run, false, 2), (std::vector<int>{}));
    EXPECT_EQ(kvor::SetsOfClass(*run, true, 0), (std::vector<int>{1, 2}));
    EXPECT_EQ(kvor::SetsOfClass(*run, true, 1), (std::vector<int>{0, 3, 4}));
}

TEST(PartitionOutputEnabled, EmptyPartitionedSelectionOnly) {
    EXPECT_TRUE(kvor::PartitionOutputEnabled(false, 0));
    EXPECT_FALSE(kvor::PartitionOutputEnabled(true, 0));
    EXPECT_TRUE(kvor::PartitionOutputEnabled(true, 1));
}

TEST(ClassColour, EachClassItsOwnField) {
    kvor::GraphOptions o = kvor::VisualisationGraphOptions();
    o.NotDetectedColour = {1, 0, 0};
    o.ProportionalColour = {2, 0, 0};
    o.ConstantColour = {3, 0, 0};
    o.BothColour = {4, 0, 0};
    o.DetectedColour = {5, 0, 0};
    for (int code = 0; code < 4; ++code) {
        EXPECT_EQ(kvor::ClassColour(o, false, code).R, code + 1);
    }
    EXPECT_EQ(kvor::ClassColour(o, true, 0).R, 1);
    EXPECT_EQ(kvor::ClassColour(o, true, 1).R, 5);
}

} // namespace
