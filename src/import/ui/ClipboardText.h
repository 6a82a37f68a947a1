#pragma once

#include "import/TextLines.h"

#include <optional>

namespace kvor {

// The clipboard's text split into lines, fetched again while it yields none (within the read
// attempts and about a second); nothing when it cannot be fetched.
std::optional<TextLines> FetchClipboardLines();

} // namespace kvor
