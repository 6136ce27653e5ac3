#include "game/level/ProofCache.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "core/ByteHash.h"
#include "core/Log.h"
#include "core/OutBuffer.h"
#include "core/posix/FileInBuffer.h"
#include "game/player/PlayerFiles.h"

namespace nimbus {

namespace {

// Changes whenever the rules of a level or the solver change what a proof finds, so
// that proofs made under other rules are not taken.
constexpr const char* kProofRules = "nimbus proofs 1";

uint64_t hashInto(uint64_t hash, const std::string& bytes) {
    return hashBytes(bytes.data(), bytes.size(), hash);
}

}  // namespace

uint64_t ProofCache::keyOf(const std::string& fileName, const std::string& text) {
    uint64_t hash = hashInto(kByteHashStart, kProofRules);
    hash = hashInto(hashInto(hash, fileName), std::string(1, '\0'));
    return hashInto(hash, text);
}

bool ProofCache::load() {
    FileInBuffer in;
    const std::string name = directory_ + "/" + kProofCacheFile;
    if (directory_.empty() || !in.open(name)) return false;
    if (static_cast<size_t>(in.bytesLeft()) > kMaxBytes) {
        LOG_ERROR(name << " is too big to be a cache of proofs; the levels are proven again");
        return false;
    }
    std::string text(static_cast<size_t>(in.bytesLeft()), '\0');
    if (in.read(text.data(), in.bytesLeft()) != static_cast<int32_t>(text.size())) return false;
    const int damaged = read(text);
    if (damaged > 0) LOG_ERROR(name << ": " << damaged << " damaged lines passed over");
    return damaged == 0;
}

bool ProofCache::save() const {
    if (directory_.empty()) return false;
    return savePlayerFile(directory_, kProofCacheFile, "cache of level proofs", [this](OutBuffer& out) {
        const std::string bytes = text();
        return out.write(bytes.data(), static_cast<int32_t>(bytes.size())) ==
               static_cast<int32_t>(bytes.size());
    });
}

int ProofCache::read(const std::string& text) {
    std::istringstream in(text);
    int damaged = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        char* end = nullptr;
        const uint64_t key = std::strtoull(line.c_str(), &end, 16);
        LevelProof proof;
        const bool good = line.size() > 17 && end == line.c_str() + 16 && line[16] == ' ' &&
                          LevelProof::fromLine(line.substr(17), proof);
        if (!good) {
            ++damaged;
            continue;
        }
        put(key, proof);
    }
    return damaged;
}

std::string ProofCache::text() const {
    std::string text;
    for (const auto& [key, proof] : proofs_) {
        char hex[20];
        std::snprintf(hex, sizeof hex, "%016" PRIx64 " ", key);
        text += hex + proof.line() + "\n";
    }
    return text;
}

const LevelProof* ProofCache::find(uint64_t key) const {
    const auto found = proofs_.find(key);
    return found == proofs_.end() ? nullptr : &found->second;
}

void ProofCache::put(uint64_t key, const LevelProof& proof) {
    if (proofs_.size() >= kMaxProofs && !proofs_.count(key)) return;
    proofs_[key] = proof;
}

void ProofCache::keepOnly(const std::set<uint64_t>& keys) {
    for (auto it = proofs_.begin(); it != proofs_.end();)
        it = keys.count(it->first) ? std::next(it) : proofs_.erase(it);
}

}  // namespace nimbus
