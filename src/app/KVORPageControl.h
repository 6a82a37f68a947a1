#pragma once

#include <QTabWidget>

#include <functional>

namespace kvor {

// The page control of the main window. Every attempt by the user to change the tab (click,
// wheel, keys, mnemonics) first asks MayChange; a refusal leaves the tab as it is.
class TKVORPageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit TKVORPageControl(QWidget* parent);

    void SetChangeGuard(std::function<bool()> mayChange);
    bool MayChange() const { return !m_mayChange || m_mayChange(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<bool()> m_mayChange;
};

} // namespace kvor
