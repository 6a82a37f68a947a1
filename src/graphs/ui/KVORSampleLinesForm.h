#pragma once

#include "engine/RunResults.h"
#include "graphs/ui/SampleLinesGraph.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace kvor {

class GraphOutputContext;
class TGraphOutputGroup;
struct GraphOptions;

// What the Accuracy tab tells the dialog when it opens.
struct SampleLinesSetup {
    RegressionType Regression = RegressionType::OLS;
    int Samples = 0; // the Samples entry
    int SetSize = 0; // the N entry
    char DecimalSeparator = '.';
    std::function<TrueValues()> TrueValuesNow;
};

// The plot of an Accuracy run's sets: sampling lines or parameter space, with its options and
// the output controls. Works on its own copy of the run's results.
class TKVORSampleLines final : public QDialog {
    Q_OBJECT

public:
    TKVORSampleLines(GraphOutputContext& output, const RunResults& results,
                     const SampleLinesSetup& setup, QWidget* parent);
    ~TKVORSampleLines() override;

    // Redraws the screen picture in RegImage.
    void DisplayLines();
    TSampleLinesGraph& Graph() { return *m_graph; }
    const QImage& Picture() const { return m_picture; }

    // The topic page of the dialog's Help button.
    static constexpr int HelpTopic = 1000;

signals:
    void HelpRequested(int topic);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildControls();
    void LoadOptions();
    void UpdateGraph();
    void GraphTypeClick(SampleLinesType type);
    void ColourBoxChange(QComboBox* box, RgbColour& colour);
    void BWCheckBoxClick();
    void TrueCheckBoxClick();
    void SetTypeControls();

    GraphOutputContext& m_output;
    GraphOptions& m_options;
    RunResults m_results;
    std::unique_ptr<TSampleLinesGraph> m_graph;
    bool m_handlersActive = false;
    QImage m_picture;

    QLabel* m_regImage;
    QRadioButton* m_linesRadio;
    QRadioButton* m_psRadio;
    QList<QLabel*> m_colourLabels;
    QList<QComboBox*> m_colourBoxes;
    QLabel* m_linesColourLabel;
    QCheckBox* m_bwCheck;
    QCheckBox* m_zeroOriginCheck;
    QCheckBox* m_extendCheck;
    QCheckBox* m_trueCheck;
    QCheckBox* m_ticksCheck;
    QCheckBox* m_headerCheck;
    QComboBox* m_aspectCombo;
    QLabel* m_pointSizeLabel;
    QSpinBox* m_pointSize;
    QComboBox* m_fontSizeCombo;
    TGraphOutputGroup* m_outputGroup;
};

// Fits a dialog of 900/1024 x heightOf768/768 of the screen, centred on it.
void SizeGraphDialog(QWidget& dialog, int heightOf768 = 700);

} // namespace kvor
