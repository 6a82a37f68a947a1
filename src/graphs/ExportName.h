#pragma once

#include <string>

namespace kvor {

// The four kinds of export file: 1 and 2 the bitmap and metafile of the sampling-lines and
// confidence plots (extension checked), 3 and 4 those of the variance-function plot.
struct ExportKindInfo {
    const char* DefaultName;
    const char* Title;
    const char* Filter;
    const char* CheckedExtension; // upper case, empty when any extension goes
};
const ExportKindInfo& ExportKind(int kind);

enum class ExportNameVerdict { Accept, Invalid, AskExtension };

// What happens to a chosen full file name of the kind: a name part starting with "." is
// refused, a missing checked extension (any case) needs the user's confirmation.
ExportNameVerdict CheckExportName(const std::string& fullName, int kind);

// The folder of a full file name, ending in a separator.
std::string ExportFolderOf(const std::string& fullName);

} // namespace kvor
