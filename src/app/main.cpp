#include "KVORVersion.h"
#include "app/KVORMainForm.h"
#include "app/MainTexts.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

namespace {

// Answered before the application object exists: no display and no running window needed.
bool AskedForVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            return true;
        }
    }
    return false;
}

// The installed theme icon, else the copy built into the program (a run from the build folder).
QIcon ProgramIcon() {
    QIcon builtIn;
    for (const int size : {16, 32, 64, 256}) {
        builtIn.addFile(QStringLiteral(":/icons/kvor-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(QStringLiteral("kvor"), builtIn);
}

} // namespace

int main(int argc, char** argv) {
    if (AskedForVersion(argc, argv)) {
        std::printf("kvor %s\n", kvor::ProgramVersion);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(kvor::MainTexts::ApplicationTitle);
    QGuiApplication::setDesktopFileName(QStringLiteral("kvor"));
    QApplication::setWindowIcon(ProgramIcon());
    kvor::SingleInstance instance(kvor::MainTexts::ApplicationTitle);
    if (instance.Start() != kvor::SingleInstance::StartResult::First) {
        return 0; // the running window came forward, or the start-up lock never came free
    }
    kvor::TKVORMain window;
    window.show();
    QObject::connect(&instance, &kvor::SingleInstance::ActivationRequested, &window,
                     &kvor::TKVORMain::ComeForward);
    instance.Listen();
    instance.ReleaseLock();
    window.ComeForward();
    return QApplication::exec();
}
