#include "platform/HomeFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace kvor {

namespace {

QString WithTrailingSlash(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

} // namespace

bool FolderIsWritable(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        return false;
    }
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QString ChooseHomeFolder(const QString& programFolder, const QString& documentsFolder,
                         const QString& userHome, const FolderCheck& writable) {
    QString last;
    for (const QString& folder : {programFolder, documentsFolder, userHome}) {
        if (folder.isEmpty()) {
            continue;
        }
        if (writable(folder)) {
            return WithTrailingSlash(folder);
        }
        last = folder;
    }
    return WithTrailingSlash(last);
}

QString ProgramHomeFolder() {
    return ChooseHomeFolder(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                            QDir::homePath());
}

} // namespace kvor
