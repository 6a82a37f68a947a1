#pragma once

#include <functional>

namespace kvor {

class MainContext;
class THelpSystem;

// What the import dialogs and viewers take from the main window: its context (messages,
// decimal separator, home folder), its help system (none in tests) and the settings check
// every one of them makes when activated.
struct DialogServices {
    MainContext& Context;
    THelpSystem* Help = nullptr;
    std::function<void()> CheckSystemSettings;
};

} // namespace kvor
