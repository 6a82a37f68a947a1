#include "import/TextLines.h"
#include "import/TextDecoding.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace {

std::vector<std::string> Split(std::string text) {
    const kvor::TextLines lines(std::move(text));
    std::vector<std::string> out(lines.begin(), lines.end());
    EXPECT_EQ(out.size(), lines.Count());
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

static_assert(!std::is_copy_constructible_v<kvor::TextLines> &&
                  !std::is_copy_assignable_v<kvor::TextLines>,
              "a line list must never be copied");

TEST(TextLines, SplitsAtCrLfAndCrLf) {
    struct Row {
        std::string text;
        Lines lines;
    };
    const std::vector<Row> rows = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\rc", {"a", "b", "c"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"\n\n", {"", ""}},
        {"1,2\r\n3,4\n5,6\r7,8", {"1,2", "3,4", "5,6", "7,8"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Split(row.text), row.lines) << testing::PrintToString(row.text);
    }
}

TEST(DecodeTextBytes, ReadsEachEncodingAsUtf8) {
    struct Row {
        std::string bytes;
        std::optional<std::string> text;
    };
    const std::vector<Row> rows = {
        {"1,2", "1,2"},
        {"\xEF\xBB\xBF"
         "1,2",
         "1,2"},
        {"\xEF\xBB\xBF", ""},
        {"x\xC2\xA7y", "x\xC2\xA7y"},                 // valid UTF-8 stays
        {"x\xA7y\xE9", "x\xC2\xA7y\xC3\xA9"},         // not UTF-8: Latin-1
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},             // overlong form is not UTF-8
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"}, // nor is an encoded surrogate
        {"\xEF\xBB\xBF"
         "a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"}, // marked UTF-8 keeps its text
        {std::string("\xFF\xFE"
                     "1\0,\0"
                     "2\0",
                     8),
         "1,2"},
        {std::string("\xFE\xFF\0"
                     "1\0,\0"
                     "2",
                     8),
         "1,2"},
        {std::string("\xFF\xFE\xA7\0\xAC\x20", 6), "\xC2\xA7\xE2\x82\xAC"},
        {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"}, // surrogate pair
        {std::string("\xFF\xFE\x3D\xD8"
                     "a\0",
                     6),
         "\xEF\xBF\xBD"
         "a"}, // lone surrogate
        {std::string("\xFF\xFE"
                     "1\0"
                     "2",
                     5),
         std::nullopt}, // odd length
        {std::string("1,2\0"
                     "3,4",
                     7),
         std::nullopt}, // NUL inside
        {std::string("1,2\0", 4), std::nullopt},
        {std::string("\xFF\xFE"
                     "1\0\0\0",
                     6),
         std::nullopt}, // UTF-16 NUL
        {std::string("\xFF\xFE\0\0"
                     "1\0\0\0",
                     8),
         std::nullopt}, // UTF-32 LE
    };
    for (const Row& row : rows) {
        EXPECT_EQ(kvor::DecodeTextBytes(row.bytes), row.text) << testing::PrintToString(row.bytes);
    }
}
