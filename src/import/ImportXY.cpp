#include "import/ImportXY.h"

#include "import/ImportSuitability.h"
#include "import/ImportTexts.h"
#include "import/TextFileReader.h"
#include "import/XYParser.h"

#include <optional>

namespace kvor {

namespace {

// The length of the UTF-8 character that starts `text`, or 0 when it does not start with one.
std::size_t FirstCharacterLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead >= 0x80 && lead < 0xC2) {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

ImportResult Refused(ImportRefusal refusal, ImportedData& buffer) {
    buffer.Count = 0;
    ImportResult result;
    result.Refusal = std::move(refusal);
    return result;
}

} // namespace

bool IsAllowedOtherSeparator(std::string_view text) {
    if (text.empty() || FirstCharacterLength(text) != text.size()) {
        return false;
    }
    const auto c = static_cast<unsigned char>(text.front());
    const bool control = c < 0x20 || c == 0x7F;
    const bool digit = c >= '0' && c <= '9';
    return !control && !digit && c != ' ' && c != '+' && c != ',' && c != '-' && c != '.';
}

std::variant<std::string, ImportRefusal> ResolveFieldSeparator(const FieldSeparator& separator,
                                                               char decimalSeparator) {
    switch (separator.Choice) {
    case SeparatorChoice::Comma:
        if (decimalSeparator == ',') {
            return ImportRefusal{ImportRefusalReason::CommaSeparatorInvalid, ImportBox::Error,
                                 std::string(ImportTexts::CommaSeparatorInvalid)};
        }
        return std::string(",");
    case SeparatorChoice::Tab:
        return std::string("\t");
    case SeparatorChoice::Space:
        return std::string(" ");
    case SeparatorChoice::Other:
        break;
    }
    if (separator.OtherText.empty()) {
        return ImportRefusal{ImportRefusalReason::OtherSeparatorEmpty, ImportBox::Error,
                             std::string(ImportTexts::OtherSeparatorEmpty)};
    }
    return separator.OtherText;
}

ImportResult CheckImportLines(const TextLines& lines, std::string_view separator,
                              char decimalSeparator, ImportKind kind, ImportSource source,
                              bool clipboardHoldsText, ImportedData& buffer) {
    if (std::optional<ImportRefusal> refusal = CheckLineCount(lines.Count(), kind, source)) {
        return Refused(std::move(*refusal), buffer);
    }
    const ScanTotals totals = ParseXYLines(lines, separator, decimalSeparator, buffer);
    if (std::optional<ImportRefusal> refusal =
            CheckImportSuitability(buffer, kind, totals, source, clipboardHoldsText)) {
        return Refused(std::move(*refusal), buffer);
    }
    ImportResult result;
    result.StatusText = ImportTexts::PairsExtracted(source, static_cast<std::size_t>(buffer.Count));
    return result;
}

ImportResult ImportTextFile(std::string_view fileName, const FieldSeparator& separator,
                            char decimalSeparator, ImportKind kind, ImportedData& buffer) {
    std::variant<std::string, ImportRefusal> path = CheckImportFile(fileName);
    if (auto* refusal = std::get_if<ImportRefusal>(&path)) {
        return Refused(std::move(*refusal), buffer);
    }
    std::variant<std::string, ImportRefusal> cut =
        ResolveFieldSeparator(separator, decimalSeparator);
    if (auto* refusal = std::get_if<ImportRefusal>(&cut)) {
        return Refused(std::move(*refusal), buffer);
    }
    const std::string& expanded = std::get<std::string>(path);
    ImportResult result;
    {
        // The lines live only for the scan.
        std::variant<TextLines, ImportRefusal> lines = LoadTextFileLines(expanded);
        if (auto* refusal = std::get_if<ImportRefusal>(&lines)) {
            return Refused(std::move(*refusal), buffer);
        }
        result = CheckImportLines(std::get<TextLines>(lines), std::get<std::string>(cut),
                                  decimalSeparator, kind, ImportSource::File, true, buffer);
    }
    if (result.Accepted()) {
        result.SourcePath = expanded;
    }
    return result;
}

ImportResult ImportClipboardText(std::string text, char decimalSeparator, ImportKind kind,
                                 bool clipboardHoldsText, ImportedData& buffer) {
    const TextLines lines(std::move(text));
    if (lines.Count() == 0) {
        return Refused({ImportRefusalReason::ClipboardNotRead, ImportBox::Error,
                        std::string(ImportTexts::ClipboardNotRead)},
                       buffer);
    }
    return CheckImportLines(lines, "\t", decimalSeparator, kind, ImportSource::Clipboard,
                            clipboardHoldsText, buffer);
}

} // namespace kvor
