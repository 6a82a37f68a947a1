#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QPushButton;
class QRadioButton;

namespace kvor {

class GraphOutputContext;
class TGraph;
struct GraphOptions;

// What a graph dialog's output controls need to know of it.
struct GraphOutputSpec {
    int BitmapKind = 1;
    int MetafileKind = 2;
    int PrintCode = 5;
    QString JobTitle;
    // Fonts of the printed page; the design graphs' options when not given.
    const GraphOptions* PrintOptions = nullptr;
    // Object names, captions and help ids of the Bitmap, Metafile, Copy, Disk File, Printer
    // Setup and Print controls; empty names and captions keep the usual ones.
    std::array<QString, 6> Names{};
    std::array<QString, 6> Captions{};
    std::array<int, 6> Help{};
};

// The picture format choice and the Copy, Disk File, Printer Setup and Print buttons of a
// graph dialog, over the graph's own GetGraphHeight and DrawGraph.
class TGraphOutputGroup final : public QWidget {
    Q_OBJECT

public:
    TGraphOutputGroup(TGraph& graph, GraphOutputContext& output, GraphOutputSpec spec,
                      QWidget* parent);

    void CopyButtonClick();
    void FileButtonClick();
    void PSetupButtonClick();
    void PrintButtonClick();

    // The job a later Print prints, for a dialog whose graph changes.
    void SetPrintJob(int printCode, const QString& jobTitle);

    // Runs after every output action that may have disturbed the dialog (repaint, help hook).
    std::function<void()> Restored;

private:
    bool Bitmap() const;
    QWidget* Dialog() const { return window(); }
    void Done();

    TGraph& m_graph;
    GraphOutputContext& m_output;
    GraphOutputSpec m_spec;
    QRadioButton* m_bmp;
    QRadioButton* m_emf;
    QPushButton* m_print;
};

} // namespace kvor
