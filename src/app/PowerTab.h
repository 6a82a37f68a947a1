#pragma once

#include "app/StudyTab.h"
#include "studies/PowerRun.h"

#include <array>
#include <mutex>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace kvor {

class TColumnHeads;

// The Power tab: the shared design plus the actual relationship, the detection rate and
// significance, the estimation mode with its N, and the detection results area.
class TPowerTab final : public TStudyTab {
    Q_OBJECT

public:
    TPowerTab(MainContext& context, QWidget* parent);

    void ResetResults() override;
    StudyDesign ReadStudyDesign() const override;

    // Refills the significance items with the separator in force; the selection stays.
    void FillSignificanceItems(QChar separator);
    QList<TQIVNumEdit*> PowerNumEdits() const;
    QList<QLabel*> NumberTexts() const;
    int DetectionRate() const { return m_detectionRate; }

    // Prepares the results area for a run: emptied in Automatic mode, kept in SpecifiedN mode.
    void ClearPResults();
    void PShutDown();
    void PReopen();
    void PClearButtonClick();

    const PowerResults& Results() const { return m_results; }
    TQIVSpinEdit* NSpinEdit() const { return m_n; }
    QRadioButton* AutoRadioButton() const { return m_autoRadio; }
    QRadioButton* ManualRadioButton() const { return m_manualRadio; }
    // Height of one table line in the table font.
    int RowHeight() const { return m_rowHeight; }

signals:
    // Specified-N mode was chosen: its accumulated totals start again.
    void SpecifiedNTotalsEmptied();

protected:
    void OnDataSource(bool generate) override;
    void OnImportCommitted() override;

    void ShutDown() override { PShutDown(); }
    void LaunchRun(const StudyDesign& design, const RunControl& control) override;
    bool RunCompleted() const override;
    const FailedSet* RunFailure() const override;
    void ShowCompletedRun() override;
    void ShowEndedRun() override;

private:
    QWidget* BuildDesignGroup();
    QWidget* BuildResults();
    void PDetectionComboBoxChange();
    void PSignificanceComboBoxChange();
    void PAutoRadioButtonClick();
    void SetActualEnabled(bool enabled);

    // What a table shows, copied from the run's side on the worker.
    struct SideView {
        std::vector<std::string> Lines;
        int FocusRow = 0;
        int AnswerStore = 0;
        CriterionTotals Totals;
    };
    static SideView ViewOf(const DetectionSide& side);
    void ProgressTick() override;
    // Paints the lines into the table of the criterion and fills its panels (DrawPCI / DrawPCR).
    void DrawSide(Criterion criterion, const SideView& view, bool scroll);
    void ClearSideDisplay();
    // Hides a table and takes away its scroll range.
    void HideTable(Criterion criterion);
    void HideTables();

    QLabel* m_powerLabel;
    QLabel* m_designLabel;
    QLabel* m_idealLabel;
    QLabel* m_actualLabel;
    QLabel* m_actualSlopeLabel;
    TQIVNumEdit* m_actualSlope;
    QLabel* m_actualInterceptLabel;
    TQIVNumEdit* m_actualIntercept;
    QLabel* m_samplesLabel;
    TQIVSpinEdit* m_samples;
    QLabel* m_detectionLabel;
    QComboBox* m_detection;
    QLabel* m_significanceLabel;
    QComboBox* m_significance;
    QGroupBox* m_estimationGroup;
    QRadioButton* m_autoRadio;
    QRadioButton* m_manualRadio;
    QLabel* m_nLabel;
    TQIVSpinEdit* m_n;
    QPushButton* m_clearButton;

    int m_detectionIndex = 1;
    int m_significanceIndex = 0;
    int m_detectionRate = 90;

    QLabel* m_resultsLabel1;
    QLabel* m_resultsLabel2;
    QList<QWidget*> m_headers;     // disabled with the results
    QList<QLabel*> m_columnLabels; // "Required N:" ... of both columns
    QList<QLabel*> m_panels;       // PCINPanel ... PCRMeanInterceptPanel
    QLabel* m_ciImage;
    QLabel* m_crImage;
    QScrollArea* m_ciScroll;
    QScrollArea* m_crScroll;
    TColumnHeads* m_ciHeads;
    TColumnHeads* m_crHeads;
    QPushButton* m_visualiseButton;
    int m_rowHeight = 0;

    PowerResults m_results; // the worker's while a run is under way
    PowerRunOutcome m_outcome;
    std::mutex m_viewMutex;
    std::array<SideView, 2> m_views;   // guarded by m_viewMutex
    std::array<bool, 2> m_viewDirty{}; // guarded by m_viewMutex
};

} // namespace kvor
