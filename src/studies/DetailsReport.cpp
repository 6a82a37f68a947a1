#include "studies/DetailsReport.h"

#include "graphs/AxisScale.h"
#include "studies/DetailsTexts.h"
#include "visualise/VisRun.h"
#include "visualise/VisTexts.h"

#include <cmath>

namespace kvor {

namespace T = DetailsTexts;

namespace {

constexpr int SlopeDigits = 5;
constexpr int InterceptDigits = 6;
constexpr int KeepOneDecimal = 2;

std::string Slope(double v, char separator) {
    return FormatSignificant(SlopeDigits, KeepOneDecimal, v, separator);
}

std::string Intercept(double v, char separator) {
    return FormatSignificant(InterceptDigits, KeepOneDecimal, v, separator);
}

std::string Pair(double slope, double intercept, char separator) {
    return Slope(slope, separator) + T::PairSeparator + Intercept(intercept, separator) +
           T::PairEnd;
}

// The count row and the percentage row of a table of `counts`.
std::string CountRow(const std::vector<int>& counts) {
    std::string row;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        row += T::CountGaps[i] + ReportCount(counts[i]);
    }
    return row;
}

std::string PercentRow(const std::vector<int>& counts, int sets, char separator) {
    std::string row;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        row += T::PercentGaps[i] + ReportPercent(counts[i], sets, separator);
    }
    return row;
}

class LineList {
public:
    void Add(std::string text, ReportFont font) { m_lines.push_back({std::move(text), font, 0}); }
    // An empty line of `points` in the current font.
    void Spacer(int points) { m_lines.push_back({"", m_lines.back().Font, points}); }
    void Blank() { m_lines.push_back({T::Blank, m_lines.back().Font, 0}); }

    void Table(const char* heading, const char* columns, const std::vector<int>& counts, int sets,
               char separator) {
        Add(heading, ReportFont::ArialBold);
        Spacer(5);
        Add(columns, ReportFont::CourierBold);
        Spacer(2);
        Add(CountRow(counts), ReportFont::Courier);
        Spacer(2);
        Add(PercentRow(counts, sets, separator), ReportFont::Courier);
        Blank();
    }

    std::vector<ReportLine> Take() { return std::move(m_lines); }

private:
    std::vector<ReportLine> m_lines;
};

} // namespace

DetailsSummary SummaryOf(const StudyDesign& design, const VisRun& run, VisRunKind kind) {
    DetailsSummary s;
    s.Regression = design.Regression;
    s.DataSource = design.DataSource;
    s.IdealSlope = design.TrueSlope;
    s.IdealIntercept = design.TrueIntercept;
    s.ActualSlope = design.ActualSlope;
    s.ActualIntercept = design.ActualIntercept;
    s.VisSets = run.VisSets;
    s.VisN = run.VisN;
    s.IntervalsSection = kind == VisRunKind::Intervals || run.WithIntervals;
    s.RegionSection = kind == VisRunKind::Region || run.WithRegions;
    const VisCounts& c = run.Counts;
    s.Proportional = c.Of(BiasType::Proportional);
    s.Constant = c.Of(BiasType::Constant);
    s.Both = c.Of(BiasType::Both);
    s.RegionNotDetected = c.RegionNotDetected;
    s.RegionDetected = c.RegionDetected;
    return s;
}

std::vector<ReportLine> BuildSummary(const DetailsSummary& s, char separator) {
    LineList lines;
    lines.Add(T::Blank, ReportFont::ArialBold);
    lines.Add(T::Regression[static_cast<int>(s.Regression)], ReportFont::ArialBold);
    lines.Blank();
    lines.Add(T::IdealStart + Pair(s.IdealSlope, s.IdealIntercept, separator),
              ReportFont::CourierBold);
    lines.Spacer(5);
    lines.Add(std::string(T::ActualStart) + (s.DataSource == DataSource::Generate
                                                 ? Pair(s.ActualSlope, s.ActualIntercept, separator)
                                                 : std::string(T::UserDefined) + T::PairEnd),
              ReportFont::CourierBold);
    lines.Spacer(5);
    lines.Add(T::SimulationStart + std::to_string(s.VisSets) + T::SimulationSets +
                  std::to_string(s.VisN) + T::SimulationEnd,
              ReportFont::CourierBold);
    lines.Blank();
    if (s.IntervalsSection) {
        const int detected = s.Proportional + s.Constant + s.Both;
        lines.Table(T::IntervalsHeading, T::IntervalsColumns,
                    {s.VisSets - detected, detected, s.Proportional, s.Constant, s.Both}, s.VisSets,
                    separator);
    }
    if (s.RegionSection) {
        lines.Table(T::RegionHeading, T::RegionColumns, {s.RegionNotDetected, s.RegionDetected},
                    s.VisSets, separator);
    }
    return lines.Take();
}

std::string ReportPlainText(const std::vector<ReportLine>& lines) {
    std::string text;
    for (const ReportLine& line : lines) {
        text += line.Text + '\n';
    }
    return text;
}

std::string ReportCount(int n) {
    std::string digits = std::to_string(n);
    if (digits.size() < 4) {
        digits.insert(0, 4 - digits.size(), ' ');
    }
    return digits;
}

std::string ReportPercent(int n, int sets, char separator) {
    // A share of at most 100 in "%6.1f" always starts with a blank that "%5.1f" has not.
    return DetectionPercent(n, sets, separator).substr(1) + '%';
}

int ReportWindowLines(int sections) {
    const double allowance = 8 + 6.5 * sections;
    const int lines = static_cast<int>(std::nearbyint(allowance));
    return allowance < 20 ? lines + 1 : lines;
}

} // namespace kvor
