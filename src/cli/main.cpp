#include "cli/CliOptions.h"
#include "cli/CliRun.h"

#ifdef KVOR_CLI_PICTURES
#include "graphs/VFCurve.h"
#include "graphs/ui/SampleLinesPicture.h"
#include "graphs/ui/VarianceFunctionsPicture.h"
#include "visualise/ui/VisPlotPicture.h"

#include <QGuiApplication>

#include <memory>
#endif

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const kvor::cli::CliParse parsed = kvor::cli::ParseCliOptions(args);
    if (!parsed.Ok) {
        std::cerr << "kvor-cli: " << parsed.Error << "\nTry 'kvor-cli --help'.\n";
        return kvor::cli::ExitUsage;
    }
    kvor::cli::CliStreams streams{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1, {}, {}};
#ifdef KVOR_CLI_PICTURES
    // Pictures are drawn without a window, on the offscreen platform.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    std::unique_ptr<QGuiApplication> gui;
    const auto openGui = [&] {
        if (!gui) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            gui = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
        }
    };
    streams.WritePlot = [&](const kvor::cli::PlotRequest& request) {
        openGui();
        return kvor::WriteSampleLinesPicture(request.Results, request.Design,
                                             request.ParameterSpace, request.ZeroOrigin,
                                             request.File, request.Format);
    };
    streams.WriteVFPlot = [&](const kvor::cli::VFPlotRequest& request) {
        openGui();
        return kvor::WriteVarianceFunctionsPicture(
            request.Set, request.Options, static_cast<kvor::VFGraphType>(request.GraphType),
            request.File, request.Format);
    };
#endif
    const int status = kvor::cli::RunCli(parsed.Options, streams);
    std::cout.flush();
    return std::cout ? status : kvor::cli::ExitUsage;
}
