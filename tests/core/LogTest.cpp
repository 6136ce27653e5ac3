#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Log.h"
#include "core/LogHandler.h"
#include "core/StdOutLogHandler.h"

using namespace nimbus;

namespace {

// Keeps the formatted line and the level of every record.
class Keeper : public LogHandler {
public:
    explicit Keeper(std::vector<std::pair<std::string, int>>& records) : records_(records) {}
    void write(const LogRecord& r) override { records_.emplace_back(r.formatted, r.level); }

private:
    std::vector<std::pair<std::string, int>>& records_;
};

TEST(Log, AnErrorLineCarriesFileLineAndLevelWordAndLongLinesAreCut) {
    std::vector<std::pair<std::string, int>> records;
    Log* log = new Log;
    log->addHandler(new Keeper(records));
    Log* previous = Log::setInstance(log);
    const int line = __LINE__ + 1;
    LOG_ERROR("Failed to open " << std::string("x.bin") << " (" << 42 << ")");
    LOG_ERROR(std::string(5000, 'x'));
    delete Log::setInstance(previous);
    ASSERT_EQ(records.size(), 2u);
    const std::string where = std::string(__FILE__) + "(" + std::to_string(line) + "): ";
    EXPECT_EQ(records[0], std::make_pair(where + "Error: Failed to open x.bin (42)\n", 0));
    EXPECT_EQ(records[1].first.size(), 4095u);
    EXPECT_EQ(systemErrorString(ENOENT), "No such file or directory");
}

TEST(StdOutLogHandler, StripsTheLevelWordAndFiltersLevels) {
    testing::internal::CaptureStdout();
    LogRecord record;
    for (const char* message : {"Error: it broke\n", "nospace\n"}) {
        record.message = message;
        StdOutLogHandler(true, true).write(record);
    }
    record.message = "Info: chatter\n";
    record.level = static_cast<int>(LogLevel::Info);
    StdOutLogHandler(false, true).write(record);
    record.level = static_cast<int>(LogLevel::Warning);
    record.message = "Warning: careful\n";
    StdOutLogHandler(false, false).write(record);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "it broke\nnospace\nWarning: careful\n");
}

}  // namespace
