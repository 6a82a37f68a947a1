#pragma once

#include <string>
#include <string_view>

namespace kvor::cli {

// A number with '.' and 17 significant digits, or null when it is not finite.
std::string JsonNumber(double value);
// The same digits for tab-separated dumps (not-finite values as nan, inf, -inf).
std::string DumpNumber(double value);
// A quoted JSON string with the control characters escaped.
std::string JsonString(std::string_view text);

} // namespace kvor::cli
