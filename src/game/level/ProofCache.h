#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "game/level/LevelProof.h"

namespace nimbus {

// The proofs of the player's levels, kept from one run to the next so that a level whose
// file has not changed is not searched again. A proof is filed under the key of the
// level's file name and bytes (and of the rules the proof was made under): any change to
// the file, or to the game's rules, makes a new key.
//
// The cache is one text file, a proof a line: the key as 16 hexadecimal digits, a space
// and the proof's own line (LevelProof::line). A file that is missing is an empty cache;
// damaged lines (and a file over kMaxBytes) are passed over, reported with one line.
// Saving writes the whole cache through a temporary file.
class ProofCache {
public:
    static constexpr size_t kMaxBytes = 1 << 20;
    static constexpr size_t kMaxProofs = 10000;

    // The key of a level file's name and bytes.
    static uint64_t keyOf(const std::string& fileName, const std::string& text);

    explicit ProofCache(std::string directory = std::string()) : directory_(std::move(directory)) {}

    // Adds the proofs of the cache file; false when there is none or it is damaged.
    bool load();
    // False (logged) when the file cannot be written.
    bool save() const;
    // Adds the proofs of the text's good lines; how many lines were damaged.
    int read(const std::string& text);
    std::string text() const;

    const LevelProof* find(uint64_t key) const;
    // Files a proof; past kMaxProofs nothing new is.
    void put(uint64_t key, const LevelProof& proof);
    // Forgets the proofs of levels that are no longer there.
    void keepOnly(const std::set<uint64_t>& keys);
    size_t size() const { return proofs_.size(); }
    const std::string& directory() const { return directory_; }

private:
    std::string directory_;
    std::map<uint64_t, LevelProof> proofs_;
};

}  // namespace nimbus
