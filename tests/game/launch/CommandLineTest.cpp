#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "game/launch/CommandLine.h"

using namespace nimbus;

// The help column is two spaces clear of the longest names.
TEST(CommandLine, UsageListsEveryOptionWithItsHelpInOneColumnAsTheReadmeShowsIt) {
    std::ifstream file(NIMBUS_SOURCE_DIR "/README.md");
    const std::string readme(std::istreambuf_iterator<char>(file), {});
    const std::string usage = CommandLine::usage();
    std::set<size_t> columns;
    for (const CommandLine::Option& option : CommandLine::options()) {
        const size_t line = usage.find(std::string("\n  ") + option.name) + 1;
        ASSERT_NE(line, 0u) << option.name;
        const size_t end = usage.find('\n', line);
        const size_t help = usage.find(option.help, line);
        ASSERT_LT(help, end) << option.name;
        EXPECT_EQ(usage.substr(help - 2, 2), "  ") << option.name;
        columns.insert(help - line);
        EXPECT_NE(readme.find(usage.substr(line, end - line + 1)), std::string::npos) << option.name;
    }
    EXPECT_EQ(columns.size(), 1u) << usage;
}
