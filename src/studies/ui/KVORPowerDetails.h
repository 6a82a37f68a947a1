#pragma once

#include "studies/DetailsReport.h"

#include <QDialog>

#include <vector>

class QGroupBox;
class QPushButton;
class QTextEdit;

namespace kvor {

class GraphOutputContext;
class THelpSystem;
struct StudyDesign;
struct VisRun;

// "Significance Test Details": the report of one visualisation run as read-only rich text, with
// Copy, Print and Printer Setup. Keeps its own summary; the run is only read when it is made.
class TKVORPowerDetails final : public QDialog {
    Q_OBJECT

public:
    TKVORPowerDetails(const DetailsSummary& summary, char decimalSeparator,
                      GraphOutputContext& output, QWidget* parent = nullptr);
    ~TKVORPowerDetails() override;

    void CopyButtonClick();
    void PrintButtonClick();
    void PSetupButtonClick();

    const std::vector<ReportLine>& Lines() const { return m_lines; }
    // Lines of text the window leaves room for, and the height of one.
    int WindowLines() const { return m_windowLines; }
    int LineHeight() const { return m_lineHeight; }

    static constexpr int HelpTopic = 1260;
    static constexpr int PrintCode = 8;

signals:
    void HelpRequested(int topic);

private:
    // Measures the fonts, fills the text and sizes the window.
    void CheckFormSize();
    void BuildSummary();
    // The text never keeps the focus: a button that loses it to the text takes it back.
    void FocusChanged(QWidget* old, QWidget* now);

    DetailsSummary m_summary;
    char m_separator;
    GraphOutputContext& m_output;
    std::vector<ReportLine> m_lines;
    int m_windowLines = 0;
    int m_lineHeight = 0;
    QTextEdit* m_richEdit;
    QGroupBox* m_outputGroup;
    QPushButton* m_copy;
    QPushButton* m_print;
    QPushButton* m_setup;
    QPushButton* m_close;
    QPushButton* m_help;
    // The application's focus signal outlives this class's part of the dialog while the dialog
    // is destroyed, so it is let go in the destructor.
    QMetaObject::Connection m_focusWatch;
};

// Opens the report of a stored visualisation run modally over `parent` (the plot dialog) and
// frees it when it closes. runSelector 1 is the intervals run, 2 the region run; `design` is
// the Power design the run re-simulated. Help goes to `help`, or when that is null to the main
// window's help found among the parent's ancestors.
void ShowPowerDetails(QWidget* parent, const VisRun& run, int runSelector,
                      const StudyDesign& design, char decimalSeparator, GraphOutputContext& output,
                      THelpSystem* help = nullptr);

} // namespace kvor
