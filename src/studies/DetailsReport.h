#pragma once

#include "engine/StudyDesign.h"

#include <string>
#include <vector>

namespace kvor {

struct VisRun;
enum class VisRunKind;

// The three fonts of the report: Arial 11 bold, Courier New 11 bold, Courier New 11 regular.
enum class ReportFont { ArialBold, CourierBold, Courier };

inline constexpr int ReportFontPoints = 11;

// One paragraph of the report. A spacer is an empty line in the font of the line before it, at
// SpacerPoints instead of the report's size.
struct ReportLine {
    std::string Text;
    ReportFont Font = ReportFont::ArialBold;
    int SpacerPoints = 0; // 0: a text line; 5 or 2: a spacer

    bool operator==(const ReportLine&) const = default;
};

// What the report shows of one visualisation run and the design it re-simulated.
struct DetailsSummary {
    RegressionType Regression = RegressionType::OLS;
    kvor::DataSource DataSource = DataSource::Generate;
    double IdealSlope = 1;
    double IdealIntercept = 0;
    double ActualSlope = 1;
    double ActualIntercept = 0;
    int VisSets = 250;
    int VisN = 3;
    bool IntervalsSection = true;
    bool RegionSection = false;
    int Proportional = 0;
    int Constant = 0;
    int Both = 0;
    int RegionNotDetected = 0;
    int RegionDetected = 0;

    int Sections() const { return (IntervalsSection ? 1 : 0) + (RegionSection ? 1 : 0); }
};

// The summary of the stored run of `kind`: the intervals run shows its regions only when it
// computed them, the region run its intervals likewise.
DetailsSummary SummaryOf(const StudyDesign& design, const VisRun& run, VisRunKind kind);

// The report's paragraphs in order.
std::vector<ReportLine> BuildSummary(const DetailsSummary& summary, char decimalSeparator = '.');

// One line per paragraph, a spacer as an empty line, each ended by a newline.
std::string ReportPlainText(const std::vector<ReportLine>& lines);

// n padded on the left with blanks to 4 characters; n x 100 / sets as "%5.1f" and "%".
std::string ReportCount(int n);
std::string ReportPercent(int n, int sets, char decimalSeparator = '.');

// Lines of report text the window leaves room for: 15 for one section, 21 for two.
int ReportWindowLines(int sections);

} // namespace kvor
