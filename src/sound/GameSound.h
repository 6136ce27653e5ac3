#pragma once

#include <memory>
#include <vector>

#include "core/ResourceHandle.h"
#include "sound/PlayingSound.h"
#include "sound/SoundInterface.h"

namespace nimbus {

class InArchive;
class InBuffer;
class Path;
class SoundSystem;

// The game's sound: a SoundSystem of its own (absent until initialised, or when the
// device did not open) and play slots, whose indices are the handles `play` returns.
// A slot is emptied when its effect ends (at `update`) or is stopped, and reused by the
// next `play`; a handle kept past that names whatever the slot holds then.
//
// The application owns one; each game copies it and initialises the copy, which opens
// the device again (openings nest) and decodes every effect again. A copy starts with no
// system and no slots, so it never shares or frees what the original owns; it keeps the
// original's effect volume.
class GameSound : public SoundInterface {
public:
    // Where every ".sound" file is loaded from; each effect is named by its file stem.
    static constexpr const char* kSoundDirectory = "/Levels/Common/Sounds";

    GameSound();
    GameSound(const GameSound& other);
    GameSound& operator=(const GameSound& other);
    ~GameSound() override;

    // Opens the device and loads the effects through the process-wide input archive.
    bool initialize();
    // The same through the given archive. False when the device does not open (the
    // system is then absent) or an effect file is refused (the system stays).
    bool initialize(InArchive& archive);
    bool initialized() const { return system_ != nullptr; }
    // The volume of every effect on the mixer's scale (0 to 128), applied at once.
    void setEffectVolume(int volume);
    int effectVolume() const { return effectVolume_; }

    int play(const char* name) override;
    void stop(int handle) override;
    void update() override;

private:
    bool loadSound(const Path& file, InBuffer& contents);
    void release();

    std::unique_ptr<SoundSystem> system_;
    std::vector<ResourceHandle<PlayingSound>> slots_;
    int effectVolume_;
};

}  // namespace nimbus
