#pragma once

#include "import/ImportTypes.h"
#include "import/TextLines.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace kvor {

// How often a file or the clipboard is read again while it yields no line.
inline constexpr int ReadAttempts = 10000;

// Larger files are refused as unreadable rather than risk exhausting memory; a full pool of
// 1,000,000 pairs takes some 25 MB of text.
inline constexpr std::uintmax_t MaxImportFileBytes = std::uintmax_t{512} << 20;

// The checks made before a file is read: an empty name, a missing file (a folder counts as
// missing), an entry whose size cannot be looked up, a size of 0. Gives the expanded path.
std::variant<std::string, ImportRefusal> CheckImportFile(std::string_view fileName);

// Reads and decodes a whole file; nothing when it cannot be read or is not text.
std::optional<TextLines> ReadTextFileLines(const std::string& path);

// Reads the file into lines, again while it yields none, up to ReadAttempts times.
std::variant<TextLines, ImportRefusal> LoadTextFileLines(const std::string& path);

} // namespace kvor
