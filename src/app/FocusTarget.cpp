#include "app/FocusTarget.h"

#include <array>

namespace kvor {

QString FocusControlName(StudyTab tab, DesignFocus focus) {
    static constexpr std::array<const char*, 6> edits{
        "", "MinNumEdit", "MaxNumEdit", "ConstantNumEdit", "YB1Edit", "XB1Edit"};
    if (focus == DesignFocus::None) {
        return {};
    }
    return QString(tab == StudyTab::Accuracy ? "A" : "P") + edits[static_cast<std::size_t>(focus)];
}

} // namespace kvor
