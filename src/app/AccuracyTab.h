#pragma once

#include "app/StudyTab.h"

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

protected:
    void OnDataSource(bool generate) override;
    void AfterDataSource() override { UpdateSampling(); }
    void OnImportCommitted() override;

private:
    QWidget* BuildDesignGroup();
    QWidget* BuildResults();
    void SamplesSpinEditExit();
    void SizeSpinEditExit();
    bool SeedAllowed() const;

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
};

} // namespace kvor
