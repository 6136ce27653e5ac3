#pragma once

#include <cstddef>
#include <cstdint>

namespace nimbus {

class GameImpl;
struct RunRecording;

// Lives a recorded run again in a rules object that starts where the recorded one did:
// the same level, with the recording's starting stats. Each recorded frame hands in the
// events recorded before its update and then runs the update with the recorded step, so
// the rules pass through the same states in the same order whatever the pace of the
// showing: a showing at any frame rate only decides how many recorded frames fit into
// each of its own.
//
// A command the rules do not take where the recording says they did means the level or
// the rules are not the recorded ones; the playback notes it and plays on.
class RunPlayback {
public:
    // Neither is owned; both must outlive the playback.
    RunPlayback(const RunRecording& run, GameImpl& game);

    // Runs the next recorded frame; the call after the last update hands in the events
    // recorded after it. False once nothing is left.
    bool stepFrame();
    // Runs the recorded frames whose time has come after `seconds` more of showing.
    void advance(float seconds);
    // Runs every recorded frame left.
    void playToEnd();

    bool finished() const { return finished_; }
    // Whether every recorded command was taken.
    bool inStep() const { return inStep_; }
    // Updates run, and their recorded seconds added up as the recording adds them.
    size_t frame() const { return frame_; }
    double seconds() const { return seconds_; }

private:
    void handInEvents();

    const RunRecording& run_;
    GameImpl& game_;
    size_t frame_ = 0;
    size_t nextEvent_ = 0;
    double seconds_ = 0.0;
    double pending_ = 0.0;
    bool inStep_ = true;
    bool finished_ = false;
};

}  // namespace nimbus
