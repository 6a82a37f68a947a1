#include "import/CommitImport.h"
#include "import/ImportPools.h"
#include "import/ImportXY.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

void Fill(kvor::ImportedData& buffer, int count, double offset) {
    buffer.Count = count;
    for (int i = 0; i < count; ++i) {
        buffer.X[i] = offset + i;
        buffer.Y[i] = offset + 2 * i;
    }
    buffer.MinX = offset;
    buffer.MaxX = offset + count - 1;
    buffer.MinY = offset;
    buffer.MaxY = offset + 2 * (count - 1);
}

} // namespace

TEST(CommitImport, CopiesThePoolAndWritesTheLabels) {
    kvor::ImportedData buffer;
    kvor::ImportedData tab;
    Fill(tab, 5000, 1000); // an earlier, larger pool
    Fill(buffer, 3000, 10);

    const kvor::ImportCommit commit =
        kvor::CommitImport(kvor::ImportKind::Accuracy, "/data/pairs.txt", buffer, tab);
    EXPECT_TRUE(commit.ClearResults);
    EXPECT_EQ(commit.DataLabel, "3000 X, Y pairs available.  Read from file;");
    EXPECT_EQ(commit.SourceLabel, "/data/pairs.txt");
    EXPECT_EQ(tab.SourceFile, "/data/pairs.txt");
    ASSERT_EQ(tab.Count, 3000);
    EXPECT_EQ(std::vector<double>(tab.X.begin(), tab.X.begin() + 3000),
              std::vector<double>(buffer.X.begin(), buffer.X.begin() + 3000));
    EXPECT_EQ(std::vector<double>(tab.Y.begin(), tab.Y.begin() + 3000),
              std::vector<double>(buffer.Y.begin(), buffer.Y.begin() + 3000));
    EXPECT_EQ(tab.MinX, 10);
    EXPECT_EQ(tab.MaxX, 3009);
    EXPECT_EQ(tab.MinY, 10);
    EXPECT_EQ(tab.MaxY, 6008);
}

TEST(CommitImport, ClearsResultsOnlyForANewFileOrCountOrAPaste) {
    struct Row {
        const char* name;
        std::string tabFile;
        int tabCount;
        std::string newPath;
        bool clear;
    };
    const std::vector<Row> rows = {
        {"same file and count", "/d/a.txt", 3000, "/d/a.txt", false},
        {"other file", "/d/a.txt", 3000, "/d/b.txt", true},
        {"other count", "/d/a.txt", 3001, "/d/a.txt", true},
        {"first import", "", 0, "/d/a.txt", true},
        {"paste", "", 3000, "", true},
        {"paste after a file", "/d/a.txt", 3000, "", true},
    };
    kvor::ImportedData buffer;
    Fill(buffer, 3000, 10);
    for (const Row& row : rows) {
        kvor::ImportedData tab;
        tab.SourceFile = row.tabFile;
        tab.Count = row.tabCount;
        const auto commit = kvor::CommitImport(kvor::ImportKind::Power, row.newPath, buffer, tab);
        EXPECT_EQ(commit.ClearResults, row.clear) << row.name;
        EXPECT_EQ(tab.SourceFile, row.newPath) << row.name;
    }
}

TEST(CommitImport, LabelsPastedPairsPerTab) {
    kvor::ImportedData buffer;
    Fill(buffer, 150000, 1);
    kvor::ImportedData tab;
    auto commit = kvor::CommitImport(kvor::ImportKind::Accuracy, "", buffer, tab);
    EXPECT_EQ(commit.DataLabel, "150000 X, Y pairs available.  Pasted from clipboard.");
    EXPECT_EQ(commit.SourceLabel, "");
    commit = kvor::CommitImport(kvor::ImportKind::Power, "", buffer, tab);
    EXPECT_EQ(commit.DataLabel, "150000 X, Y pairs available.  Pasted from clipbaord.");
    EXPECT_EQ(tab.SourceFile, "");
    EXPECT_EQ(tab.Count, 150000);
}

TEST(CommitImport, ARefusedImportLeavesTheTabsPoolAsItWas) {
    kvor::ImportPools pools;
    Fill(pools.ImportBuffer, 3000, 10);
    kvor::CommitImport(kvor::ImportKind::Power, "/d/a.txt", pools.ImportBuffer,
                       pools.ForKind(kvor::ImportKind::Power));
    const std::string text(3000, '\n'); // no pairs at all
    const auto result =
        kvor::ImportClipboardText(text, '.', kvor::ImportKind::Power, true, pools.ImportBuffer);
    ASSERT_FALSE(result.Accepted());
    EXPECT_EQ(pools.ImportBuffer.Count, 0);
    EXPECT_EQ(pools.PowerData.Count, 3000);
    EXPECT_EQ(pools.PowerData.X[2999], 3009);
    EXPECT_EQ(pools.AccuracyData.Count, 0);
}
