#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// Cuts `text` at the first `separator`: returns the part before it and leaves in `text` the part
// after it. Without a separator the whole text is returned and `text` becomes empty.
std::string_view SplitAtSeparator(std::string_view& text, std::string_view separator);

// Makes the first foreign decimal mark the system's: with '.' as the system separator the first
// ',' becomes '.'; with ',' the first '.' becomes ','.
std::string ToSystemDecimal(std::string text, char decimalSeparator);

// ToSystemDecimal followed by a strict conversion: blanks around, an optional sign, digits with
// at most one decimal separator, an optional exponent. Everything else (nan, inf, hexadecimal,
// grouped thousands, values beyond the double range) is a conversion failure.
std::optional<double> ParseLocaleFloat(std::string_view text, char decimalSeparator);

} // namespace kvor
