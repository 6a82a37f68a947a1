#include "import/TextFileReader.h"

#include "import/ImportTexts.h"
#include "import/TextDecoding.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace kvor {

namespace fs = std::filesystem;

namespace {

ImportRefusal FileRefusal(ImportRefusalReason reason, std::string_view message) {
    return {reason, ImportBox::Error, std::string(message)};
}

bool IsMissing(const std::error_code& error) {
    return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory ||
           error == std::errc::filename_too_long;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > MaxImportFileBytes) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    // The file may have grown since its size was looked up.
    std::vector<char> chunk(std::size_t{1} << 16);
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + got > MaxImportFileBytes) {
            return std::nullopt;
        }
        bytes.append(chunk.data(), got);
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

std::variant<std::string, ImportRefusal> CheckImportFile(std::string_view fileName) {
    if (fileName.empty()) {
        return FileRefusal(ImportRefusalReason::EmptyFileName, ImportTexts::EmptyFileName);
    }
    const ImportRefusal notFound =
        FileRefusal(ImportRefusalReason::FileNotFound, ImportTexts::FileNotFound);
    const ImportRefusal unreadable =
        FileRefusal(ImportRefusalReason::FileUnreadable, ImportTexts::FileUnreadable);
    if (fileName.find('\0') != std::string_view::npos) {
        return notFound;
    }
    try {
        std::error_code error;
        const fs::path expanded = fs::absolute(fs::path(fileName), error).lexically_normal();
        if (error) {
            return notFound;
        }
        const fs::file_status status = fs::status(expanded, error);
        if (error && !IsMissing(error)) {
            return unreadable;
        }
        if (error || !fs::exists(status) || fs::is_directory(status)) {
            return notFound;
        }
        const std::uintmax_t size = fs::file_size(expanded, error);
        if (error) {
            return unreadable;
        }
        if (size == 0) {
            return FileRefusal(ImportRefusalReason::FileEmpty, ImportTexts::FileEmpty);
        }
        return expanded.string();
    } catch (const std::exception&) {
        return unreadable;
    }
}

std::optional<TextLines> ReadTextFileLines(const std::string& path) {
    try {
        std::optional<std::string> bytes = ReadFileBytes(path);
        if (!bytes) {
            return std::nullopt;
        }
        std::optional<std::string> text = DecodeTextBytes(std::move(*bytes));
        if (!text) {
            return std::nullopt;
        }
        return TextLines(std::move(*text));
    } catch (const std::exception&) {
        // Out of memory while reading or decoding: the file is treated as unreadable.
        return std::nullopt;
    }
}

std::variant<TextLines, ImportRefusal> LoadTextFileLines(const std::string& path) {
    for (int attempt = 0; attempt < ReadAttempts; ++attempt) {
        std::optional<TextLines> lines = ReadTextFileLines(path);
        if (!lines) {
            return FileRefusal(ImportRefusalReason::FileUnreadable, ImportTexts::FileUnreadable);
        }
        if (lines->Count() > 0) {
            return std::move(*lines);
        }
    }
    return FileRefusal(ImportRefusalReason::FileNotRead, ImportTexts::FileNotRead);
}

} // namespace kvor
