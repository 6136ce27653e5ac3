#pragma once

#include <string>
#include <vector>

#include "sound/SoundInterface.h"

namespace nimbus {

// What a game played, kept by the test while the game owns the recorder.
struct SoundLog {
    std::vector<std::string> played;
    std::vector<int> stopped;
};

// A sound that plays nothing and writes every call into a log; handles count up from 0.
class RecordingSound : public SoundInterface {
public:
    explicit RecordingSound(SoundLog& log) : log_(log) {}
    int play(const char* name) override {
        log_.played.push_back(name);
        return static_cast<int>(log_.played.size()) - 1;
    }
    void stop(int handle) override { log_.stopped.push_back(handle); }
    void update() override {}

private:
    SoundLog& log_;
};

}  // namespace nimbus
