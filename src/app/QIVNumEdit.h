#pragma once

#include <QLineEdit>

namespace kvor {

class MessageService;

// Single-line edit for a real number between MinValue and MaxValue. Refuses, key by key, what
// cannot belong to such a number; turns an unfinished entry into a number when left; writes
// values as text that fits MaxLength. Cut and paste are refused.
class TQIVNumEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TQIVNumEdit(QWidget* parent = nullptr);

    double MinValue() const { return m_minValue; }
    double MaxValue() const { return m_maxValue; }
    void SetMinValue(double value) { m_minValue = value; }
    void SetMaxValue(double value) { m_maxValue = value; }

    double Value() const;
    void SetValue(double value);

    bool EditorEnabled() const { return m_editorEnabled; }
    void SetEditorEnabled(bool enabled) { m_editorEnabled = enabled; }

    // A free number the window keeps with the edit (the lower bound of the B and J edits).
    double Tag() const { return m_tag; }
    void SetTag(double tag) { m_tag = tag; }

    QChar DecimalSeparator() const { return m_separator; }
    void SetDecimalSeparator(QChar separator) { m_separator = separator; }

    // Without a service the beep goes to QApplication::beep.
    void SetMessageService(MessageService* service) { m_messages = service; }

    // Empty, the separator alone, "-" alone, or "-" and the separator.
    bool IsPartial() const;

    // The exit rule, also run by the window when a run starts with the focus here.
    void DoExit();

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    void Exit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool AcceptsCharacter(QChar c) const;
    void Beep();

    double m_minValue = 0;
    double m_maxValue = 0;
    double m_tag = 0;
    bool m_editorEnabled = true;
    QChar m_separator = QLatin1Char('.');
    MessageService* m_messages = nullptr;
};

} // namespace kvor
