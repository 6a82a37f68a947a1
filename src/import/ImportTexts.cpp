#include "import/ImportTexts.h"

namespace kvor::ImportTexts {

namespace {

std::string RequiredPieceForLines(ImportKind kind) {
    return kind == ImportKind::Accuracy
               ? "but a minimum of 3000 X, Y pairs are required for regression Accuracy "
                 "simulations."
               : "but a minimum of 100000 X, Y pairs are required for regression Power "
                 "simulations.";
}

std::string RequiredPieceForPairs(ImportKind kind) {
    return kind == ImportKind::Accuracy
               ? "but a minimum of 3000 pairs are required for regression Accuracy simulations."
               : "but a minimum of 100000 pairs are required for regression Power simulations.";
}

// "one ... was" for a single item, else the number and the plural piece.
void AppendCount(std::string& text, std::size_t count, const char* one, const char* many) {
    if (count == 1) {
        text += one;
    } else {
        text += std::to_string(count);
        text += many;
    }
}

} // namespace

std::string InsufficientLines(ImportSource source, ImportKind kind, std::size_t lines) {
    std::string text = "Insufficient data.  Only ";
    if (source == ImportSource::File) {
        AppendCount(text, lines, "one line was", " lines were");
        text += " read from the file ";
    } else {
        AppendCount(text, lines, "one data line was", " data lines were");
        text += " read from the clipboard ";
    }
    text += RequiredPieceForLines(kind);
    return text;
}

std::string InsufficientPairs(ImportSource source, ImportKind kind, std::size_t pairs) {
    std::string text = "Insufficient data.  Only ";
    AppendCount(text, pairs, "one X, Y pair was", "  X, Y pairs were");
    text += source == ImportSource::File ? " extracted from the file "
                                         : " extracted from the clipboard ";
    text += RequiredPieceForPairs(kind);
    return text;
}

std::string PairsExtracted(ImportSource source, std::size_t pairs) {
    std::string text = " ";
    text += std::to_string(pairs);
    text += source == ImportSource::File ? " X, Y pairs extracted from file."
                                         : " X, Y pairs extracted from the clipboard.";
    return text;
}

std::string PairsAvailable(ImportKind kind, bool fromFile, std::size_t pairs) {
    const char* tail = fromFile ? " X, Y pairs available.  Read from file;"
                       : kind == ImportKind::Accuracy
                           ? " X, Y pairs available.  Pasted from clipboard."
                           // The Power tab has always shown this spelling.
                           : " X, Y pairs available.  Pasted from clipbaord.";
    std::string text = std::to_string(pairs);
    text += tail;
    return text;
}

} // namespace kvor::ImportTexts
