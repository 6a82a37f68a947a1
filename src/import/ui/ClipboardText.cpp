#include "import/ui/ClipboardText.h"

#include "import/TextFileReader.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <exception>

namespace kvor {

namespace {
// Each fetch may be a round trip to another program; a clipboard that keeps giving nothing
// must not hang the window.
constexpr qint64 FetchTimeLimitMs = 1000;
} // namespace

std::optional<TextLines> FetchClipboardLines() {
    try {
        QElapsedTimer clock;
        clock.start();
        for (int attempt = 0; attempt < ReadAttempts; ++attempt) {
            const QString text = QGuiApplication::clipboard()->text();
            TextLines lines(text.toStdString());
            if (lines.Count() > 0 || clock.elapsed() > FetchTimeLimitMs) {
                return lines;
            }
        }
        return TextLines();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace kvor
