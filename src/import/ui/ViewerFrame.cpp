#include "import/ui/ViewerFrame.h"

#include "app/ControlFactory.h"
#include "import/ui/ImportDialogTexts.h"
#include "import/ui/ViewerKeys.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvor {

ViewerButtons LayOutViewer(QDialog& viewer, QWidget& content, ViewerScroller& scroller) {
    const ViewerButtons buttons{
        ControlFactory::Button(&viewer, "CloseButton", ImportDialogTexts::Close, 712),
        ControlFactory::Button(&viewer, "HelpButton", ImportDialogTexts::Help, 714)};
    QObject::connect(buttons.Close, &QPushButton::clicked, &viewer, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(buttons.Close);
    row->addWidget(buttons.Help);
    auto* sheet = new QVBoxLayout(&viewer);
    sheet->addWidget(&content, 1);
    sheet->addLayout(row);
    auto* keys = new TViewerKeyFilter(scroller, &viewer);
    for (QWidget* target : {static_cast<QWidget*>(&viewer), static_cast<QWidget*>(buttons.Close),
                            static_cast<QWidget*>(buttons.Help)}) {
        target->installEventFilter(keys);
    }
    return buttons;
}

} // namespace kvor
