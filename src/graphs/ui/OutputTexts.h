#pragma once

#include <QString>

namespace kvor::OutputTexts {

inline const QString BitmapCopyError =
    "Error copying the Bitmap graph to the Windows clipboard.  Try again and seek help from the "
    "program author if the problem persists.";
inline const QString MetafileCopyError =
    "Error copying the Metafile graph to the Windows clipboard.  Try again and seek help from "
    "the program author if the problem persists.";
inline const QString InvalidFileName = "The specified file name is invalid.";
inline const QString NoBmpExtension =
    "The specified file name does not have a .BMP extension and will not be recognised as a "
    "Bitmap file by other applications.";
inline const QString NoEmfExtension =
    "The specified file name does not have a .EMF extension and will not be recognised as an "
    "Enhanced Metafile by other applications.";
inline const QString BitmapWriteError =
    "Unable to write the Bitmap graph to the disk file.  If you are overwriting an existing file "
    "check that it is not open in another application.";
inline const QString MetafileWriteError =
    "Unable to write the Metafile graph to the disk file.  If you are overwriting an existing "
    "file check that it is not open in another application.";
inline const QString NoPrinter =
    "Could not find a printer.  To access printing functions you will need to close the "
    "program, install one or more printers, then restart the program.";
inline const QString PrinterAccessError = "Error while accessing the printer.";
inline const QString GraphPrintError =
    "An error occurred while printing the graph.  Contact the program author if the problem "
    "persists.";
inline const QString DialogPrintError =
    "An error occurred while printing the dialog.  Contact the program author if the problem "
    "persists.";

inline const QString Bitmap = "Bitm&ap (.bmp)";
inline const QString Metafile = "&Metafile (.emf)";
inline const QString Copy = "C&opy";
inline const QString DiskFile = "&Disk File";
inline const QString PrinterSetup = "Pri&nter Setup";
inline const QString Print = "Prin&t";

} // namespace kvor::OutputTexts
