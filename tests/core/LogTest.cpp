#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Log.h"
#include "core/LogHandler.h"
#include "core/StdOutLogHandler.h"

using namespace nimbus;

namespace {

struct Kept {
    std::string message, formatted;
    int level;
};

// Keeps the fields of every record, for the tests of the log itself.
class Keeper : public LogHandler {
public:
    explicit Keeper(std::vector<Kept>& records) : records_(records) {}
    void write(const LogRecord& r) override {
        records_.push_back({r.message, r.formatted ? r.formatted : "", r.level});
    }

private:
    std::vector<Kept>& records_;
};

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        log_->addHandler(new Keeper(records_));
        previous_ = Log::setInstance(log_);
    }
    void TearDown() override { delete Log::setInstance(previous_); }

    std::vector<Kept> records_;
    Log* log_ = new Log;
    Log* previous_ = nullptr;
};

TEST_F(LogTest, AnErrorLineCarriesFileLineAndLevelWordAndLongLinesAreCut) {
    const int line = __LINE__ + 1;
    LOG_ERROR("Failed to open "
              << "x.bin"
              << " (" << 42 << ")");
    LOG_ERROR(std::string(5000, 'x'));
    ASSERT_EQ(records_.size(), 2u);
    EXPECT_EQ(records_[0].message, "Error: Failed to open x.bin (42)\n");
    EXPECT_EQ(records_[0].formatted,
              std::string(__FILE__) + "(" + std::to_string(line) + "): Error: Failed to open x.bin (42)\n");
    EXPECT_EQ(records_[0].level, 0);
    EXPECT_EQ(records_[1].formatted.size(), 4095u);
}

TEST(LogInit, SecondInitKeepsTheFirstLog) {
    Log* previous = Log::setInstance(nullptr);
    EXPECT_TRUE(initLog());
    Log* first = Log::instance();
    EXPECT_FALSE(initLog());
    EXPECT_EQ(Log::instance(), first);
    delete Log::setInstance(previous);
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
