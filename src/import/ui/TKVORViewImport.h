#pragma once

#include "engine/ImportedData.h"
#include "import/ui/DialogServices.h"
#include "import/ui/ViewerKeys.h"

#include <QDialog>

class QPushButton;
class QTableView;

namespace kvor {

class TImportedPairsModel;

// Lists a tab's imported pairs: pair number, X and Y, one row per pair.
class TKVORViewImport : public QDialog, private ViewerScroller {
    Q_OBJECT

public:
    TKVORViewImport(const DialogServices& services, const ImportedData& data, bool accuracy,
                    QWidget* parent);

    QTableView& ViewImportGrid() const { return *m_grid; }
    TImportedPairsModel& Model() const { return *m_model; }
    // Follows the decimal separator in force: the X and Y columns are written again.
    void SeparatorChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void ScrollLines(int lines) override;
    void ScrollPages(int pages) override;
    void ScrollToTop() override;
    void ScrollToEnd() override;
    void SizeColumns();
    char Separator() const;

    DialogServices m_services;
    TImportedPairsModel* m_model;
    QTableView* m_grid;
    QPushButton* m_closeButton;
    QPushButton* m_helpButton;
};

} // namespace kvor
