#include "app/KVORMainForm.h"
#include "app/MainTexts.h"
#include "platform/SingleInstance.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kvor::MainTexts::ApplicationTitle);
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
