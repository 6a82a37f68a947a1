#pragma once

#include "app/HelpPopup.h"

#include <QLabel>
#include <QMap>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTextBrowser>

class QLabel;
class QTextBrowser;
class QWidget;

namespace kvor {

// Help for the windows of the program: topic pages in a help window, and a short popup text
// per control help id. Both are compiled into the program from the help folder.
class THelpSystem : public QObject {
    Q_OBJECT

public:
    explicit THelpSystem(QObject* parent = nullptr);
    ~THelpSystem() override;
    THelpSystem(const THelpSystem&) = delete;
    THelpSystem& operator=(const THelpSystem&) = delete;

    // The topic page (HTML) of a window's Help button; empty when there is none.
    static QString TopicHtml(int topicId);
    // The popup text of a control's help id; empty when there is none.
    QString PopupText(int helpId) const;
    const QMap<int, QString>& PopupTexts() const { return m_popups; }

    void ShowTopic(int topicId);
    // Shows the popup of target's help id (or of its nearest parent with one) at the popup
    // position; cursor is the mouse position on the screen.
    bool ShowPopup(QWidget* target, QPoint cursor);
    void CloseHelpWindow();
    // Right-clicking a control of a dialog shows its popup text, as on the main window.
    void ConnectPopups(QWidget& dialog);

    QWidget* HelpWindow() const;
    QLabel* Popup() const { return m_popup; }
    // Closes the popup if it is shown.
    void ClosePopup();

private:
    QMap<int, QString> m_popups;
    QPointer<QTextBrowser> m_window;
    QPointer<THelpPopup> m_popup;
};

// Where a control's popup appears: at the cursor over a tall control (when the cursor lies on
// it), at its centre otherwise; below the middle of a low control.
QPoint PopupPosition(const QRect& target, QPoint cursor);

// Parses the popup file: ".topic <id>" lines, each followed by its text.
QMap<int, QString> ParsePopupFile(const QString& text);

} // namespace kvor
