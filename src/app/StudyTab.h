#pragma once

#include "engine/ImportedData.h"
#include "engine/StudyDesign.h"

#include <QWidget>

#include <atomic>

class QCheckBox;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace kvor {

class MainContext;
struct FailedSet;
struct RunControl;
class TRunThread;
class TQIVNumEdit;
class TQIVSpinEdit;
class TVarianceGroup;
enum class DesignFocus;

// What the two study tabs share: the data source, X range and distribution, slope and
// intercept, regression type, both variance functions, the run row and the lower button row,
// with the handlers that keep them consistent. The tab sheet itself carries the controls.
class TStudyTab : public QWidget {
    Q_OBJECT

public:
    // letter is 'A' for the Accuracy tab, 'P' for the Power tab.
    TStudyTab(QChar letter, MainContext& context, QWidget* parent);

    QChar Letter() const { return m_letter; }
    kvor::ImportedData& ImportedData() { return m_imported; }
    const kvor::ImportedData& ImportedData() const { return m_imported; }

    // Generate checked, or imported pairs held.
    bool DataReady() const;
    bool Generating() const;
    RegressionType Regression() const;

    // Clears the results of this tab.
    virtual void ResetResults() = 0;
    // The design as the controls hold it.
    virtual StudyDesign ReadStudyDesign() const;

    // Handlers of the design controls.
    void GenerateRadioButtonClick();
    void OLSRadioButtonClick();
    void FormClick(TVarianceGroup& group);
    void ParaSpinEditChange(TVarianceGroup& group);
    // After an import dialog committed pairs (count and source already in ImportedData).
    void ImportCommitted(const QString& label1, const QString& label2, bool clearResults);

    // Every numeric edit of the tab, for the decimal-separator conversion.
    QList<TQIVNumEdit*> NumEdits() const;
    QWidget* CheckedDataSourceButton() const;
    // The lower button row around a time panel text.
    void SetTimeText(const QString& text, bool relayout);

    TVarianceGroup* YGroup() const { return m_yGroup; }
    TVarianceGroup* XGroup() const { return m_xGroup; }
    QPushButton* CloseButton() const { return m_closeButton; }
    QPushButton* PasteButton() const { return m_pasteButton; }
    QPushButton* ImportButton() const { return m_importButton; }
    QRadioButton* ReadRadioButton() const { return m_readRadio; }
    QRadioButton* GenerateRadioButton() const { return m_generateRadio; }
    QPushButton* ViewImportButton() const { return m_viewImportButton; }
    QPushButton* HelpButton() const { return m_helpButton; }
    TQIVNumEdit* TargetSlope() const { return m_targetSlope; }
    TQIVNumEdit* TargetIntercept() const { return m_targetIntercept; }
    QRadioButton* RegressionButton(RegressionType type) const;
    QPushButton* StartButton() const { return m_startButton; }
    QPushButton* AbortButton() const { return m_abortButton; }
    QPushButton* AssignButton() const { return m_assignButton; }

    // Serves the Start Run buttons of both tabs: the design is checked, the tab shut down and
    // the tab's study started on the worker.
    void StartButtonClick();
    // Serves the Abort buttons of both tabs: the run stops at its next check point.
    void AAbortButtonClick();
    // Runs the exit handler of the tab's numeric entry that has the focus, if one has.
    void CommitFocusedEntry();
    // The control a refused design sends the user to.
    QWidget* FocusWidget(DesignFocus focus) const;
    QPushButton* VFButton() const { return m_vfButton; }

    // A run of this tab is under way (its worker has not been joined yet).
    bool RunActive() const;
    // Stops a run under way and waits for its worker, without messages (the window closes).
    void StopRun();

protected:
    // What each tab does in the run life cycle.
    // Disables the design controls before a run (AShutDown, PShutDown).
    virtual void ShutDown() = 0;
    // Starts the tab's study on the worker with the shared hooks in `control`.
    virtual void LaunchRun(const StudyDesign& design, const RunControl& control) = 0;
    virtual bool RunCompleted() const = 0;
    // The failed set of a run that stopped on one; null otherwise.
    virtual const FailedSet* RunFailure() const = 0;
    // Shows the results of a completed run and reopens the tab.
    virtual void ShowCompletedRun() = 0;
    // After the completion beep, what only an interactive run tells the user.
    virtual void ReportCompletedRun() {}
    // Reopens the tab after an aborted or failed run.
    virtual void ShowEndedRun() = 0;

    // Tab-specific parts of the data-source and regression layouts.
    virtual void OnDataSource(bool generate) = 0;
    virtual void AfterDataSource() {}
    virtual void OnImportCommitted() {}
    // Places the common and tab-specific design and result controls.
    void Assemble(QWidget* designGroup, QWidget* results);

    void DesignChanged();
    void WireNumEdit(TQIVNumEdit* edit, DesignField field);
    void ColourProgressLabels();
    QString Name(const QString& suffix) const { return QString(m_letter) + suffix; }

    // Start Run up to the design check: the focused edit normalised, an importing tab without
    // pairs and a refused design turned away. True with the design to run.
    bool PrepareRun(StudyDesign& design);
    // The design controls both tabs disable before a run.
    void ShutDownDesign();
    // Re-enables the shared design controls after a run. copyWithoutPairs: the copy-settings
    // button returns on an importing tab that holds no pairs.
    void ReopenDesign(bool copyWithoutPairs);
    // Start Run back, Abort off, the lower buttons back, focus on Start Run.
    void ReopenRunRow();
    // Abort on, Start Run off, AbortFlag set, the progress display started.
    void BeginRun();
    // On the window thread once the worker has returned; interactive false when the window
    // closes and nothing may be asked.
    void FinishRun(bool interactive);
    // The progress display stopped, with the last count shown.
    void EndProgress();
    // Asks whether to export the failed set and writes it on Yes.
    void OfferFailedSetExport(const FailedSet& failed);
    // Called by the progress timer on the window thread; the base shows the count.
    virtual void ProgressTick();

    TRunThread* m_run;
    StudyDesign m_runDesign; // the design of the latest run
    QTimer* m_progressTimer;
    std::atomic<int> m_progress{0};

    MainContext& m_context;
    QChar m_letter;
    kvor::ImportedData m_imported;

    QGroupBox* m_dataGroup;
    QRadioButton* m_generateRadio;
    QGroupBox* m_rangeGroup;
    QLabel* m_minLabel;
    QLabel* m_maxLabel;
    TQIVNumEdit* m_minEdit;
    TQIVNumEdit* m_maxEdit;
    QGroupBox* m_distributionGroup;
    QRadioButton* m_uniformRadio;
    QRadioButton* m_centralRadio;
    QRadioButton* m_skewedRadio;
    QRadioButton* m_readRadio;
    QPushButton* m_importButton;
    QPushButton* m_pasteButton;
    QPushButton* m_viewImportButton;
    QLabel* m_fileLabel1;
    QLabel* m_fileLabel2;
    QHBoxLayout* m_dataExtras; // the Accuracy sampling group goes here

    QLabel* m_targetSlopeLabel;
    TQIVNumEdit* m_targetSlope;
    QLabel* m_targetInterceptLabel;
    TQIVNumEdit* m_targetIntercept;
    QCheckBox* m_seedCheck;

    QGroupBox* m_regressionGroup;
    QRadioButton* m_olsRadio;
    QRadioButton* m_wlsRadio;
    QRadioButton* m_demingRadio;
    TVarianceGroup* m_yGroup;
    TVarianceGroup* m_xGroup;
    QPushButton* m_vfButton;
    QPushButton* m_assignButton;
    QCheckBox* m_beepCheck;

    QPushButton* m_startButton;
    QPushButton* m_abortButton;
    QFrame* m_progressPanel;
    QLabel* m_progLabel1;
    QLabel* m_progLabel2;

    QPushButton* m_copyButton;
    QPushButton* m_printSetupButton;
    QPushButton* m_printButton;
    QLabel* m_timePanel;
    QPushButton* m_closeButton;
    QPushButton* m_helpButton;
};

} // namespace kvor
