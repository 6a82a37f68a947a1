#include "app/KVORMainForm.h"

#include "app/AccuracyTab.h"
#include "app/AssignSettings.h"
#include "app/Clock.h"
#include "app/HelpContext.h"
#include "app/HelpSystem.h"
#include "app/KVORPageControl.h"
#include "app/MainTexts.h"
#include "app/PowerTab.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "app/VarianceGroup.h"
#include "platform/HomeFolder.h"
#include "platform/QtMessageService.h"
#include "platform/SystemSettings.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace kvor {

namespace {

QChar ForcedSeparator(QChar system) {
    return system == QLatin1Char(',') ? QLatin1Char(',') : QLatin1Char('.');
}

} // namespace

TKVORMain::TKVORMain(MessageService* messages, SystemSettings* settings, QWidget* parent)
    : QMainWindow(parent), m_now([] { return QDateTime::currentDateTime(); }) {
    if (messages == nullptr) {
        m_ownedMessages = std::make_unique<QtMessageService>(this);
        messages = m_ownedMessages.get();
    }
    if (settings == nullptr) {
        m_ownedSettings = std::make_unique<QtSystemSettings>();
        settings = m_ownedSettings.get();
    }
    m_messages = messages;
    m_settings = settings;
    m_context = std::make_unique<MainContext>(*m_messages);

    setObjectName("KVORMain");
    setWindowTitle(MainTexts::ApplicationTitle);
    // Single border, system menu and minimise box only: no maximise, no resizing.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    FormCreate();
    setFixedSize(ClientWidth, ClientHeight);
    CentreOnScreen();
}

TKVORMain::~TKVORMain() {
    qApp->removeEventFilter(this);
    AbortFlag() = false;
    m_accuracyTab->StopRun();
    m_powerTab->StopRun();
}

void TKVORMain::FormCreate() {
    // The separator is settled before any control writes a number, so that every default is
    // written with the separator in force.
    m_lastDecimalSeparator = ForcedSeparator(m_settings->DecimalSeparator());
    m_context->SetDecimalSeparator(m_lastDecimalSeparator);
    m_lastDateFormat = m_settings->ShortDateFormat();

    m_pageControl = new TKVORPageControl(this);
    m_accuracyTab = new TAccuracyTab(*m_context, m_pageControl);
    m_powerTab = new TPowerTab(*m_context, m_pageControl);
    m_pageControl->addTab(m_accuracyTab, MainTexts::AccuracyTabCaption);
    m_pageControl->addTab(m_powerTab, MainTexts::PowerTabCaption);
    setCentralWidget(m_pageControl);

    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &TKVORMain::ClipboardChanged);

    m_powerTab->NSpinEdit()->setEnabled(false);
    m_accuracyTab->PasteButton()->setEnabled(false);
    m_powerTab->PasteButton()->setEnabled(false);
    m_powerTab->ViewImportButton()->setEnabled(false);

    m_pageControl->setCurrentWidget(m_powerTab);
    m_powerTab->GenerateRadioButton()->setChecked(true);
    m_pageControl->setCurrentWidget(m_accuracyTab);
    m_accuracyTab->GenerateRadioButton()->setChecked(true);
    m_accuracyTab->RegressionButton(RegressionType::OLS)->setChecked(true);
    m_powerTab->RegressionButton(RegressionType::OLS)->setChecked(true);
    m_powerTab->AutoRadioButton()->setChecked(true);

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName("ClockTimer");
    m_clockTimer->setSingleShot(true);
    connect(m_clockTimer, &QTimer::timeout, this, &TKVORMain::ClockTimerTimer);
    m_clockTimer->start(1000);
    m_lastScreenSize = m_settings->ScreenSize();

    m_context->SetHomeFolder(ProgramHomeFolder());
    m_accuracyTab->ImportedData().Count = 0;
    m_accuracyTab->ImportedData().SourceFile.clear();
    m_powerTab->ImportedData().Count = 0;
    m_powerTab->ImportedData().SourceFile.clear();
    AbortFlag() = false;

    for (TStudyTab* tab :
         {static_cast<TStudyTab*>(m_accuracyTab), static_cast<TStudyTab*>(m_powerTab)}) {
        connect(tab->CloseButton(), &QPushButton::clicked, this, &QWidget::close);
    }
    connect(m_accuracyTab->AssignButton(), &QPushButton::clicked, this,
            &TKVORMain::AAssignButtonClick);
    connect(m_powerTab->AssignButton(), &QPushButton::clicked, this,
            &TKVORMain::PAssignButtonClick);
    m_pageControl->SetChangeGuard([this] { return TabChangeAllowed(); });
    connect(m_pageControl, &QTabWidget::currentChanged, this, &TKVORMain::TabChanged);
    connect(m_settings, &SystemSettings::Changed, this, &TKVORMain::CheckSystemSettings);
    qApp->installEventFilter(this);
    InstallHelp();
    m_context->ResetVFGraphState();
}

void TKVORMain::InstallHelp() {
    m_help = new THelpSystem(this);
    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName("KVORMainPM");
    QAction* whatsThis = m_popupMenu->addAction(MainTexts::WhatsThis);
    connect(whatsThis, &QAction::triggered, this, [this] {
        if (!m_helpTarget.isNull()) {
            WhatsThis(m_helpTarget);
        }
    });
    const QList<QWidget*> controls = findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (HelpContextOf(control) == 0) {
            continue;
        }
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control](const QPoint& at) {
                    m_helpTarget = control;
                    m_popupMenu->popup(control->mapToGlobal(at));
                });
    }
    m_accuracyTab->HelpButton()->setProperty("HelpTopic", 200);
    m_powerTab->HelpButton()->setProperty("HelpTopic", 400);
    for (QPushButton* button : {m_accuracyTab->HelpButton(), m_powerTab->HelpButton()}) {
        connect(button, &QPushButton::clicked, this, [this, button] {
            m_help->ShowTopic(button->property("HelpTopic").toInt());
            m_helpTarget = nullptr;
        });
    }
}

void TKVORMain::WhatsThis(QWidget* control) {
    m_help->ShowPopup(control, QCursor::pos());
    m_helpTarget = nullptr;
}

void TKVORMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shown) {
        return;
    }
    m_shown = true;
    {
        // The first clock text lays out the lower button row without clearing anything.
        const HandlersPause pause(*m_context);
        ClockTimerTimer();
    }
    m_context->SetHandlersActive(true);
}

void TKVORMain::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    move(available.center() - rect().center());
}

void TKVORMain::ComeForward() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
}

void TKVORMain::ClockTimerTimer() {
    const QDateTime now = m_now();
    const int seconds = now.time().msecsSinceStartOfDay() / 1000;
    m_clockTimer->start(ClockIntervalMs(seconds));
    const QString format = m_settings->ShortDateFormat();
    const QString text = ClockText(now, format);
    const bool relayout = !m_context->HandlersActive() || format != m_lastDateFormat;
    m_accuracyTab->SetTimeText(text, relayout);
    m_powerTab->SetTimeText(text, relayout);
}

void TKVORMain::ConvertSeparator(QChar from, QChar to) {
    const HandlersPause pause(*m_context);
    m_context->SetDecimalSeparator(to);
    const auto convert = [from, to](QString text) {
        const auto at = text.indexOf(from);
        if (at >= 0) {
            text[at] = to;
        }
        return text;
    };
    QList<TQIVNumEdit*> edits = m_accuracyTab->NumEdits();
    edits += m_powerTab->NumEdits();
    edits += m_powerTab->PowerNumEdits();
    for (TQIVNumEdit* edit : edits) {
        edit->SetDecimalSeparator(to);
        edit->setText(convert(edit->text()));
    }
    QList<QLabel*> texts = m_accuracyTab->NumberTexts();
    texts += m_powerTab->NumberTexts();
    for (QLabel* label : texts) {
        label->setText(convert(label->text()));
    }
    m_powerTab->FillSignificanceItems(to);
}

void TKVORMain::CheckSystemSettings() {
    const QChar separator = ForcedSeparator(m_settings->DecimalSeparator());
    if (separator != m_lastDecimalSeparator) {
        ConvertSeparator(m_lastDecimalSeparator, separator);
        m_lastDecimalSeparator = separator;
    }
    const QString format = m_settings->ShortDateFormat();
    if (format != m_lastDateFormat) {
        ClockTimerTimer();
        m_lastDateFormat = format;
    }
    const QSize screen = m_settings->ScreenSize();
    if (screen != m_lastScreenSize) {
        CentreOnScreen();
        m_lastScreenSize = screen;
    }
}

void TKVORMain::ClipboardChanged() {
    const bool text = MainContext::ClipboardOffersText();
    for (TStudyTab* tab :
         {static_cast<TStudyTab*>(m_accuracyTab), static_cast<TStudyTab*>(m_powerTab)}) {
        QPushButton* paste = tab->PasteButton();
        if (!paste->hasFocus()) {
            paste->setEnabled(text && tab->ReadRadioButton()->isChecked());
        } else if (!text) {
            tab->ImportButton()->setFocus(Qt::OtherFocusReason);
            paste->setEnabled(false);
        }
    }
}

void TKVORMain::AAssignButtonClick() {
    AssignSettings(*m_accuracyTab, *m_powerTab, *m_context);
}

void TKVORMain::PAssignButtonClick() {
    AssignSettings(*m_powerTab, *m_accuracyTab, *m_context);
}

bool TKVORMain::TabChangeAllowed() {
    m_helpTarget = nullptr; // help requests belong to the main window again
    if (m_context->RunUnderWay() || m_accuracyTab->RunActive() || m_powerTab->RunActive()) {
        m_messages->MessageBeep();
        return false;
    }
    return true;
}

void TKVORMain::TabChanged() {
    m_context->ResetVFGraphState();
    if (TStudyTab* tab = ShownTab()) {
        tab->CheckedDataSourceButton()->setFocus(Qt::OtherFocusReason);
    }
}

TStudyTab* TKVORMain::ShownTab() const {
    return qobject_cast<TStudyTab*>(m_pageControl->currentWidget());
}

void TKVORMain::closeEvent(QCloseEvent* event) {
    m_help->CloseHelpWindow();
    m_help->ClosePopup();
    // A run under way notices the cleared flag at its next check and stops; its worker is
    // joined before the window goes.
    AbortFlag() = false;
    m_accuracyTab->StopRun();
    m_powerTab->StopRun();
    event->accept();
}

bool TKVORMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        CheckSystemSettings();
    }
    return QMainWindow::event(event);
}

bool TKVORMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* target = static_cast<QWidget*>(watched);
        if (target->window() == this && HandleKey(target, *static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TKVORMain::HandleKey(QWidget* target, const QKeyEvent& key) {
    const bool plain = (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
    if (key.key() == Qt::Key_F1) {
        WhatsThis(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : target);
        return true;
    }
    for (TStudyTab* tab :
         {static_cast<TStudyTab*>(m_accuracyTab), static_cast<TStudyTab*>(m_powerTab)}) {
        for (TVarianceGroup* group : {tab->YGroup(), tab->XGroup()}) {
            if (target == group->F4() && key.key() == Qt::Key_Tab && plain) {
                group->B1()->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (target == group->B1() && key.key() == Qt::Key_Backtab && !group->B3()->isHidden()) {
                group->F3()->setFocusPolicy(
                    static_cast<Qt::FocusPolicy>(group->F3()->focusPolicy() & ~Qt::TabFocus));
                return false;
            }
        }
    }
    const bool forward = key.key() == Qt::Key_Down || key.key() == Qt::Key_Right;
    if (forward && plain) {
        if (target == m_accuracyTab->GenerateRadioButton()) {
            m_accuracyTab->ReadRadioButton()->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (target == m_powerTab->AutoRadioButton()) {
            m_powerTab->ManualRadioButton()->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace kvor
