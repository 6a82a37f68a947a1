#pragma once

#include "engine/ImportedData.h"
#include "graphs/VFCurve.h"
#include "graphs/ui/GraphOutputContext.h"

#include <QChar>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

namespace kvor {

class MessageService;

// What the main window shares with its tabs: the HandlersActive switch, the decimal separator
// in force, the message service and the notice that the variance-function plot must forget
// what it remembered.
class MainContext : public QObject {
    Q_OBJECT

public:
    explicit MainContext(MessageService& messages)
        : m_messages(messages),
          m_output(std::make_unique<GraphOutputContext>(messages, QString())) {}

    bool HandlersActive() const { return m_handlersActive; }
    void SetHandlersActive(bool active) { m_handlersActive = active; }

    QChar DecimalSeparator() const { return m_separator; }
    // The separator as the core's number formats take it.
    char SeparatorChar() const { return AsSeparatorChar(m_separator); }
    static char AsSeparatorChar(QChar separator) {
        return separator == QLatin1Char(',') ? ',' : '.';
    }
    void SetDecimalSeparator(QChar separator) { m_separator = separator; }

    MessageService& Messages() const { return m_messages; }

    static bool ClipboardOffersText();

    // Returns the variance-function plot's curve set to its empty state.
    void ResetVFGraphState() {
        m_vfCurves = VFCurveSet{};
        emit VFGraphStateReset();
    }
    // What the last press of View Variance Functions examined and plotted.
    VFCurveSet& VFCurves() { return m_vfCurves; }

    // True while a run may continue; the Start Run handlers set it, Abort and closing clear it.
    // Read by the run's worker thread.
    std::atomic<bool>& AbortFlag() { return m_abortFlag; }
    bool RunUnderWay() const { return m_abortFlag.load(); }

    // The program's folder with a trailing separator.
    const QString& HomeFolder() const { return m_homeFolder; }
    void SetHomeFolder(const QString& folder) {
        m_homeFolder = folder;
        m_output->ExportFolder = folder;
    }

    // Graph options, export folder, print state and the output services of every graph.
    GraphOutputContext& Output() const { return *m_output; }

    // The working buffer both import dialogs fill; it lives as long as the window.
    ImportedData& ImportBuffer() { return m_importBuffer; }

signals:
    void VFGraphStateReset();

private:
    MessageService& m_messages;
    bool m_handlersActive = false;
    QChar m_separator = QLatin1Char('.');
    std::atomic<bool> m_abortFlag{false};
    QString m_homeFolder;
    std::unique_ptr<GraphOutputContext> m_output;
    ImportedData m_importBuffer;
    VFCurveSet m_vfCurves;
};

// HandlersActive false for a programmatic change of control values, restored afterwards.
class HandlersPause {
public:
    explicit HandlersPause(MainContext& context)
        : m_context(context), m_saved(context.HandlersActive()) {
        context.SetHandlersActive(false);
    }
    ~HandlersPause() { m_context.SetHandlersActive(m_saved); }
    HandlersPause(const HandlersPause&) = delete;
    HandlersPause& operator=(const HandlersPause&) = delete;

private:
    MainContext& m_context;
    bool m_saved;
};

} // namespace kvor
