// The import windows on large data: a 1,000,000-line file read through the text-file dialog,
// the imported-data viewer opened and scrolled over 1,000,000 pairs, and a 100 MB text file
// shown by the data viewer. Runs on the offscreen platform.
#include "app/MainContext.h"
#include "engine/ImportedData.h"
#include "import/ui/DataViewerOpening.h"
#include "import/ui/ImportStatus.h"
#include "import/ui/TKVORDataViewer.h"
#include "import/ui/TKVORImportXY.h"
#include "import/ui/TKVORViewImport.h"
#include "platform/ScriptedMessageService.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int Pairs = 1'000'000;

// A file removed when the process ends.
class BenchFile {
public:
    BenchFile(const std::string& name, std::uintmax_t minimumBytes)
        : m_path(std::filesystem::temp_directory_path() /
                 ("kvor-bench-" + name + "-" + std::to_string(::getpid()) + ".txt")) {
        std::ofstream out(m_path, std::ios::binary);
        char line[64];
        std::uintmax_t written = 0;
        for (int i = 0; i < Pairs || written < minimumBytes; ++i) {
            const double x = 10 + 0.0099 * (i % Pairs);
            const double y = 3 + 2 * x + (i % 2 == 0 ? 0.5 : -0.5);
            const int n = std::snprintf(line, sizeof(line), "%.6f,%.6f\r\n", x, y);
            out.write(line, n);
            written += static_cast<std::uintmax_t>(n);
        }
    }
    BenchFile(const BenchFile&) = delete;
    BenchFile& operator=(const BenchFile&) = delete;
    ~BenchFile() {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

struct Services {
    kvor::ScriptedMessageService Messages;
    kvor::MainContext Context{Messages};
    kvor::DialogServices Get() { return {Context, nullptr, {}}; }
};

// Read X, Y pairs to the accepted state, with the status ticks shortened to 1 ms: the least
// display time of the blink (six ticks of 600 ms) is left out of the figure.
void ImportMillionLinesThroughTheDialog(benchmark::State& state) {
    static const BenchFile file("dialog", 0);
    Services services;
    kvor::TKVORImportXY dialog(services.Get(), services.Context.ImportBuffer(),
                               kvor::ImportKind::Power, nullptr);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    dialog.show();
    dialog.Status().Timer().setInterval(1);
    dialog.findChild<QLineEdit*>("FileEdit")->setText(QString::fromStdString(file.Path()));
    auto* read = dialog.findChild<QPushButton*>("ImportButton");
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&dialog, &kvor::TImportDialog::ImportFinished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        read->click();
        loop.exec();
        if (services.Context.ImportBuffer().Count != Pairs) {
            state.SkipWithError("the file was not accepted");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * Pairs);
}

void FillPool(kvor::ImportedData& pool) {
    for (int i = 0; i < Pairs; ++i) {
        pool.X[i] = 10 + 0.0099 * i;
        pool.Y[i] = (3 + 2 * pool.X[i]) / 3.0;
    }
    pool.Count = Pairs;
}

void OpenViewerOnMillionPairs(benchmark::State& state) {
    Services services;
    kvor::ImportedData pool;
    FillPool(pool);
    double added = 0;
    for (auto _ : state) {
        const double before = ResidentMegabytes();
        kvor::TKVORViewImport viewer(services.Get(), pool, false, nullptr);
        viewer.show();
        QApplication::processEvents();
        added = std::max(added, ResidentMegabytes() - before);
        benchmark::DoNotOptimize(viewer.ViewImportGrid().model()->rowCount());
    }
    state.counters["added_RSS_MB"] = added;
}

void ScrollViewerToTheEnd(benchmark::State& state) {
    Services services;
    kvor::ImportedData pool;
    FillPool(pool);
    kvor::TKVORViewImport viewer(services.Get(), pool, false, nullptr);
    viewer.show();
    QApplication::processEvents();
    QScrollBar* bar = viewer.ViewImportGrid().verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(0);
        viewer.ViewImportGrid().viewport()->repaint();
        bar->setValue(bar->maximum());
        viewer.ViewImportGrid().viewport()->repaint();
    }
}

void ViewHundredMegabyteFile(benchmark::State& state) {
    static const BenchFile file("viewer", std::uintmax_t{100} << 20);
    Services services;
    QWidget owner;
    for (auto _ : state) {
        const kvor::FileViewOutcome outcome =
            kvor::OpenFileViewer(services.Get(), QString::fromStdString(file.Path()), &owner);
        if (outcome != kvor::FileViewOutcome::Shown) {
            state.SkipWithError("the file was not shown");
            break;
        }
        QApplication::processEvents();
        state.PauseTiming();
        qDeleteAll(owner.findChildren<kvor::TKVORDataViewer*>());
        state.ResumeTiming();
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file.Path())) / 1e6;
}

} // namespace

BENCHMARK(ImportMillionLinesThroughTheDialog)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpenViewerOnMillionPairs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ScrollViewerToTheEnd)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ViewHundredMegabyteFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
