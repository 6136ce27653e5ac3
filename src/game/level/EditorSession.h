#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "game/level/LevelEditor.h"
#include "game/level/LevelProof.h"

namespace nimbus {

// A level open in the level editor and what is known about it, kept while the player
// tests it and comes back: the level and its edits, the file it was opened from or last
// saved to (empty for a level never saved), its last proof and the revisions the proof
// and the last save were made at.
struct EditorSession {
    static constexpr uint32_t kNever = std::numeric_limits<uint32_t>::max();

    LevelEditor editor;
    std::string file;
    LevelProof proof;
    uint32_t provenRevision = kNever;
    uint32_t savedRevision = 0;

    // Opens the file of that folder, read as a draft, as saved; false, with the reason,
    // when it does not read.
    bool open(const std::string& folder, const std::string& name, std::string* reason);
    // Takes a proof of the level as it stands, made elsewhere.
    void keepProof(const LevelProof& known) {
        proof = known;
        provenRevision = editor.revision();
    }
    // Whether the level as it stands has been proven.
    bool proven() const { return proof.proven && provenRevision == editor.revision(); }
    bool saved() const { return savedRevision == editor.revision(); }
};

}  // namespace nimbus
