#pragma once

#include <QString>

// Captions and messages of the import dialogs and the two viewers, in one place.
namespace kvor::ImportDialogTexts {

inline const QString ImportXYCaption = QStringLiteral(" Import X, Y pairs from Text file");
inline const QString FileNameLabel = QStringLiteral("File &Name:");
inline const QString Browse = QStringLiteral("&Browse...");
inline const QString ViewFile = QStringLiteral("&View File");
inline const QString SeparatorGroup = QStringLiteral(" &X, Y Separator ");
inline const QString Comma = QStringLiteral("Comma");
inline const QString Tab = QStringLiteral("Tab");
inline const QString Space = QStringLiteral("Space");
inline const QString Other = QStringLiteral("Other:");
inline const QString ReadPairs = QStringLiteral("&Read X, Y pairs");
inline const QString Ok = QStringLiteral("&OK");
inline const QString Cancel = QStringLiteral("&Cancel");
inline const QString Help = QStringLiteral("&Help");
inline const QString Close = QStringLiteral("&Close");
inline const QString SelectFileTitle = QStringLiteral(" Select Text file");
// The filter "Text files (*.TXT)|*.TXT|Any file (*.*)|*.*"; names differ in case here.
inline const QString SelectFileFilter =
    QStringLiteral("Text files (*.TXT *.txt *.Txt);;Any file (*)");

inline const QString PasteCBCaption = QStringLiteral(" Paste X, Y pairs from Windows clipboard");
inline const QString ViewClipboard = QStringLiteral("&View Clipboard Data");
inline const QString ImportPairs = QStringLiteral("I&mport X, Y pairs");

inline const QString ClipboardViewerCaption = QStringLiteral(" Clipboard viewer");
inline const QString PairNumberHead = QStringLiteral(" Pair No.");

inline const QString ViewFileNotRead = QStringLiteral(
    "The program was unable to open and read the specified file.  This is an intermittent problem "
    "that occurs mainly with very large files.  Continue clicking the View File button; the read "
    "process will succeed eventually.");
inline const QString ViewFileLoadFailed = QStringLiteral(
    "Could not read data from the specified file.  It might be locked by another application or "
    "else contains data that cannot be interpreted as text.");
inline const QString ClipboardFetchFailed =
    QStringLiteral("Error accessing the clipboard.  Try copying the data again.");
inline const QString ClipboardViewNoLine = QStringLiteral(
    "The program was unable to read the clipboard data.  However, that does not mean the "
    "clipboard data cannot be successfully imported.  Try importing and/or retry the view "
    "option.");
inline const QString ClipboardViewerNotBuilt = QStringLiteral(
    "The program was unable to construct the data viewer.  However, that does not mean the "
    "clipboard data cannot be successfully imported.  Try importing and/or retry the view "
    "option.");
inline const QString ClipboardLost = QStringLiteral(
    "The clipboard no longer contains text.  You will need to switch to an application that "
    "contains data of interest and copy data to the clipboard.");
inline const QString ViewerUpdateFailed = QStringLiteral(
    "Clipboard contents have changed but the program was unable to update the display.  Try "
    "closing and reopening the Data Viewer window.");
inline const QString DataDisplayError = QStringLiteral(
    "Error creating the data display.  Try again and contact the program author if the problem "
    "persists");

// " Viewing Text file NAME  (N line)" or "... lines)".
inline QString FileViewerCaption(const QString& name, qsizetype lines) {
    return QStringLiteral(" Viewing Text file ") + name + QStringLiteral("  (") +
           QString::number(lines) +
           (lines == 1 ? QStringLiteral(" line)") : QStringLiteral(" lines)"));
}

// " Imported 'Accuracy' data (N = 3000)".
inline QString ViewImportCaption(bool accuracy, int count) {
    return (accuracy ? QStringLiteral(" Imported 'Accuracy' data (N = ")
                     : QStringLiteral(" Imported 'Power' data (N = ")) +
           QString::number(count) + QLatin1Char(')');
}

} // namespace kvor::ImportDialogTexts
