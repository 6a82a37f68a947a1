#include "cli/CliOptions.h"
#include "cli/CliRun.h"

#ifdef KVOR_CLI_PICTURES
#include "graphs/ui/SampleLinesPicture.h"
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
    kvor::cli::CliStreams streams{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1, {}};
#ifdef KVOR_CLI_PICTURES
    // Pictures are drawn without a window, on the offscreen platform.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    std::unique_ptr<QGuiApplication> gui;
    const auto startGui = [&] {
        if (!gui) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            gui = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
        }
    };
    streams.WritePlot = [&](const kvor::cli::PlotRequest& request) {
        startGui();
        return kvor::WriteSampleLinesPicture(request.Results, request.Design,
                                             request.ParameterSpace, request.ZeroOrigin,
                                             request.File, request.Format);
    };
    streams.WriteVisPlot = [&](const kvor::cli::VisPlotRequest& request) {
        startGui();
        kvor::VisPictureRequest picture;
        picture.RunSelector = request.RunSelector;
        picture.Type = static_cast<kvor::VisGraphType>(request.Type);
        picture.Partitioned = request.Partitioned;
        picture.Classes = request.Classes;
        picture.File = request.File;
        picture.Format = request.Format;
        return kvor::WriteVisPlotPicture(request.Run, request.Design, picture);
    };
#endif
    const int status = kvor::cli::RunCli(parsed.Options, streams);
    std::cout.flush();
    return std::cout ? status : kvor::cli::ExitUsage;
}
