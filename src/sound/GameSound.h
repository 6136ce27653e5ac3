#pragma once

#include <memory>
#include <vector>

#include "core/Path.h"
#include "core/ResourceHandle.h"
#include "sound/PlayingSound.h"
#include "sound/SoundInterface.h"

namespace nimbus {

class InArchive;
class InBuffer;
class SoundSystem;

// The game's sound: a SoundSystem of its own (absent until initialised, or when the
// device did not open) and play slots, whose indices are the handles `play` returns.
// A slot is emptied when its effect ends (at `update`) or is stopped, and reused by the
// next `play`; a handle kept past that names whatever the slot holds then.
//
// The application owns one; each game copies it and initialises the copy, which opens
// the device again (openings nest) and decodes every effect again. A copy starts with no
// system and no slots, so it never shares or frees what the original owns; it keeps the
// original's effect volume and folder of effects.
class GameSound : public SoundInterface {
public:
    GameSound();
    GameSound(const GameSound& other);
    GameSound& operator=(const GameSound& other);
    ~GameSound() override;

    // Opens the device and loads every ".sound" file of the archive's `folder`, each an
    // effect named by its stem. False when the device does not open (the system is then
    // absent) or an effect file is refused (the system stays).
    bool initialize(InArchive& archive, const Path& folder);
    // The same through the process-wide input archive, from the folder of the sound this
    // one copies.
    bool initialize();
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
    Path folder_;
};

}  // namespace nimbus
