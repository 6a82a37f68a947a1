#include "cli/CliRun.h"
#include "cli/CliUsage.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string ManPage(const std::string& name) {
    std::ifstream in(std::string(KVOR_MAN_DIR) + "/" + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// How roff spells a word: every hyphen escaped.
std::string Roff(const std::string& word) {
    std::string escaped;
    for (const char c : word) {
        escaped += c == '-' ? std::string("\\-") : std::string(1, c);
    }
    return escaped;
}

// The part of a man page from its .SH heading to the next one.
std::string Section(const std::string& page, const std::string& heading) {
    const auto start = page.find(".SH " + heading + "\n");
    if (start == std::string::npos) {
        return {};
    }
    const auto end = page.find("\n.SH ", start + 1);
    return page.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// An entry of its own for the word (a .B, .BI or .BR line that starts with it), not a mention.
bool HasEntry(const std::string& page, const std::string& roffWord) {
    for (const char* macro : {"\n.B ", "\n.BI ", "\n.BR "}) {
        for (const char* after : {" ", "\n"}) {
            if (page.find(macro + roffWord + after) != std::string::npos) {
                return true;
            }
        }
    }
    return false;
}

TEST(KvorCliManPage, DescribesEveryOptionOfTheUsageText) {
    const std::string page = ManPage("kvor-cli.1.in");
    ASSERT_FALSE(page.empty());
    const std::string usage = kvor::cli::Usage;
    const std::regex option("--[a-z][a-z-]*");
    std::set<std::string> options;
    for (auto it = std::sregex_iterator(usage.begin(), usage.end(), option);
         it != std::sregex_iterator(); ++it) {
        options.insert(it->str());
    }
    ASSERT_GT(options.size(), 20U);
    for (const std::string& name : options) {
        EXPECT_TRUE(HasEntry(page, Roff(name))) << name;
    }
    for (const char* command : {"accuracy", "power", "check"}) {
        EXPECT_NE(Section(page, "COMMANDS").find(".B " + std::string(command) + "\n"),
                  std::string::npos)
            << command;
    }
}

TEST(KvorCliManPage, ListsEveryExitStatus) {
    const std::string exits = Section(ManPage("kvor-cli.1.in"), "EXIT STATUS");
    ASSERT_FALSE(exits.empty());
    for (const int status : {kvor::cli::ExitOk, kvor::cli::ExitUsage, kvor::cli::ExitSetFailed,
                             kvor::cli::ExitDesignRefused, kvor::cli::ExitImportRefused}) {
        EXPECT_NE(exits.find(".B " + std::to_string(status) + "\n"), std::string::npos) << status;
    }
}

} // namespace
