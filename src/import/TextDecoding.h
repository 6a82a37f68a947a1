#pragma once

#include <optional>
#include <string>

namespace kvor {

// Turns the bytes of a text file into UTF-8: UTF-8 with or without a byte-order mark, UTF-16 LE
// or BE with a byte-order mark, anything else as Latin-1. Returns nothing when the bytes cannot
// be text: a NUL character anywhere, or UTF-16 with an odd number of bytes.
std::optional<std::string> DecodeTextBytes(std::string bytes);

} // namespace kvor
