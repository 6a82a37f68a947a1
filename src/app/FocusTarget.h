#pragma once

#include "studies/DesignCheck.h"

#include <QString>

namespace kvor {

// objectName of the edit a refused design sends the user to on a tab; empty for None.
QString FocusControlName(StudyTab tab, DesignFocus focus);

} // namespace kvor
