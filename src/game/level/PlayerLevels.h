#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/level/LevelProof.h"
#include "game/level/ProofCache.h"
#include "game/solver/SearchThread.h"

namespace nimbus {

// The levels a player made, or put into their folder: the ".level" files of one folder,
// each read and proven on a worker thread, so that no frame waits and the menus can be
// used at once. A level whose proof is in the cache (same name, same bytes) is not
// searched again; new proofs are filed there as they come. A refused level keeps the
// first reason it was refused for, which is reported once, and cannot be played.
class PlayerLevels {
public:
    enum class Standing { kWaiting, kProven, kRefused };
    struct Level {
        std::string file;   // its name in the folder, "bridge.level"
        std::string title;  // from its source; its file's stem when it has none
        Standing standing = Standing::kWaiting;
        LevelProof proof;
        bool fromCache = false;
    };

    PlayerLevels();
    // Stops the proving; a search still running finishes on its own.
    ~PlayerLevels();
    PlayerLevels(const PlayerLevels&) = delete;
    PlayerLevels& operator=(const PlayerLevels&) = delete;

    // Lists the folder's levels and starts proving them, with the proofs of the cache in
    // `cacheDirectory` (none for an empty name). Whatever ran before is stopped.
    void start(const std::string& folder, const std::string& cacheDirectory);
    // Takes what the worker has proven since the last call; true when a level changed.
    // Once a frame, on the main thread.
    bool update();
    // Stops the proving; levels not proven yet stay waiting.
    void cancel();
    bool proving() const { return shared_ != nullptr; }
    // States searched in the proof running now.
    size_t statesSearched() const;

    const std::vector<Level>& levels() const { return levels_; }
    // The level of that file, or null.
    const Level* find(const std::string& file) const;
    // The proven level listed after that file's, round to the first; the file itself when
    // no other is proven.
    std::string nextProven(const std::string& file) const;
    const std::string& folder() const { return folder_; }
    std::string pathOf(const std::string& file) const { return folder_ + "/" + file; }
    const ProofCache& cache() const { return cache_; }
    // Counts the changes to the list, so that a screen sees when to show it again.
    uint32_t revision() const { return revision_; }

    // A level proven elsewhere (by the editor) and saved into the folder as `text`: listed
    // as proven with its proof, which is filed in the cache.
    void record(const std::string& file, const std::string& text, const std::string& title,
                const LevelProof& proof);

private:
    struct Shared;
    void place(Level level);

    std::string folder_;
    ProofCache cache_;
    std::vector<Level> levels_;
    // The keys of the files read and the levels recorded: the cache keeps only these.
    std::vector<uint64_t> keys_;
    std::shared_ptr<Shared> shared_;
    SearchThread worker_;
    uint32_t revision_ = 0;
};

}  // namespace nimbus
