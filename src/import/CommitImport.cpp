#include "import/CommitImport.h"

#include "import/ImportTexts.h"

#include <algorithm>
#include <cstddef>

namespace kvor {

ImportCommit CommitImport(ImportKind kind, std::string_view sourcePath, const ImportedData& buffer,
                          ImportedData& tab) {
    const bool fromFile = !sourcePath.empty();
    const std::size_t count =
        std::min({static_cast<std::size_t>(std::max(buffer.Count, 0)), buffer.X.size(),
                  buffer.Y.size(), tab.X.size(), tab.Y.size()});

    ImportCommit commit;
    commit.ClearResults =
        !fromFile || tab.SourceFile != sourcePath || static_cast<std::size_t>(tab.Count) != count;

    tab.SourceFile = std::string(sourcePath);
    tab.Count = static_cast<std::int32_t>(count);
    tab.MinX = buffer.MinX;
    tab.MaxX = buffer.MaxX;
    tab.MinY = buffer.MinY;
    tab.MaxY = buffer.MaxY;
    std::copy_n(buffer.X.begin(), count, tab.X.begin());
    std::copy_n(buffer.Y.begin(), count, tab.Y.begin());

    commit.DataLabel = ImportTexts::PairsAvailable(kind, fromFile, count);
    commit.SourceLabel = std::string(sourcePath);
    return commit;
}

} // namespace kvor
