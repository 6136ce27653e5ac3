#include "sound/GameSound.h"

#include "core/InArchive.h"
#include "core/InBuffer.h"
#include "core/MemberCallback2.h"
#include "core/Path.h"
#include "sound/SoundSystem.h"

namespace nimbus {

GameSound::GameSound() : effectVolume_(SoundSystem::kEffectVolume) {}

GameSound::GameSound(const GameSound& other)
    : SoundInterface(), effectVolume_(other.effectVolume_), folder_(other.folder_) {}

GameSound& GameSound::operator=(const GameSound& other) {
    if (this != &other) {
        release();
        effectVolume_ = other.effectVolume_;
        folder_ = other.folder_;
    }
    return *this;
}

GameSound::~GameSound() { release(); }

bool GameSound::initialize() {
    InArchive* archive = inArchive();
    return archive && initialize(*archive, folder_);
}

bool GameSound::initialize(InArchive& archive, const Path& folder) {
    release();
    folder_ = folder;
    auto system = std::make_unique<SoundSystem>();
    if (!system->open()) return false;
    system_ = std::move(system);
    system_->setEffectVolume(effectVolume_);
    return loadAll(archive, folder_, ".sound", memberCallback(this, &GameSound::loadSound)) >= 0;
}

void GameSound::setEffectVolume(int volume) {
    effectVolume_ = volume;
    if (system_) system_->setEffectVolume(volume);
}

int GameSound::play(const char* name) {
    if (!system_ || !name) return -1;
    ResourceHandle<PlayingSound> started = system_->play(name);
    size_t slot = 0;
    while (slot < slots_.size() && slots_[slot]) ++slot;
    if (slot == slots_.size()) slots_.emplace_back();
    slots_[slot] = started;
    return started ? static_cast<int>(slot) : -1;
}

void GameSound::stop(int handle) {
    if (!system_ || handle < 0 || static_cast<size_t>(handle) >= slots_.size()) return;
    ResourceHandle<PlayingSound>& slot = slots_[handle];
    if (slot) system_->halt(*slot);
    slot.release();
}

void GameSound::update() {
    if (!system_) return;
    for (auto& slot : slots_) {
        if (slot && !system_->isPlaying(*slot)) slot.release();
    }
}

bool GameSound::loadSound(const Path& file, InBuffer& contents) {
    return system_->loadSample(contents, file.stem());
}

void GameSound::release() {
    // The slots go first so that no record outlives the system it names.
    slots_.clear();
    if (system_) system_->shutdown();
    system_.reset();
}

}  // namespace nimbus
