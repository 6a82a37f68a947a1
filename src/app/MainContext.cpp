#include "app/MainContext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace kvor {

bool MainContext::ClipboardOffersText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

} // namespace kvor
