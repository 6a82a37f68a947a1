#pragma once

#include "app/StudyTab.h"
#include "engine/RunResults.h"
#include "studies/AccuracyRun.h"

#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kvor {

// The Accuracy tab: the shared design plus imported-data sampling, the number of data sets
// and N, and the panels of an Accuracy run's results.
class TAccuracyTab final : public TStudyTab {
    Q_OBJECT

public:
    TAccuracyTab(MainContext& context, QWidget* parent);

    void ResetResults() override;
    StudyDesign ReadStudyDesign() const override;

    // Keeps data sets x N within the imported pairs.
    void UpdateSampling();

    // Result panels and labels whose numbers follow the decimal separator.
    QList<QLabel*> NumberTexts() const;

    // Disables the design controls before a run (results cleared).
    void AShutDown();
    // completed: the run produced results, whose labels come back.
    void AReopen(bool completed);

    TQIVSpinEdit* SamplesSpinEdit() const { return m_samples; }
    TQIVSpinEdit* SizeSpinEdit() const { return m_size; }

    // The sets of the latest run, for the sampling-lines plot.
    const kvor::RunResults& RunResults() const { return *m_runResults; }

protected:
    void OnDataSource(bool generate) override;
    void AfterDataSource() override { UpdateSampling(); }
    void OnImportCommitted() override;

    void ShutDown() override { AShutDown(); }
    void LaunchRun(const StudyDesign& design, const RunControl& control) override;
    bool RunCompleted() const override;
    const FailedSet* RunFailure() const override;
    void ShowCompletedRun() override;
    void ReportCompletedRun() override;
    void ShowEndedRun() override;

private:
    QWidget* BuildDesignGroup();
    QWidget* BuildResults();
    void SamplesSpinEditExit();
    void SizeSpinEditExit();
    bool SeedAllowed() const;
    void ShowResults(const AccuracyPanels& panels);

    QGroupBox* m_samplingGroup;
    QRadioButton* m_randomRadio;
    QRadioButton* m_sequentialRadio;
    QLabel* m_samplesLabel;
    TQIVSpinEdit* m_samples;
    QLabel* m_sizeLabel;
    TQIVSpinEdit* m_size;

    QList<QWidget*> m_resultLabels; // enabled while results are on display
    QList<QLabel*> m_resultPanels;
    QPushButton* m_linesButton;

    std::unique_ptr<kvor::RunResults> m_runResults = std::make_unique<kvor::RunResults>();
    AccuracyRunOutcome m_outcome; // written by the worker, read after it was joined
};

} // namespace kvor
