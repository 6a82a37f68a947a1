#pragma once

#include "app/MainContext.h"

#include <QDateTime>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QSize>

#include <atomic>
#include <functional>
#include <memory>

class QMenu;
class QTimer;

namespace kvor {

class MessageService;
class SystemSettings;
class TAccuracyTab;
class THelpSystem;
class TKVORPageControl;
class TPowerTab;
class TStudyTab;

// The program's one main window: a page control with the Accuracy and Power tabs. It owns the
// window-wide state (HandlersActive, the separator and date format in force, AbortFlag),
// follows the system settings and the clipboard, runs the clock and applies the keyboard rules
// that are not specific to one control. Each tab handles its own controls.
class TKVORMain : public QMainWindow {
    Q_OBJECT

public:
    // Without services the window uses message boxes and the system's settings.
    explicit TKVORMain(MessageService* messages = nullptr, SystemSettings* settings = nullptr,
                       QWidget* parent = nullptr);
    ~TKVORMain() override;

    static constexpr int ClientWidth = 1004;
    static constexpr int ClientHeight = 717;

    TKVORPageControl* pageControl() const { return m_pageControl; }
    TAccuracyTab* AccuracyTab() const { return m_accuracyTab; }
    TPowerTab* PowerTab() const { return m_powerTab; }
    MainContext& Context() { return *m_context; }
    bool HandlersActive() const { return m_context->HandlersActive(); }
    std::atomic<bool>& AbortFlag() { return m_context->AbortFlag(); }
    const QString& HomeFolder() const { return m_context->HomeFolder(); }
    // The program's folder, where a failed set is exported (tests point it elsewhere).
    void SetHomeFolder(const QString& folder) { m_context->SetHomeFolder(folder); }

    // Reconciles the window with the system's decimal separator, date format and screen size.
    void CheckSystemSettings();
    // One clock tick: both time panels, and the next interval.
    void ClockTimerTimer();
    const QTimer& ClockTimer() const { return *m_clockTimer; }
    // The clock's time source (tests set a fixed one).
    void SetClockSource(std::function<QDateTime()> now) { m_now = std::move(now); }

    THelpSystem& Help() const { return *m_help; }
    // The "What's this?" popup of a control (the item of KVORMainPM).
    void WhatsThis(QWidget* control);

    // The copy-settings buttons: the other tab's regression settings into this one.
    void AAssignButtonClick();
    void PAssignButtonClick();

    // Brings the window forward, restoring it when minimised (a second start asks for this).
    void ComeForward();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void CentreOnScreen();
    void ClipboardChanged();
    bool TabChangeAllowed();
    void TabChanged();
    void ConvertSeparator(QChar from, QChar to);
    bool HandleKey(QWidget* target, const QKeyEvent& key);
    TStudyTab* ShownTab() const;
    void InstallHelp();

    THelpSystem* m_help = nullptr;
    QMenu* m_popupMenu = nullptr;
    QPointer<QWidget> m_helpTarget;

    std::unique_ptr<MessageService> m_ownedMessages;
    std::unique_ptr<SystemSettings> m_ownedSettings;
    MessageService* m_messages;
    SystemSettings* m_settings;
    std::unique_ptr<MainContext> m_context;

    TKVORPageControl* m_pageControl = nullptr;
    TAccuracyTab* m_accuracyTab = nullptr;
    TPowerTab* m_powerTab = nullptr;
    QTimer* m_clockTimer = nullptr;
    std::function<QDateTime()> m_now;

    QChar m_lastDecimalSeparator;
    QString m_lastDateFormat;
    QSize m_lastScreenSize;
    bool m_shown = false;
};

} // namespace kvor
