#pragma once

#include "app/QIVEdit.h"

namespace kvor {

// Single-line edit for a real number between MinValue and MaxValue. Refuses, key by key, what
// cannot belong to such a number; turns an unfinished entry into a number when left; writes
// values as text that fits MaxLength. Cut and paste are refused.
class TQIVNumEdit : public TQIVEdit {
    Q_OBJECT

public:
    explicit TQIVNumEdit(QWidget* parent = nullptr);

    double MinValue() const { return m_minValue; }
    double MaxValue() const { return m_maxValue; }
    void SetMinValue(double value) { m_minValue = value; }
    void SetMaxValue(double value) { m_maxValue = value; }

    double Value() const;
    void SetValue(double value);

    // A free number the window keeps with the edit (the lower bound of the B and J edits).
    double Tag() const { return m_tag; }
    void SetTag(double tag) { m_tag = tag; }

    QChar DecimalSeparator() const { return m_separator; }
    void SetDecimalSeparator(QChar separator) { m_separator = separator; }

    // Empty, the separator alone, "-" alone, or "-" and the separator.
    bool IsPartial() const;

    void DoExit() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool AcceptsCharacter(QChar c) const;

    double m_minValue = 0;
    double m_maxValue = 0;
    double m_tag = 0;
    QChar m_separator = QLatin1Char('.');
};

} // namespace kvor
