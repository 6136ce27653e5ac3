#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/launch/CommandLine.h"

using namespace nimbus;

// Every option of the table has its line in the usage, its help in one column two spaces
// clear of the longest names.
TEST(CommandLine, UsageListsEveryOptionWithItsHelpInOneColumn) {
    const std::string usage = CommandLine::usage();
    std::set<size_t> columns;
    for (const CommandLine::Option& option : CommandLine::options()) {
        const size_t line = usage.find(std::string("\n  ") + option.name);
        ASSERT_NE(line, std::string::npos) << option.name;
        const size_t help = usage.find(option.help, line);
        ASSERT_LT(help, usage.find('\n', line + 1)) << option.name;
        EXPECT_EQ(usage.substr(help - 2, 2), "  ") << option.name;
        columns.insert(help - line);
    }
    EXPECT_EQ(columns.size(), 1u) << usage;
}
