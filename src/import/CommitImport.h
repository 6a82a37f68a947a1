#pragma once

#include "engine/ImportedData.h"
#include "import/ImportTypes.h"

#include <string>
#include <string_view>

namespace kvor {

// What the main window does after a commit: clear the tab's results or not, and the texts of
// the tab's two data labels.
struct ImportCommit {
    bool ClearResults = false;
    std::string DataLabel;
    std::string SourceLabel;
};

// Copies the checked buffer into the tab's pool. `sourcePath` is the expanded path of the file,
// or empty for pasted pairs.
ImportCommit CommitImport(ImportKind kind, std::string_view sourcePath, const ImportedData& buffer,
                          ImportedData& tab);

} // namespace kvor
