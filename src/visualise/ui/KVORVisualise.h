#pragma once

#include "visualise/VisCalculations.h"
#include "visualise/ui/VisualiseSetup.h"
#include "visualise/ui/VisualiseTexts.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace kvor {

class MainContext;
class TQIVSpinEdit;
class TKVORVisualisePlot;
class TRunThread;
struct VisRun;

// The visualisation dialog: an intervals run and, in Automatic mode, a region run of the last
// Power design, each with its own store, abort flag and worker.
class TKVORVisualise final : public QDialog {
    Q_OBJECT

public:
    TKVORVisualise(const VisualiseSetup& setup, MainContext& context, QWidget* parent = nullptr);
    ~TKVORVisualise() override;

    // The stored run of a group; meaningful only while ResultsAvailable(kind).
    const VisRun& Run(VisRunKind kind) const;
    bool ResultsAvailable(VisRunKind kind) const;
    bool RunInProgress() const;

    void StartButtonClick(VisRunKind kind);
    void AbortButtonClick(VisRunKind kind);
    void ClearButtonClick(VisRunKind kind);
    void CloseButtonClick();
    // The plot of the intervals run and of the region run.
    void CIPlotButtonClick();
    void CRPlotButtonClick();

    // Runs on every plot dialog before it is shown; the window connects its help and the
    // details report here.
    std::function<void(TKVORVisualisePlot& plot)> PlotOpening;

signals:
    // A run ended and its group shows its final state.
    void RunEnded();
    // The Help button asks for the dialog's topic page.
    void HelpRequested(int topic);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    struct Group {
        VisRunKind Kind = VisRunKind::Intervals;
        QGroupBox* Box = nullptr;
        QLabel* NLabel = nullptr;
        TQIVSpinEdit* Spin = nullptr;
        QCheckBox* Also = nullptr;
        QPushButton* Start = nullptr;
        QPushButton* Abort = nullptr;
        QPushButton* Plot = nullptr;
        QPushButton* Clear = nullptr;
        QCheckBox* Beep = nullptr;
        QLabel* Prog1 = nullptr;
        QLabel* Prog2 = nullptr;
        std::vector<QLabel*> Results;
        QString ExpectCaption;
        QString PlainCaption;
        int Suggested = 3;
        std::unique_ptr<VisRun> Run;
        std::atomic<bool> Continues{false};
        bool InProgress = false;
        VisRunOutcome Outcome;
    };

    // The group box with its controls; names start with prefix ("CI" or "CR"), the check box and
    // the result labels are named by the caller.
    QGroupBox* BuildGroup(Group& g, const QString& prefix, const VisualiseTexts::RunButtonTexts& t,
                          const QString& nText, const QString& alsoName, const QString& alsoText,
                          const QStringList& resultNames);
    Group& Of(VisRunKind kind) { return kind == VisRunKind::Intervals ? m_ci : m_cr; }
    const Group& Of(VisRunKind kind) const { return kind == VisRunKind::Intervals ? m_ci : m_cr; }
    Group& Other(const Group& g) { return g.Kind == VisRunKind::Intervals ? m_cr : m_ci; }
    bool Automatic() const;

    void SpinChanged(Group& g);
    void SetGroupEnabled(Group& g, bool enabled);
    void ShowReady(Group& g);
    void ShowCompleted(Group& g, bool focus);
    void Restore(Group& g);
    void ResetAfterAbort(Group& g);
    void UnlockSamples(const Group& g);
    void RunFinished();
    void ProgressTick();
    void StopRuns();
    void OpenPlot(VisRunKind kind);

    VisualiseSetup m_setup;
    MainContext& m_context;
    QLabel* m_samplesLabel;
    QComboBox* m_samples;
    QPushButton* m_closeButton;
    QPushButton* m_helpButton;
    Group m_ci;
    Group m_cr;
    TRunThread* m_thread;
    QTimer* m_progressTimer;
    std::atomic<int> m_progress{0};
};

} // namespace kvor
