#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QPushButton;
class QRadioButton;

namespace kvor {

class GraphOutputContext;
class TGraph;

// What a graph dialog's output controls need to know of it.
struct GraphOutputSpec {
    int BitmapKind = 1;
    int MetafileKind = 2;
    int PrintCode = 5;
    QString JobTitle;
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
