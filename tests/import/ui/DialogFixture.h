#pragma once

#include "../ImportTestSupport.h"
#include "app/MainContext.h"
#include "import/ui/DialogServices.h"
#include "import/ui/ImportDialog.h"
#include "import/ui/ImportStatus.h"
#include "platform/ScriptedMessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace importui {

// A line of pairs around Y = 3 + 2X with a scatter of one either way.
inline std::pair<double, double> Pair(std::size_t i) {
    const double x = 10 + 0.25 * double(i);
    return {x, 3 + 2 * x + kvor::test::Alternate(i)};
}

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename T = QWidget> T* Child(const QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace importui

// Scripted messages and a context for one dialog, with the fast status ticks tests use when
// the blink is not what they look at.
struct DialogFixture {
    explicit DialogFixture(QChar separator = QLatin1Char('.')) : Context(Messages) {
        Context.SetDecimalSeparator(separator);
        Context.SetHomeFolder(QString::fromStdString(Dir.PathOf("")));
    }

    kvor::DialogServices Services() { return {Context, nullptr, {}}; }

    template <typename Dialog> std::unique_ptr<Dialog> Open(kvor::ImportKind kind) {
        auto dialog = std::make_unique<Dialog>(Services(), Buffer, kind, nullptr);
        dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        dialog->Status().Timer().setInterval(1);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        QApplication::processEvents();
        return dialog;
    }

    // Presses the import button and waits until the import ended.
    static bool Import(kvor::TImportDialog& dialog, QAbstractButton& button) {
        QSignalSpy finished(&dialog, &kvor::TImportDialog::ImportFinished);
        button.click();
        return finished.count() > 0 || finished.wait(30000);
    }

    QString Last() const {
        return Messages.Messages().isEmpty() ? QString() : Messages.Messages().back().Text;
    }

    kvor::test::TempDir Dir;
    kvor::ScriptedMessageService Messages;
    kvor::MainContext Context;
    kvor::ImportedData Buffer;
};
