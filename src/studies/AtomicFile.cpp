#include "studies/AtomicFile.h"

#include <cstdio>
#include <random>
#include <system_error>

namespace kvor {

namespace {

// A random sibling name; the exclusive open below refuses one that already exists.
std::filesystem::path TemporarySibling(const std::filesystem::path& path) {
    std::random_device entropy;
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(entropy()) + std::to_string(entropy());
    return temporary;
}

bool WriteAll(const std::filesystem::path& path, std::string_view contents) {
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
}

} // namespace

FileWriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view contents) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return {false, std::string("'").append(path.string()).append("' is a folder")};
    }
    const std::filesystem::path temporary = TemporarySibling(path);
    if (!WriteAll(temporary, contents)) {
        std::filesystem::remove(temporary, ec);
        return {false, std::string("cannot write '").append(temporary.string()).append("'")};
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return {false, std::string("cannot replace '")
                           .append(path.string())
                           .append("': ")
                           .append(ec.message())};
    }
    return {true, {}};
}

} // namespace kvor
