#pragma once

#include "studies/AtomicFile.h"

#include <filesystem>
#include <string>

namespace kvor {

struct FailedSet;

// The file the pairs of a failed set go to, in the program's folder.
inline constexpr const char* FailedSetFileName = "KVORError.Txt";
inline constexpr const char* FailedSetExportError =
    "Error writing X, Y pairs to text file.  Try again and contact the program author if the "
    "problem persists.";

// One line per pair, X tab Y, 15 significant digits, CR LF line ends.
std::string FailedSetFileText(const FailedSet& failed, char decimalSeparator);

// Replaces `file` with the pairs of the failed set; an earlier file survives a failed write.
FileWriteResult ExportFailedSet(const std::filesystem::path& file, const FailedSet& failed,
                                char decimalSeparator);

} // namespace kvor
