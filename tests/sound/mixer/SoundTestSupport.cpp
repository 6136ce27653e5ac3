#include "SoundTestSupport.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <stdlib.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "core/Log.h"
#include "core/LogRecord.h"

namespace nimbus {

namespace {

void put32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}
void put16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value & 0xff));
    out.push_back(static_cast<char>(value >> 8));
}

class LineCollector : public LogHandler {
public:
    explicit LineCollector(std::vector<std::string>& lines) : lines_(lines) {}
    void write(const LogRecord& record) override { lines_.push_back(record.message); }

private:
    std::vector<std::string>& lines_;
};

}  // namespace

std::string toneWav(double seconds) {
    const int rate = 22050;
    const uint32_t frames = static_cast<uint32_t>(seconds * rate);
    std::string out = "RIFF";
    put32(out, 36 + frames * 2);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, frames * 2);
    for (uint32_t i = 0; i < frames; ++i) {
        put16(out, static_cast<uint16_t>(static_cast<int16_t>(3000.0 * std::sin(i * 0.1))));
    }
    return out;
}

TempDirectory::TempDirectory() {
    char pattern[] = "/tmp/nimbus-sound-XXXXXX";
    path_ = mkdtemp(pattern) ? pattern : "";
}

TempDirectory::~TempDirectory() {
    if (!path_.empty()) std::filesystem::remove_all(path_);
}

void TempDirectory::write(const std::string& relativePath, const std::string& contents) const {
    const std::filesystem::path file = std::filesystem::path(path_) / relativePath;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << contents;
}

CapturedLog::CapturedLog() {
    Log* log = new Log;
    log->addHandler(new LineCollector(lines_));
    previous_ = Log::setInstance(log);
}

CapturedLog::~CapturedLog() { delete Log::setInstance(previous_); }

bool waitUntilSilent(int channel) {
    for (int waited = 0; waited < 5000; waited += 5) {
        if (!Mix_Playing(channel)) return true;
        SDL_Delay(5);
    }
    return false;
}

}  // namespace nimbus
