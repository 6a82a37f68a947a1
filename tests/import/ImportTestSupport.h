#pragma once

#include "engine/ImportedData.h"

#include <charconv>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <utility>

namespace kvor::test {

// A folder of its own for one test, removed afterwards.
class TempDir {
public:
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 ("kvor-import-" + std::to_string(::getpid()) + "-" + info->test_suite_name() +
                  "-" + info->name());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    // Writes `bytes` unchanged to `name` in the folder and gives its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path file = m_path / name;
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }
    std::string PathOf(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// Shortest text that reads back as exactly `v`.
inline std::string NumberText(double v) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof(buffer), v).ptr;
    return std::string(buffer, end);
}

// `n` lines "x<sep>y" from pair(i), i = 0..n-1, each ended by `lineEnd`.
inline std::string PairLines(std::size_t n,
                             const std::function<std::pair<double, double>(std::size_t)>& pair,
                             const std::string& separator = ",",
                             const std::string& lineEnd = "\n") {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) {
        const auto [x, y] = pair(i);
        text += NumberText(x);
        text += separator;
        text += NumberText(y);
        text += lineEnd;
    }
    return text;
}

// +1 and -1 in turn: scatter that leaves a fitted line on the designed one.
inline double Alternate(std::size_t i) {
    return i % 2 == 0 ? 1.0 : -1.0;
}

} // namespace kvor::test
