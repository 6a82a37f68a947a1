#include "studies/AtomicFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct TempFolder {
    TempFolder() {
        Path = fs::temp_directory_path() /
               ("kvor-atomic-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Path);
        fs::create_directories(Path);
    }
    ~TempFolder() { fs::remove_all(Path); }
    fs::path Path;
};

std::string ReadBack(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(WriteFileAtomically, ReplacesAnEarlierFileAndLeavesNoTemporary) {
    TempFolder folder;
    const fs::path target = folder.Path / "out.txt";
    ASSERT_TRUE(kvor::WriteFileAtomically(target, "first, longer contents\r\n").Ok);
    ASSERT_TRUE(kvor::WriteFileAtomically(target, std::string("a\tb\r\n\0z", 7)).Ok);
    EXPECT_EQ(ReadBack(target), std::string("a\tb\r\n\0z", 7));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path), fs::directory_iterator()), 1);
}

TEST(WriteFileAtomically, ReportsFailureAndKeepsTheOldFile) {
    TempFolder folder;
    const fs::path missingFolder = folder.Path / "no-such-folder" / "out.txt";
    const auto missing = kvor::WriteFileAtomically(missingFolder, "x");
    EXPECT_FALSE(missing.Ok);
    EXPECT_FALSE(missing.Error.empty());

    const fs::path folderTarget = folder.Path / "sub";
    fs::create_directories(folderTarget);
    EXPECT_FALSE(kvor::WriteFileAtomically(folderTarget, "x").Ok);
    EXPECT_TRUE(fs::is_directory(folderTarget));

    const fs::path target = folder.Path / "kept.txt";
    ASSERT_TRUE(kvor::WriteFileAtomically(target, "old").Ok);
    fs::permissions(folder.Path, fs::perms::owner_read | fs::perms::owner_exec);
    const auto readOnly = kvor::WriteFileAtomically(target, "new");
    fs::permissions(folder.Path, fs::perms::owner_all);
    if (::geteuid() != 0) { // root writes through permission bits
        EXPECT_FALSE(readOnly.Ok);
    }
    EXPECT_EQ(ReadBack(target), readOnly.Ok ? "new" : "old");
}
