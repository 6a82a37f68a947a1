#include "import/ImportStatusText.h"

namespace kvor {

std::string ImportStatusText(ImportSource source, ImportPhase phase, int tick, std::size_t lines) {
    const bool odd = tick % 2 != 0;
    const bool file = source == ImportSource::File;
    if (phase == ImportPhase::Reading) {
        if (odd) {
            return {};
        }
        return file ? " Reading file . . ." : " Reading from clipboard . . .";
    }
    std::string text(" ");
    text += std::to_string(lines);
    text += file ? " lines read from file;" : " lines read;";
    if (!odd) {
        text += "  Checking data . . .";
    }
    return text;
}

} // namespace kvor
