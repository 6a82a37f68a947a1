#pragma once

#include "import/ui/DialogServices.h"

#include <QString>

class QWidget;

namespace kvor {

class TKVORDataViewer;

enum class FileViewOutcome { Shown, NoLine, Unreadable };

// Loads a checked file into a new data viewer in file mode and shows it over `owner`, which is
// disabled meanwhile. The viewer is freed when closed.
FileViewOutcome OpenFileViewer(const DialogServices& services, const QString& path, QWidget* owner);

enum class ClipboardViewOutcome { Shown, FetchFailed, NoLine, NotBuilt };

// Fetches the clipboard text into a new data viewer in clipboard mode and shows it; `opened`
// receives the shown viewer. The caller has made sure the clipboard offers text.
ClipboardViewOutcome OpenClipboardViewer(const DialogServices& services, QWidget* owner,
                                         TKVORDataViewer*& opened);

} // namespace kvor
