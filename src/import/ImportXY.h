#pragma once

#include "engine/ImportedData.h"
#include "import/ImportTypes.h"
#include "import/TextLines.h"

#include <string>
#include <string_view>
#include <variant>

namespace kvor {

// The X, Y separator a user chose for a text file.
enum class SeparatorChoice { Comma, Tab, Space, Other };

struct FieldSeparator {
    SeparatorChoice Choice = SeparatorChoice::Comma;
    std::string OtherText; // the character typed for Other, UTF-8
};

// Whether `text` may stand as the Other separator: exactly one character, and neither a control
// character, a blank, '+', ',', '-', '.' nor a digit. Dialogs and command lines refuse the rest.
bool IsAllowedOtherSeparator(std::string_view text);

// The separator string to cut lines at, or the refusal of the choice.
std::variant<std::string, ImportRefusal> ResolveFieldSeparator(const FieldSeparator& separator,
                                                               char decimalSeparator);

// Counts, scans and checks a list of lines into the buffer. The status text names `source`.
ImportResult CheckImportLines(const TextLines& lines, std::string_view separator,
                              char decimalSeparator, ImportKind kind, ImportSource source,
                              bool clipboardHoldsText, ImportedData& buffer);

// Reads a text file and checks its pairs for `kind`, as the text-file dialog does: the file
// checks, the separator, the read, the line count, the scan and the suitability checks.
ImportResult ImportTextFile(std::string_view fileName, const FieldSeparator& separator,
                            char decimalSeparator, ImportKind kind, ImportedData& buffer);

// Checks text fetched from the clipboard (UTF-8); the separator is a Tab.
ImportResult ImportClipboardText(std::string text, char decimalSeparator, ImportKind kind,
                                 bool clipboardHoldsText, ImportedData& buffer);

} // namespace kvor
