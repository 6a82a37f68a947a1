#pragma once

#include "import/ImportTypes.h"

#include <cstddef>
#include <string>
#include <string_view>

// Every text the import shows, in one place.
namespace kvor::ImportTexts {

inline constexpr std::string_view CommaSeparatorInvalid =
    "The system decimal separator was changed to a comma which invalidates a comma as the Field "
    "Separator.  Make another selection.";
inline constexpr std::string_view OtherSeparatorEmpty =
    "A user defined Field Separator character was specified.  Please enter the character.";

inline constexpr std::string_view EmptyFileName = "Please specify a path and filename.";
inline constexpr std::string_view FileNotFound =
    "The specified file cannot be found.  Make sure  that the correct path and filename are given.";
inline constexpr std::string_view FileUnreadable =
    "Could not access the specified file.  It might be locked by another application or else "
    "contains data that cannot be interpreted as text.";
inline constexpr std::string_view FileEmpty = "The specified file is empty.";
inline constexpr std::string_view FileNotRead =
    "The program was unable to open and read the specified file.  This is an intermittent problem "
    "that occurs mainly with very large files.  Continue clicking the Read X, Y button; the read "
    "process will succeed eventually.";

inline constexpr std::string_view ClipboardHasNoText = "The clipboard does not contain text.";
inline constexpr std::string_view ClipboardAccessError =
    "An error occurred while accessing the clipboard contents.";
inline constexpr std::string_view ClipboardNotRead =
    "The program was unable to read the clipboard contents.  This is an intermittent problem that "
    "occurs mainly when the clipboard contains a large amount of data.  Continue clicking the "
    "Import X, Y pairs button; the import process will succeed eventually.";

inline constexpr std::string_view NoPairsFromFile =
    "No X, Y pairs were extracted from the data lines.  Click the View File button and check that "
    "the data lines have the required structure of X-value, specified X, Y separator character  "
    "then Y-value.";
inline constexpr std::string_view NoPairsFromClipboard =
    "No X, Y pairs were extracted from the data lines.  Click the View Clipboard Data button and "
    "check that the data lines have the required structure of X, Y pairs separated by a Tab "
    "character.";
inline constexpr std::string_view NoPairsClipboardGone =
    "No X, Y pairs could be extracted from the data lines and the clipboard no longer contains "
    "text.  You will need to switch to an application that contains data of interest and copy "
    "data  to the clipboard.";

inline constexpr std::string_view HalfXNegative =
    "Unsuitable data.  The data do not satisfy the requirement that at least 50% of X-values must "
    "be > 0.";
inline constexpr std::string_view HalfYNegative =
    "Unsuitable data.  The data do not satisfy the requirement that at least 50% of Y-values must "
    "be > 0.";
inline constexpr std::string_view NegativeXAndY =
    "Unsuitable data.  One or more negative X-values and Y-values were outside the allowed range "
    "(allowed minimum = -0.025*Max where Max is the maximum X-value or Y-value), ie. negative "
    "values must have magnitudes that do not exceed 2.5% of the largest positive X-value or "
    "Y-value, as appropriate.";
inline constexpr std::string_view NegativeX =
    "Unsuitable data.  One or more negative X-values were outside the allowed range (allowed "
    "minimum = -0.025*Max where Max is the maximum X-value), ie. negative X-values must have "
    "magnitudes that do not exceed 2.5% of the largest positive X-value.";
inline constexpr std::string_view NegativeY =
    "Unsuitable data.  One or more negative Y-values were outside the allowed range (allowed "
    "minimum = -0.025*Max where Max is the maximum Y-value), ie. negative Y-values must have "
    "magnitudes that do not exceed 2.5% of the largest positive Y-value.";
inline constexpr std::string_view XRatio =
    "Unsuitable data.  The X-values have a Max/Min ratio < 1.2";
inline constexpr std::string_view SlopeTooLarge =
    "Unsuitable data.  The Y on X Slope appears to be > 100 or < -100.  If these data have "
    "particular significance then scale one of the variates such that Abs(Slope) is < 100.";
inline constexpr std::string_view SlopeNearZero =
    "Unsuitable data.  The Y on X Slope appears to lie between -0.01 and 0.01, ie. there is "
    "virtually no dependence of Y on X.";
inline constexpr std::string_view InterceptTooLarge =
    "Unsuitable data.  The Y on X Intercept appears to be > 99999 or < -99999.  If these data have "
    "particular significance then scale the Y-values such that the Abs(Intercept) value is < "
    "99999.";
inline constexpr std::string_view PerfectFit =
    "Unsuitable data.  The X, Y pairs exhibit an essentially perfect fit to a straight line which "
    "implies that the Y-variate has zero error.";

// Refusal before parsing when fewer lines were read than the kind needs.
std::string InsufficientLines(ImportSource source, ImportKind kind, std::size_t lines);
// Refusal after parsing when fewer pairs were extracted than the kind needs.
std::string InsufficientPairs(ImportSource source, ImportKind kind, std::size_t pairs);
// The status panel's text after an accepted check.
std::string PairsExtracted(ImportSource source, std::size_t pairs);
// The first of a tab's two data labels after a commit; the second is the path or empty.
std::string PairsAvailable(ImportKind kind, bool fromFile, std::size_t pairs);

} // namespace kvor::ImportTexts
