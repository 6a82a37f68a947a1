#pragma once

#include <string>

namespace kvor {

// What the print-progress dialog shows while the document of a PrintState code is printed;
// empty for a code that no print action uses.
std::string PrintStateText(int code);

} // namespace kvor
