// Reading and checking a text file of 1,000,000 X, Y pairs (about 25 MB), as an import does.
#include "engine/ImportedData.h"
#include "import/ImportXY.h"
#include "import/TextFileReader.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int Pairs = 1'000'000;

// Written once per process, line by line, so the writing adds nothing to the peak memory;
// removed when the process ends.
class PairFile {
public:
    PairFile()
        : m_path(std::filesystem::temp_directory_path() /
                 ("kvor-bench-import-" + std::to_string(::getpid()) + ".txt")) {
        std::ofstream out(m_path, std::ios::binary);
        char line[64];
        for (int i = 0; i < Pairs; ++i) {
            const double x = 10 + 0.0099 * i;
            const double y = 3 + 2 * x + (i % 2 == 0 ? 0.5 : -0.5);
            const int n = std::snprintf(line, sizeof(line), "%.6f,%.6f\r\n", x, y);
            out.write(line, n);
        }
    }
    PairFile(const PairFile&) = delete;
    PairFile& operator=(const PairFile&) = delete;
    ~PairFile() {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

const std::string& PairFilePath() {
    static const PairFile file;
    static const std::string path = file.Path();
    return path;
}

double PeakMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void ReadAndCheckFile(benchmark::State& state) {
    const std::string& path = PairFilePath();
    kvor::ImportedData buffer;
    const kvor::FieldSeparator comma{kvor::SeparatorChoice::Comma, ""};
    for (auto _ : state) {
        const kvor::ImportResult result =
            kvor::ImportTextFile(path, comma, '.', kvor::ImportKind::Power, buffer);
        if (!result.Accepted() || buffer.Count != Pairs) {
            state.SkipWithError("the benchmark file was not accepted");
            break;
        }
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    state.counters["peak_RSS_MB"] = PeakMegabytes();
    state.SetItemsProcessed(state.iterations() * Pairs);
}

void ParseAndCheckLines(benchmark::State& state) {
    std::optional<kvor::TextLines> lines = kvor::ReadTextFileLines(PairFilePath());
    kvor::ImportedData buffer;
    for (auto _ : state) {
        const kvor::ImportResult result = kvor::CheckImportLines(
            *lines, ",", '.', kvor::ImportKind::Power, kvor::ImportSource::File, true, buffer);
        benchmark::DoNotOptimize(result.Accepted());
    }
    state.SetItemsProcessed(state.iterations() * Pairs);
}

void ReadFileLines(benchmark::State& state) {
    for (auto _ : state) {
        std::optional<kvor::TextLines> lines = kvor::ReadTextFileLines(PairFilePath());
        benchmark::DoNotOptimize(lines->Count());
    }
}

} // namespace

// The read-and-check run comes first so its peak is not raised by the others.
BENCHMARK(ReadAndCheckFile)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadFileLines)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseAndCheckLines)->Unit(benchmark::kMillisecond);
