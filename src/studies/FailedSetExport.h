#pragma once

#include "studies/AtomicFile.h"

#include <filesystem>
#include <string>

namespace kvor {

struct FailedSet;

// The file the pairs of a failed set go to, in the program's home folder.
inline constexpr const char* FailedSetFileName = "KVORError.Txt";
inline constexpr const char* FailedSetExportError =
    "Error writing X, Y pairs to text file.  Try again and contact the program author if the "
    "problem persists.";

// The writing error for the window, naming the folder the file was to go to: an installed
// program writes to the user's documents folder, and the user needs to know which one failed.
std::string FailedSetExportErrorText(const std::string& folder);

// One line per pair, X tab Y, 15 significant digits, CR LF line ends.
std::string FailedSetFileText(const FailedSet& failed, char decimalSeparator);

// Replaces `file` with the pairs of the failed set; an earlier file survives a failed write.
FileWriteResult ExportFailedSet(const std::filesystem::path& file, const FailedSet& failed,
                                char decimalSeparator);

} // namespace kvor
