#include "import/ImportStatusText.h"

#include <gtest/gtest.h>

namespace {

using kvor::ImportPhase;
using kvor::ImportSource;

TEST(ImportStatusText, OddTicksQuietEvenTicksFull) {
    struct Row {
        ImportSource Source;
        ImportPhase Phase;
        int Tick;
        const char* Text;
    };
    const Row rows[] = {
        {ImportSource::File, ImportPhase::Reading, 0, " Reading file . . ."},
        {ImportSource::File, ImportPhase::Reading, 1, ""},
        {ImportSource::File, ImportPhase::Reading, 4, " Reading file . . ."},
        {ImportSource::Clipboard, ImportPhase::Reading, 2, " Reading from clipboard . . ."},
        {ImportSource::Clipboard, ImportPhase::Reading, 3, ""},
        {ImportSource::File, ImportPhase::Checking, 0,
         " 3500 lines read from file;  Checking data . . ."},
        {ImportSource::File, ImportPhase::Checking, 1, " 3500 lines read from file;"},
        {ImportSource::Clipboard, ImportPhase::Checking, 2,
         " 3500 lines read;  Checking data . . ."},
        {ImportSource::Clipboard, ImportPhase::Checking, 5, " 3500 lines read;"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(kvor::ImportStatusText(row.Source, row.Phase, row.Tick, 3500), row.Text)
            << row.Tick;
    }
}

} // namespace
