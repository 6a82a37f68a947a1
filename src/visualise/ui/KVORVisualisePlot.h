#pragma once

#include "engine/StudyDesign.h"
#include "visualise/VisPartition.h"
#include "visualise/VisPlotModel.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kvor {

class GraphOutputContext;
class TGraphOutputGroup;
class TVisPlotGraph;
struct GraphOptions;
struct RgbColour;
struct VisRun;

// What the visualisation dialog tells the plot when it opens.
struct VisPlotSetup {
    RegressionType Regression = RegressionType::OLS;
    char DecimalSeparator = '.';
    // The Power tab's Ideal and Actual entries as they are at drawing time.
    std::function<PowerEntries()> EntriesNow;
};

// The confidence intervals, regions and sampling lines of one visualisation run, with the
// partition view. Reads the run and never changes it.
class TKVORVisualisePlot final : public QDialog {
    Q_OBJECT

public:
    TKVORVisualisePlot(GraphOutputContext& output, const VisRun& run, const VisPlotSetup& setup,
                       QWidget* parent);
    ~TKVORVisualisePlot() override;

    // Caption, title line 1, controls from the options, graph-type availability; runSelector 1
    // is the intervals run, 2 the region run.
    void SetGraphParams(int runSelector);

    void DisplayLines();
    void UpdateGraph();

    void PartitionButtonClick();
    void BackButtonClick();
    void DetailsButtonClick();

    // Opens the details report of a run selector over the plot dialog, which is disabled
    // meanwhile; nothing happens while it is empty.
    std::function<void(QWidget* owner, int runSelector)> ShowDetails;

    const IntervalClassSelection& IntervalSelection() const { return m_intervalSelection; }
    const RegionClassSelection& RegionSelection() const { return m_regionSelection; }
    PlotMode CurrentPlotMode() const;
    const QImage& Picture() const { return m_picture; }
    TVisPlotGraph& Graph() { return *m_graph; }
    int RunSelector() const { return m_runSelector; }

    static constexpr int OptionsHelpTopic = 1100;
    static constexpr int PartitionHelpTopic = 1200;

signals:
    void HelpRequested(int topic);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* BuildOptionsPanel();
    QWidget* BuildPartitionPanel();
    void ConnectOptions();
    void ConnectPartition();
    void LoadOptions();

    void GraphTypeClick(VisGraphType type);
    void SetTypeControls();
    void SetColourEnabling();
    void ColourBoxChange(QComboBox* box, RgbColour& colour);
    void BWCheckBoxClick();
    void TrueCheckBoxClick();

    void CIRBClick();
    void AllRBClick();
    void ClassBoxClick(int box, bool checked);
    void UpdatePartitionDesign();
    void CheckOutput();
    void SetPictureHelp();
    bool RegionsPartition() const;
    VisGraphType OptionsType() const;

    GraphOutputContext& m_output;
    GraphOptions& m_options;
    const VisRun& m_run;
    VisPlotSetup m_setup;
    std::unique_ptr<TVisPlotGraph> m_graph;
    int m_runSelector = 0; // 0 while the dialog is set up: the handlers do nothing
    PartitionFlags m_flags;
    IntervalClassSelection m_intervalSelection;
    RegionClassSelection m_regionSelection;
    QImage m_picture;

    QLabel* m_regImage;
    QWidget* m_optionsPanel;
    QWidget* m_partitionPanel;
    // Options view.
    QRadioButton* m_ciRadio;
    QRadioButton* m_crRadio;
    QRadioButton* m_slRadio;
    QPushButton* m_partitionButton;
    QComboBox* m_fontSizeCombo;
    QComboBox* m_aspectCombo;
    QLabel* m_dataSizeLabel;
    QSpinBox* m_dataSize;
    QCheckBox* m_headerCheck;
    QCheckBox* m_ticksCheck;
    QCheckBox* m_trueCheck;
    QCheckBox* m_dotCheck;
    std::array<QLabel*, 5> m_colourLabels{}; // BG, Graph, Title, Data, Lines
    std::array<QComboBox*, 5> m_colourBoxes{};
    QCheckBox* m_bwCheck;
    TGraphOutputGroup* m_optionsOutput;
    // Partition view.
    QRadioButton* m_cirb;
    QRadioButton* m_crrb;
    QRadioButton* m_allRB;
    QRadioButton* m_partRB;
    std::array<QCheckBox*, ClassBoxCount> m_classChecks{};
    std::array<QLabel*, ClassBoxCount> m_classLabels{};
    std::array<QComboBox*, ClassBoxCount> m_classBoxes{};
    QPushButton* m_detailsButton;
    TGraphOutputGroup* m_partitionOutput;
};

} // namespace kvor
