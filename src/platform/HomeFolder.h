#pragma once

#include <QString>

#include <functional>

namespace kvor {

using FolderCheck = std::function<bool(const QString& folder)>;

// True when this user may create files in folder: it exists, is a folder and grants write and
// search access.
bool FolderIsWritable(const QString& folder);

// The folder that holds KVORError.Txt and where the first export opens: the program's own folder
// while it can be written, otherwise (an installed, read-only program) the user's documents
// folder, otherwise the user's home folder. When none can be written the last one is returned, so
// that a later write error names a real place. Always ends in '/'.
QString ChooseHomeFolder(const QString& programFolder, const QString& documentsFolder,
                         const QString& userHome, const FolderCheck& writable = FolderIsWritable);

// ChooseHomeFolder for the running program and user.
QString ProgramHomeFolder();

} // namespace kvor
