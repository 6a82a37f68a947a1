#include "app/QIVNumEdit.h"

#include "app/MainContext.h"

#include "app/EditKeyRules.h"
#include "app/NumEditFormat.h"

#include <QKeyEvent>
#include <QLocale>

#include <algorithm>

namespace kvor {

TQIVNumEdit::TQIVNumEdit(QWidget* parent) : TQIVEdit(parent) {}

bool TQIVNumEdit::IsPartial() const {
    const QString t = text();
    const QString separator(m_separator);
    return t.isEmpty() || t == separator || t == QLatin1String("-") ||
           t == QLatin1String("-") + separator;
}

double TQIVNumEdit::Value() const {
    QString t = text().trimmed();
    if (m_separator != QLatin1Char('.')) {
        if (t.contains(QLatin1Char('.'))) {
            return m_minValue;
        }
        t.replace(m_separator, QLatin1Char('.'));
    }
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = c.toDouble(t, &ok);
    return ok ? v : m_minValue;
}

void TQIVNumEdit::SetValue(double value) {
    if (m_minValue != m_maxValue) {
        value = std::max(m_minValue, std::min(value, m_maxValue));
    }
    const char separator = MainContext::AsSeparatorChar(m_separator);
    const std::string formatted = FormatNumEditText(value, maxLength(), separator);
    setText(QString::fromStdString(formatted));
}

void TQIVNumEdit::DoExit() {
    if (IsPartial()) {
        SetValue(m_minValue > 0 ? m_minValue : 0);
    }
    SetValue(Value());
    emit Exit();
}

bool TQIVNumEdit::AcceptsCharacter(QChar c) const {
    if (c == m_separator) {
        return !EditKeyRules::HoldsOutsideSelection(*this, m_separator) && !MinusAtFront();
    }
    return AcceptsSignOrDigit(c, m_minValue < 0);
}

void TQIVNumEdit::keyPressEvent(QKeyEvent* event) {
    if (SwallowKey(*event)) {
        return;
    }
    if (IsEditingKey(*event)) {
        TQIVEdit::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    QChar c = event->text().front();
    const bool keypadDecimal = (event->modifiers() & Qt::KeypadModifier) != 0 &&
                               (key == Qt::Key_Period || key == Qt::Key_Comma);
    if (keypadDecimal) {
        c = m_separator == QLatin1Char(',') ? QLatin1Char(',') : QLatin1Char('.');
    }
    if (event->text().size() != 1 || !AcceptsCharacter(c)) {
        event->accept();
        Beep();
        return;
    }
    QKeyEvent typed(event->type(), key, event->modifiers(), QString(c), event->isAutoRepeat());
    TQIVEdit::keyPressEvent(&typed);
    event->setAccepted(typed.isAccepted());
}

} // namespace kvor
