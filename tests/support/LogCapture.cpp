#include "support/LogCapture.h"

#include "core/Log.h"
#include "core/LogHandler.h"

namespace nimbus {

namespace {

class Collector : public LogHandler {
public:
    explicit Collector(std::vector<std::string>& lines) : lines_(lines) {}
    void write(const LogRecord& record) override { lines_.emplace_back(record.message); }

private:
    std::vector<std::string>& lines_;
};

}  // namespace

LogCapture::LogCapture() : log_(new Log()) {
    log_->addHandler(new Collector(lines_));
    previous_ = Log::setInstance(log_);
}

LogCapture::~LogCapture() {
    Log::setInstance(previous_);
    delete log_;
}

bool LogCapture::saw(std::initializer_list<const char*> pieces) const {
    for (const std::string& line : lines_) {
        bool all = true;
        for (const char* piece : pieces) all = all && line.find(piece) != std::string::npos;
        if (all) return true;
    }
    return false;
}

std::string LogCapture::all() const {
    std::string text;
    for (const std::string& line : lines_) text += line;
    return text;
}

}  // namespace nimbus
