#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Log.h"
#include "core/LogHandler.h"
#include "core/StdOutLogHandler.h"

using namespace nimbus;

namespace {

struct Captured {
    std::string message, formatted;
    int level;
};

class CapturingHandler : public LogHandler {
public:
    explicit CapturingHandler(std::vector<Captured>& sink) : sink_(sink) {}
    void write(const LogRecord& r) override {
        sink_.push_back({r.message, r.formatted ? r.formatted : "", r.level});
    }

private:
    std::vector<Captured>& sink_;
};

// Installs a log of its own for one test and puts the previous one back.
class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        log_ = new Log;
        log_->addHandler(new CapturingHandler(records_));
        previous_ = Log::setInstance(log_);
    }
    void TearDown() override { delete Log::setInstance(previous_); }

    Log* log_ = nullptr;
    Log* previous_ = nullptr;
    std::vector<Captured> records_;
};

}  // namespace

TEST_F(LogTest, ErrorLineCarriesFileLineAndLevelWord) {
    const int line = __LINE__ + 1;
    LOG_ERROR("Failed to open " << "x.bin" << " (" << 42 << ")");
    ASSERT_EQ(records_.size(), 1u);
    EXPECT_EQ(records_[0].message, "Error: Failed to open x.bin (42)\n");
    EXPECT_EQ(records_[0].formatted,
              std::string(__FILE__) + "(" + std::to_string(line) + "): Error: Failed to open x.bin (42)\n");
    EXPECT_EQ(records_[0].level, 0);
}

TEST_F(LogTest, LongLinesAreCut) {
    const std::string text(5000, 'x');
    LOG_ERROR(text);
    ASSERT_EQ(records_.size(), 1u);
    EXPECT_EQ(records_[0].formatted.size(), 4095u);
}

TEST(LogInit, SecondInitKeepsTheFirstLog) {
    Log* previous = Log::setInstance(nullptr);
    EXPECT_TRUE(initLog());
    Log* first = Log::instance();
    EXPECT_FALSE(initLog());
    EXPECT_EQ(Log::instance(), first);
    delete Log::setInstance(previous);
}

TEST(StdOutLogHandler, StripsTheLevelWordAndFiltersLevels) {
    testing::internal::CaptureStdout();
    LogRecord record;
    record.message = "Error: it broke\n";
    StdOutLogHandler(true, true).write(record);
    record.message = "nospace\n";
    StdOutLogHandler(true, true).write(record);
    record.message = "Info: chatter\n";
    record.level = static_cast<int>(LogLevel::Info);
    StdOutLogHandler(false, true).write(record);
    record.level = static_cast<int>(LogLevel::Warning);
    record.message = "Warning: careful\n";
    StdOutLogHandler(false, false).write(record);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "it broke\nnospace\nWarning: careful\n");
}

TEST(SystemErrorString, DescribesErrno) {
    EXPECT_EQ(systemErrorString(ENOENT), "No such file or directory");
}
