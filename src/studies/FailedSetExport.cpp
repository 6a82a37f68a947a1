#include "studies/FailedSetExport.h"

#include "studies/FailedSet.h"
#include "studies/NumberFormats.h"

#include <algorithm>

namespace kvor {

namespace {

constexpr int ExportPrecision = 15;
constexpr int ExportExponentDigits = 0;

} // namespace

std::string FailedSetFileText(const FailedSet& failed, char decimalSeparator) {
    std::string text;
    const std::size_t pairs = std::min(failed.X.size(), failed.Y.size());
    text.reserve(pairs * 36);
    for (std::size_t i = 0; i < pairs; ++i) {
        text += FormatGeneral(failed.X[i], ExportPrecision, ExportExponentDigits, decimalSeparator);
        text += '\t';
        text += FormatGeneral(failed.Y[i], ExportPrecision, ExportExponentDigits, decimalSeparator);
        text += "\r\n";
    }
    return text;
}

std::string FailedSetExportErrorText(const std::string& folder) {
    return std::string(FailedSetExportError) + "\r\rFolder tried: " + folder;
}

FileWriteResult ExportFailedSet(const std::filesystem::path& file, const FailedSet& failed,
                                char decimalSeparator) {
    return WriteFileAtomically(file, FailedSetFileText(failed, decimalSeparator));
}

} // namespace kvor
