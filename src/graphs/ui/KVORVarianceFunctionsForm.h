#pragma once

#include "graphs/VFCurve.h"
#include "graphs/ui/VarianceFunctionsGraph.h"

#include <QDialog>
#include <QImage>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QRubberBand;

namespace kvor {

class GraphOutputContext;
class TGraphOutputGroup;
class TVFLabelHandle;
struct GraphOptions;

// The plot of the tab's variance functions with its display options, draggable curve labels
// and the output controls. Works on the curve set the button completed; label positions are
// stored in it.
class TKVORVarianceFunctions final : public QDialog {
    Q_OBJECT

public:
    TKVORVarianceFunctions(GraphOutputContext& output, VFCurveSet& set, char decimalSeparator,
                           QWidget* parent);
    ~TKVORVarianceFunctions() override;

    // Redraws the screen picture in VFImage and places the curve-label controls.
    void DisplayVF();
    TVarianceFunctionsGraph& Graph() { return *m_graph; }
    const QImage& Picture() const { return m_picture; }
    // The picture control; the graph's device coordinates are its own.
    QWidget* PictureControl() const;

    static constexpr int HelpTopic = 800;

signals:
    void HelpRequested(int topic);
    // The dialog became the active window; the main window then re-checks the system settings.
    void Activated();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildTypeGroup();
    QWidget* BuildColourGroup();
    QWidget* BuildOptionGroup();
    QWidget* BuildSizeGroup();
    void Connect();
    void SetUpVFDialog();
    void UpdateGraph();
    void GraphTypeClick(VFGraphType type);
    void CVmaxComboBoxChange(int index);
    void BWCheckBoxClick();
    void XLogCheckBoxClick();
    void ResetLabels(bool variance, bool sd, bool cv);
    void EnableZeroOrigin();
    bool BothFunctions() const;
    void VFID1MouseDown(int function, QPoint global);
    void VFID1MouseMove(QPoint global);
    void VFID1MouseUp(QPoint global);
    QRect DraggedRect(QPoint global) const;

    GraphOutputContext& m_output;
    GraphOptions& m_options;
    VFCurveSet& m_set;
    std::unique_ptr<TVarianceFunctionsGraph> m_graph;
    bool m_handlersActive = false;
    QImage m_picture;

    QLabel* m_vfImage;
    QRadioButton* m_varRadio;
    QRadioButton* m_sdRadio;
    QRadioButton* m_cvRadio;
    QLabel* m_cvMaxLabel;
    QComboBox* m_cvMaxCombo;
    QCheckBox* m_yOnTopCheck;
    QList<QLabel*> m_colourLabels;
    QList<QComboBox*> m_colourBoxes;
    QCheckBox* m_bwCheck;
    QCheckBox* m_xLogCheck;
    QCheckBox* m_yLogCheck;
    QCheckBox* m_zeroOriginCheck;
    QCheckBox* m_ticksCheck;
    QCheckBox* m_headerCheck;
    QCheckBox* m_labelsCheck;
    QComboBox* m_aspectCombo;
    QComboBox* m_fontSizeCombo;
    TGraphOutputGroup* m_outputGroup;
    std::array<TVFLabelHandle*, 2> m_handles{};
    QRubberBand* m_dragBand;

    // The label being dragged: its function (0 none), where the mouse went down and where the
    // label lay then.
    int m_dragFunction = 0;
    QPoint m_dragStart;
    QRect m_dragFrom;
};

} // namespace kvor
