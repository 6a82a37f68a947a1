#pragma once

#include <optional>
#include <string>

namespace kvor {

// Which tab the pairs are checked for; it fixes the minimum number of pairs.
enum class ImportKind { Accuracy, Power };

// Where the lines came from; several messages differ between the two.
enum class ImportSource { File, Clipboard };

// The box a refusal is shown in.
enum class ImportBox { Error, Information };

// Why an import was refused, so a dialog can put the focus where the user can act.
enum class ImportRefusalReason {
    CommaSeparatorInvalid,
    OtherSeparatorEmpty,
    EmptyFileName,
    FileNotFound,
    FileUnreadable,
    FileEmpty,
    FileNotRead,
    ClipboardNotRead,
    TooFewLines,
    NoPairs,
    TooFewPairs,
    UnsuitableData,
};

struct ImportRefusal {
    ImportRefusalReason Reason = ImportRefusalReason::NoPairs;
    ImportBox Box = ImportBox::Error;
    std::string Message;
};

// The outcome of reading and checking one set of lines: on success the buffer holds the checked
// pairs and StatusText is the status panel's text; otherwise Refusal holds the message to show
// and the buffer's Count is 0.
struct ImportResult {
    std::optional<ImportRefusal> Refusal;
    std::string StatusText;
    std::string SourcePath; // expanded path of the file; empty for the clipboard

    bool Accepted() const { return !Refusal.has_value(); }
};

} // namespace kvor
