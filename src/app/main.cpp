#include "app/KVORMainForm.h"
#include "app/MainTexts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kvor::MainTexts::ApplicationTitle);
    kvor::TKVORMain window;
    window.show();
    return QApplication::exec();
}
