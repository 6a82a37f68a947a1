#include "app/HelpContext.h"

#include <QVariant>
#include <QWidget>

namespace kvor {

namespace {
constexpr const char* HelpContextProperty = "HelpContext";
}

void SetHelpContext(QWidget* control, int id) {
    control->setProperty(HelpContextProperty, id);
}

int HelpContextOf(const QWidget* control) {
    return control->property(HelpContextProperty).toInt();
}

} // namespace kvor
