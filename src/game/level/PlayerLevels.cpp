#include "game/level/PlayerLevels.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <set>

#include "core/Log.h"
#include "game/level/LevelSource.h"
#include "game/level/PlayerLevelFiles.h"
#include "game/solver/Solver.h"

namespace nimbus {

namespace {

// What the worker found for one file.
struct Finding {
    std::string file;
    uint64_t key = 0;  // 0 when the file could not be read
    std::string title;
    LevelProof proof;
    bool cached = false;
};

std::string stemOf(const std::string& file) {
    return file.substr(0, file.size() - std::strlen(kLevelExtension));
}

}  // namespace

struct PlayerLevels::Shared {
    SearchSignals signals;
    std::mutex mutex;
    std::vector<Finding> findings;  // guarded by the mutex

    // Reads and proves one file, or takes its proof from the cache; nothing once stopped.
    void look(const std::string& folder, const std::string& file, const ProofCache& cache) {
        Finding finding;
        finding.file = file;
        std::string text;
        const std::string path = folder + "/" + file;
        if (!LevelSourceParser::load(path, text, &finding.proof.reason)) {
            // Named as the parser names it, by the file alone.
            finding.proof.reason.replace(0, path.size(), file);
        } else {
            finding.key = ProofCache::keyOf(file, text);
            LevelSource draft;
            std::string ignored;
            if (LevelSourceParser::parse(text, file, draft, &ignored, LevelSourceParser::Rules::kDraft))
                finding.title = draft.title;
            if (const LevelProof* known = cache.find(finding.key)) {
                finding.proof = *known;
                finding.cached = true;
            } else {
                signals.states.store(0, std::memory_order_relaxed);
                finding.proof = proveLevel(text, file, &signals);
            }
        }
        if (signals.stopped()) return;
        const std::lock_guard<std::mutex> lock(mutex);
        findings.push_back(std::move(finding));
    }
};

PlayerLevels::PlayerLevels() = default;

PlayerLevels::~PlayerLevels() { cancel(); }

void PlayerLevels::start(const std::string& folder, const std::string& cacheDirectory) {
    cancel();
    folder_ = folder;
    cache_ = ProofCache(cacheDirectory);
    cache_.load();
    levels_.clear();
    keys_.clear();
    for (const std::string& file : levelFilesIn(folder)) {
        Level level;
        level.file = file;
        level.title = stemOf(file);
        levels_.push_back(level);
    }
    ++revision_;
    shared_ = std::make_shared<Shared>();
    std::vector<std::string> files;
    for (const Level& level : levels_) files.push_back(level.file);
    worker_.start([shared = shared_, folder, files, cache = cache_] {
        for (const std::string& file : files) {
            if (shared->signals.stopped()) return;
            shared->look(folder, file, cache);
        }
    });
}

bool PlayerLevels::update() {
    if (!shared_) return false;
    const bool finished = worker_.finished();
    std::vector<Finding> findings;
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        findings.swap(shared_->findings);
    }
    bool fresh = false;
    for (Finding& finding : findings) {
        auto level = std::find_if(levels_.begin(), levels_.end(),
                                  [&](const Level& l) { return l.file == finding.file; });
        // A level the editor recorded meanwhile stands as it recorded it.
        if (level == levels_.end() || level->standing != Standing::kWaiting) continue;
        if (!finding.title.empty()) level->title = finding.title;
        level->standing = finding.proof.proven ? Standing::kProven : Standing::kRefused;
        level->proof = finding.proof;
        level->fromCache = finding.cached;
        if (!finding.proof.proven) LOG_ERROR(finding.proof.reason);
        if (finding.key != 0 && !finding.cached) {
            cache_.put(finding.key, finding.proof);
            fresh = true;
        }
        keys_.push_back(finding.key);
    }
    if (finished) {
        // Every level has been looked at: the proofs of files gone or changed are dropped.
        const size_t before = cache_.size();
        cache_.keepOnly(std::set<uint64_t>(keys_.begin(), keys_.end()));
        fresh = fresh || cache_.size() != before;
        shared_.reset();
    }
    if (fresh) cache_.save();
    if (!findings.empty()) ++revision_;
    return !findings.empty();
}

void PlayerLevels::cancel() {
    if (shared_) shared_->signals.stop.store(true, std::memory_order_relaxed);
    worker_.abandon();
    shared_.reset();
}

size_t PlayerLevels::statesSearched() const {
    return shared_ ? shared_->signals.states.load(std::memory_order_relaxed) : 0;
}

const PlayerLevels::Level* PlayerLevels::find(const std::string& file) const {
    for (const Level& level : levels_) {
        if (level.file == file) return &level;
    }
    return nullptr;
}

std::string PlayerLevels::nextProven(const std::string& file) const {
    const auto at =
        std::find_if(levels_.begin(), levels_.end(), [&](const Level& l) { return l.file == file; });
    const size_t from = at == levels_.end() ? 0 : static_cast<size_t>(at - levels_.begin()) + 1;
    for (size_t i = 0; i < levels_.size(); ++i) {
        const Level& level = levels_[(from + i) % levels_.size()];
        if (level.standing == Standing::kProven) return level.file;
    }
    return file;
}

void PlayerLevels::record(const std::string& file, const std::string& text, const std::string& title,
                          const LevelProof& proof) {
    Level level;
    level.file = file;
    level.title = title.empty() ? stemOf(file) : title;
    level.standing = proof.proven ? Standing::kProven : Standing::kRefused;
    level.proof = proof;
    place(level);
    const uint64_t key = ProofCache::keyOf(file, text);
    keys_.push_back(key);
    cache_.put(key, proof);
    cache_.save();
    ++revision_;
}

void PlayerLevels::place(Level level) {
    auto at = std::lower_bound(levels_.begin(), levels_.end(), level.file,
                               [](const Level& l, const std::string& file) { return l.file < file; });
    if (at != levels_.end() && at->file == level.file)
        *at = std::move(level);
    else
        levels_.insert(at, std::move(level));
}

}  // namespace nimbus
