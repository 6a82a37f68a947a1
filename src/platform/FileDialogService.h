#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace kvor {

struct SaveFileRequest {
    QString Title;
    QString Folder;
    QString FileName;
    QString Filter; // "Text|*.EXT" pairs as the program states them
};

// The shared save-file dialog (overwrite prompt, path must exist, no default extension).
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen name as typed or picked, or nothing when the user cancelled.
    virtual std::optional<QString> GetSaveFileName(QWidget* parent,
                                                   const SaveFileRequest& request) = 0;
};

} // namespace kvor
