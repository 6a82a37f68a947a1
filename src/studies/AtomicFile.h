#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kvor {

struct FileWriteResult {
    bool Ok = false;
    std::string Error; // what went wrong, for the caller to report
};

// Replaces the file at path with contents, or leaves any earlier file untouched: the bytes go to a
// temporary file in the same folder first, which is then renamed over the target.
FileWriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view contents);

} // namespace kvor
