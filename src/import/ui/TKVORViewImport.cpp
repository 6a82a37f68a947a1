#include "import/ui/TKVORViewImport.h"

#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "app/MainContext.h"
#include "import/ui/DialogHelp.h"
#include "import/ui/ImportDialogTexts.h"
#include "import/ui/ImportedPairsModel.h"
#include "import/ui/ViewerFrame.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace kvor {

namespace T = ImportDialogTexts;

namespace {

constexpr int WheelRows = 3;

// The grid scrolls three rows per wheel notch, whatever the system setting.
class WheelRule : public QObject {
public:
    WheelRule(QTableView& grid) : QObject(&grid), m_grid(grid) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Wheel) {
            return false;
        }
        const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
        QScrollBar* bar = m_grid.verticalScrollBar();
        bar->setValue(bar->value() - notches * WheelRows);
        return true;
    }

private:
    QTableView& m_grid;
};

} // namespace

TKVORViewImport::TKVORViewImport(const DialogServices& services, const ImportedData& data,
                                 bool accuracy, QWidget* parent)
    : QDialog(parent), m_services(services) {
    setObjectName("KVORViewImport");
    setWindowTitle(T::ViewImportCaption(accuracy, data.Count));
    MakeFixedHelpDialog(*this);
    const QFont arial("Arial", 10);
    setFont(arial);

    m_model = new TImportedPairsModel(data, Separator(), this);
    m_grid = new QTableView(this);
    m_grid->setObjectName("ViewImportGrid");
    SetHelpContext(m_grid, 716);
    m_grid->setModel(m_model);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_grid->verticalScrollBar()->setTracking(true);
    m_grid->verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    m_grid->setWordWrap(false);
    QHeaderView* rows = m_grid->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    QHeaderView* heads = m_grid->horizontalHeader();
    heads->setObjectName("HeaderPanel");
    heads->setSectionsClickable(false);
    heads->setSectionResizeMode(QHeaderView::Fixed);
    heads->setDefaultAlignment(Qt::AlignCenter);
    heads->setHighlightSections(false);
    m_grid->viewport()->installEventFilter(new WheelRule(*m_grid));

    const ViewerButtons buttons = LayOutViewer(*this, *m_grid, *this);
    m_closeButton = buttons.Close;
    m_helpButton = buttons.Help;
    InstallDialogHelp(*this, m_services, *m_helpButton, accuracy ? 604 : 606);
    SizeColumns();

    const QFontMetrics metrics(arial);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QSize size(metrics.horizontalAdvance(QString(60, QLatin1Char('0'))),
                     area.height() * 6 / 7);
    setFixedSize(size);
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    m_closeButton->setFocus(Qt::OtherFocusReason);
}

char TKVORViewImport::Separator() const {
    return m_services.Context.SeparatorChar();
}

void TKVORViewImport::SizeColumns() {
    const QFontMetrics metrics(m_grid->font());
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    const int padding = 3 * digit;
    m_grid->setColumnWidth(0, 10 * digit);
    for (int column : {1, 2}) {
        const QString widest = m_model->WidestText(column);
        const int head = metrics.horizontalAdvance(column == 1 ? "X" : "Y");
        m_grid->setColumnWidth(column, std::max(metrics.horizontalAdvance(widest), head) + padding);
    }
}

void TKVORViewImport::SeparatorChanged() {
    const char separator = Separator();
    if (separator != m_model->DecimalSeparator()) {
        m_model->SetDecimalSeparator(separator);
        SizeColumns();
    }
}

void TKVORViewImport::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (m_services.CheckSystemSettings) {
            m_services.CheckSystemSettings();
        }
        SeparatorChanged();
    }
}

void TKVORViewImport::ScrollLines(int lines) {
    QScrollBar* bar = m_grid->verticalScrollBar();
    bar->setValue(bar->value() + lines);
}

void TKVORViewImport::ScrollPages(int pages) {
    QScrollBar* bar = m_grid->verticalScrollBar();
    bar->setValue(bar->value() + pages * bar->pageStep());
}

void TKVORViewImport::ScrollToTop() {
    m_grid->scrollToTop();
}

void TKVORViewImport::ScrollToEnd() {
    const int last = m_model->rowCount() - 1;
    if (last >= 0) {
        m_grid->setCurrentIndex(m_model->index(last, 0));
    }
    m_grid->scrollToBottom();
}

} // namespace kvor
