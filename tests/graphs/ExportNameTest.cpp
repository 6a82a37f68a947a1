#include "graphs/ExportName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using kvor::ExportNameVerdict;

TEST(CheckExportName, NamePartAndExtensionRules) {
    struct Case {
        const char* name;
        int kind;
        ExportNameVerdict verdict;
    };
    const Case cases[] = {
        {"/home/u/.bmp", 1, ExportNameVerdict::Invalid},
        {"/home/u/.hidden.emf", 2, ExportNameVerdict::Invalid},
        {"/home/u/x.bmp", 1, ExportNameVerdict::Accept},
        {"/home/u/x.BmP", 1, ExportNameVerdict::Accept},
        {"/home/u/x", 1, ExportNameVerdict::AskExtension},
        {"/home/u/x.emf", 1, ExportNameVerdict::AskExtension},
        {"/home/u/x.emf", 2, ExportNameVerdict::Accept},
        {"/home/u/x.bmp", 2, ExportNameVerdict::AskExtension},
        {"/home/u.d/x", 2, ExportNameVerdict::AskExtension}, // a dot in the folder is no extension
        {"/home/u/x.txt", 3, ExportNameVerdict::Accept},
        {"/home/u/x.txt", 4, ExportNameVerdict::Accept},
        {"/home/u/.txt", 3, ExportNameVerdict::Invalid},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kvor::CheckExportName(c.name, c.kind), c.verdict) << c.name << " " << c.kind;
    }
}

TEST(ExportKind, DefaultNamesTitlesAndFilters) {
    EXPECT_STREQ(kvor::ExportKind(1).DefaultName, "KVORSimulation.BMP");
    EXPECT_STREQ(kvor::ExportKind(2).Title, " Export Enhanced Metafile");
    EXPECT_STREQ(kvor::ExportKind(3).Filter, "Bitmap files (*.BMP)|*.BMP");
    EXPECT_STREQ(kvor::ExportKind(4).DefaultName, "KVORVarianceFunctions.EMF");
}

TEST(ExportFolderOf, FolderWithItsTrailingSeparator) {
    EXPECT_EQ(kvor::ExportFolderOf("/home/u/pictures/x.bmp"), "/home/u/pictures/");
    EXPECT_EQ(kvor::ExportFolderOf("/x"), "/");
}

} // namespace
