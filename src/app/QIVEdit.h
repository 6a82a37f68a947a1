#pragma once

#include <QLineEdit>

namespace kvor {

class MessageService;

// What the number and spin edits share: no cut, paste, drop or selection paste; everything
// selected when the keyboard brings the focus; the exit rule when the focus leaves for another
// control; the least height the font needs.
class TQIVEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TQIVEdit(QWidget* parent = nullptr);

    bool EditorEnabled() const { return m_editorEnabled; }
    void SetEditorEnabled(bool enabled) { m_editorEnabled = enabled; }

    // Without a service the beep goes to QApplication::beep.
    void SetMessageService(MessageService* service) { m_messages = service; }

    // The exit rule, also run by the window when a run starts with the focus here.
    virtual void DoExit() = 0;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    void Exit();

protected:
    void Beep();

    // What both edits accept of a typed character besides their own: a minus only at the front
    // and only with a negative lower bound, digits never in front of a minus.
    bool AcceptsSignOrDigit(QChar c, bool negativeAllowed) const;
    // True when a minus stands at the insert position.
    bool MinusAtFront() const;
    // Cut and paste are refused and Enter is swallowed by both edits; true when handled.
    static bool SwallowKey(QKeyEvent& event);
    // Editing keys, navigation and shortcuts, which are not typed characters.
    static bool IsEditingKey(const QKeyEvent& event);

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool m_editorEnabled = true;
    MessageService* m_messages = nullptr;
};

} // namespace kvor
