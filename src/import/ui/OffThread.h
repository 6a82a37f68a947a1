#pragma once

#include <QEventLoop>
#include <QMetaObject>

#include <optional>
#include <thread>
#include <utility>

namespace kvor {

// Runs `work` on a thread of its own and returns its result, while the user-interface thread
// goes on painting and ticking timers; user input waits until the work is done.
template <typename Work> auto WhileWindowsPaint(Work work) -> decltype(work()) {
    QEventLoop loop;
    std::optional<decltype(work())> result;
    std::thread worker([&] {
        result.emplace(work());
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    return std::move(*result);
}

} // namespace kvor
