#include "import/ImportTexts.h"
#include "import/ImportXY.h"
#include "import/TextFileReader.h"

#include "ImportTestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using kvor::FieldSeparator;
using kvor::ImportKind;
using kvor::ImportRefusalReason;
using kvor::SeparatorChoice;
using kvor::test::Alternate;
using kvor::test::TempDir;

const FieldSeparator Comma{SeparatorChoice::Comma, ""};

std::pair<double, double> Pair(std::size_t i) {
    const double x = 10 + 0.25 * double(i);
    return {x, 3 + 2 * x + Alternate(i)};
}

// Encodes UTF-8 text (code points below U+10000 only) as UTF-16 with a byte-order mark.
std::string Utf16(const std::string& utf8, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        unsigned code = b;
        if (b >= 0xE0) {
            code = ((b & 0x0Fu) << 12) | ((utf8[i + 1] & 0x3Fu) << 6) | (utf8[i + 2] & 0x3Fu);
            i += 3;
        } else if (b >= 0xC0) {
            code = ((b & 0x1Fu) << 6) | (utf8[i + 1] & 0x3Fu);
            i += 2;
        } else {
            ++i;
        }
        const char high = static_cast<char>(code >> 8);
        const char low = static_cast<char>(code & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

// Latin-1 bytes of UTF-8 text whose characters all lie below U+0100.
std::string Latin1(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b >= 0xC0) {
            out += static_cast<char>(((b & 0x1F) << 6) | (utf8[++i] & 0x3F));
        } else {
            out += static_cast<char>(b);
        }
    }
    return out;
}

std::string MessageOf(const kvor::ImportResult& result) {
    return result.Refusal ? result.Refusal->Message : "accepted";
}

} // namespace

TEST(ImportTextFile, RefusesMissingEmptyAndUnreadableFiles) {
    const TempDir dir;
    kvor::ImportedData buffer;
    struct Row {
        std::string name;
        ImportRefusalReason reason;
        std::string_view message;
    };
    const std::vector<Row> rows = {
        {"", ImportRefusalReason::EmptyFileName, kvor::ImportTexts::EmptyFileName},
        {dir.PathOf("absent.txt"), ImportRefusalReason::FileNotFound,
         kvor::ImportTexts::FileNotFound},
        {dir.PathOf("absent/inner.txt"), ImportRefusalReason::FileNotFound,
         kvor::ImportTexts::FileNotFound},
        {dir.PathOf(""), ImportRefusalReason::FileNotFound, kvor::ImportTexts::FileNotFound},
        {std::string("a\0b", 3), ImportRefusalReason::FileNotFound,
         kvor::ImportTexts::FileNotFound},
        {dir.Write("empty.txt", ""), ImportRefusalReason::FileEmpty, kvor::ImportTexts::FileEmpty},
        {"/dev/null", ImportRefusalReason::FileUnreadable, kvor::ImportTexts::FileUnreadable},
        {dir.Write("nul.txt", std::string("1,2\n\0\n3,4\n", 10)),
         ImportRefusalReason::FileUnreadable, kvor::ImportTexts::FileUnreadable},
        {dir.Write("odd.txt", std::string("\xFF\xFE"
                                          "1\0,",
                                          5)),
         ImportRefusalReason::FileUnreadable, kvor::ImportTexts::FileUnreadable},
        {dir.Write("bom.txt", "\xEF\xBB\xBF"), ImportRefusalReason::FileNotRead,
         kvor::ImportTexts::FileNotRead},
    };
    for (const Row& row : rows) {
        buffer.Count = 7; // left over from an earlier read
        const kvor::ImportResult result =
            kvor::ImportTextFile(row.name, Comma, '.', ImportKind::Accuracy, buffer);
        ASSERT_FALSE(result.Accepted()) << row.name;
        EXPECT_EQ(result.Refusal->Reason, row.reason) << row.name;
        EXPECT_EQ(result.Refusal->Box, kvor::ImportBox::Error) << row.name;
        EXPECT_EQ(result.Refusal->Message, row.message) << row.name;
        EXPECT_EQ(buffer.Count, 0) << row.name;
    }
}

TEST(ImportTextFile, RefusesAFileTooLargeToHold) {
    const TempDir dir;
    const std::string path = dir.Write("huge.txt", "1,2\n");
    // Sparse: takes no disk space, yet its size is beyond what an import may load.
    std::filesystem::resize_file(path, kvor::MaxImportFileBytes + 1);
    kvor::ImportedData buffer;
    const auto result = kvor::ImportTextFile(path, Comma, '.', ImportKind::Accuracy, buffer);
    EXPECT_EQ(MessageOf(result), kvor::ImportTexts::FileUnreadable);
}

TEST(ImportTextFile, RefusesAFileWithoutReadPermission) {
    const TempDir dir;
    const std::string path = dir.Write("locked.txt", kvor::test::PairLines(3000, Pair));
    std::filesystem::permissions(path, std::filesystem::perms::none);
    if (std::ifstream(path).is_open()) {
        GTEST_SKIP() << "running with rights that read any file";
    }
    kvor::ImportedData buffer;
    const auto result = kvor::ImportTextFile(path, Comma, '.', ImportKind::Accuracy, buffer);
    EXPECT_EQ(MessageOf(result), kvor::ImportTexts::FileUnreadable);
}

TEST(ImportTextFile, RefusesSeparatorChoicesAfterTheFileChecks) {
    const TempDir dir;
    const std::string path = dir.Write("data.txt", kvor::test::PairLines(3000, Pair, "\t"));
    kvor::ImportedData buffer;
    auto result = kvor::ImportTextFile(path, Comma, ',', ImportKind::Accuracy, buffer);
    ASSERT_FALSE(result.Accepted());
    EXPECT_EQ(result.Refusal->Reason, ImportRefusalReason::CommaSeparatorInvalid);
    EXPECT_EQ(result.Refusal->Message,
              "The system decimal separator was changed to a comma which invalidates a comma as "
              "the Field Separator.  Make another selection.");
    result =
        kvor::ImportTextFile(path, {SeparatorChoice::Other, ""}, '.', ImportKind::Accuracy, buffer);
    ASSERT_FALSE(result.Accepted());
    EXPECT_EQ(result.Refusal->Reason, ImportRefusalReason::OtherSeparatorEmpty);
    EXPECT_EQ(result.Refusal->Message,
              "A user defined Field Separator character was specified.  Please enter the "
              "character.");
    result =
        kvor::ImportTextFile(dir.PathOf("absent.txt"), Comma, ',', ImportKind::Accuracy, buffer);
    EXPECT_EQ(MessageOf(result), kvor::ImportTexts::FileNotFound);

    result =
        kvor::ImportTextFile(path, {SeparatorChoice::Tab, ""}, ',', ImportKind::Accuracy, buffer);
    EXPECT_TRUE(result.Accepted()) << MessageOf(result);
}

TEST(IsAllowedOtherSeparator, RefusesWhatTheSeparatorBoxRefuses) {
    for (const char* ok : {";", "|", ":", "x", "\xC2\xA7", "\xE2\x82\xAC"}) {
        EXPECT_TRUE(kvor::IsAllowedOtherSeparator(ok)) << ok;
    }
    for (const char* refused :
         {"", "\t", " ", "+", ",", "-", ".", "0", "7", ";;", "\r", "\xC2", "\xA7", "\xE2\x82"}) {
        EXPECT_FALSE(kvor::IsAllowedOtherSeparator(refused)) << refused;
    }
}

TEST(ImportTextFile, ReadsEveryEncodingAndLineEnd) {
    const TempDir dir;
    const std::string separator = "\xC2\xA7"; // a character beyond ASCII, as Other
    const FieldSeparator other{SeparatorChoice::Other, separator};
    struct Encoding {
        const char* name;
        std::string (*encode)(const std::string&);
    };
    const std::vector<Encoding> encodings = {
        {"utf8", [](const std::string& s) { return s; }},
        {"utf8-bom", [](const std::string& s) { return "\xEF\xBB\xBF" + s; }},
        {"utf16le", [](const std::string& s) { return Utf16(s, false); }},
        {"utf16be", [](const std::string& s) { return Utf16(s, true); }},
        {"latin1", [](const std::string& s) { return Latin1(s); }},
    };
    for (const Encoding& encoding : encodings) {
        for (const std::string lineEnd : {"\n", "\r\n", "\r"}) {
            const std::string text = "Gr\xC3\xB6\xC3\x9F"
                                     "e" +
                                     separator + "Wert" + lineEnd +
                                     kvor::test::PairLines(3000, Pair, separator, lineEnd);
            const std::string path = dir.Write("data.txt", encoding.encode(text));
            kvor::ImportedData buffer;
            const auto result =
                kvor::ImportTextFile(path, other, '.', ImportKind::Accuracy, buffer);
            const std::string what =
                std::string(encoding.name) + " " + testing::PrintToString(lineEnd);
            ASSERT_TRUE(result.Accepted()) << what << ": " << MessageOf(result);
            EXPECT_EQ(result.StatusText, " 3000 X, Y pairs extracted from file.") << what;
            EXPECT_EQ(result.SourcePath, path) << what;
            ASSERT_EQ(buffer.Count, 3000) << what;
            EXPECT_EQ(buffer.X[0], Pair(0).first) << what;
            EXPECT_EQ(buffer.Y[2999], Pair(2999).second) << what;
        }
    }
}

TEST(ImportTextFile, TakesTheFirstMillionOfMoreValidLines) {
    const TempDir dir;
    const std::string path = dir.Write("big.txt", kvor::test::PairLines(1'200'000, Pair));
    kvor::ImportedData buffer;
    const auto result = kvor::ImportTextFile("big.txt", Comma, '.', ImportKind::Power, buffer);
    EXPECT_EQ(MessageOf(result), kvor::ImportTexts::FileNotFound); // relative to the current folder

    const auto accepted = kvor::ImportTextFile(path, Comma, '.', ImportKind::Power, buffer);
    ASSERT_TRUE(accepted.Accepted()) << MessageOf(accepted);
    EXPECT_EQ(accepted.StatusText, " 1000000 X, Y pairs extracted from file.");
    ASSERT_EQ(buffer.Count, 1'000'000);
    EXPECT_EQ(buffer.X[999'999], Pair(999'999).first);
    EXPECT_EQ(buffer.Y[999'999], Pair(999'999).second);
    EXPECT_EQ(buffer.MaxX, Pair(999'999).first);
    EXPECT_EQ(buffer.MinX, Pair(0).first);
}

TEST(ImportTextFile, ARefusalLeavesNoPairsInTheBuffer) {
    const TempDir dir;
    kvor::ImportedData buffer;
    const std::string good = dir.Write("good.txt", kvor::test::PairLines(3000, Pair));
    ASSERT_TRUE(kvor::ImportTextFile(good, Comma, '.', ImportKind::Accuracy, buffer).Accepted());
    ASSERT_EQ(buffer.Count, 3000);
    // Plenty of pairs, but far too steep: scanned in full, then refused.
    const std::string steep =
        dir.Write("steep.txt", kvor::test::PairLines(3000, [](std::size_t i) {
                      return std::pair{10 + double(i), 500 * (10 + double(i)) + Alternate(i)};
                  }));
    const auto result = kvor::ImportTextFile(steep, Comma, '.', ImportKind::Accuracy, buffer);
    EXPECT_EQ(MessageOf(result), kvor::ImportTexts::SlopeTooLarge);
    EXPECT_EQ(buffer.Count, 0);
}
