#pragma once

#include "engine/ImportedData.h"
#include "import/ImportTypes.h"

namespace kvor {

// The three pools of imported pairs: the working buffer both import dialogs fill, and the pool
// of each tab. Each reserves its full capacity once, when the holder is made, and lives as long.
struct ImportPools {
    ImportedData ImportBuffer;
    ImportedData AccuracyData;
    ImportedData PowerData;

    ImportedData& ForKind(ImportKind kind) {
        return kind == ImportKind::Accuracy ? AccuracyData : PowerData;
    }
    const ImportedData& ForKind(ImportKind kind) const {
        return kind == ImportKind::Accuracy ? AccuracyData : PowerData;
    }
};

} // namespace kvor
