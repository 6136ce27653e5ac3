#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "game/level/LevelProof.h"
#include "game/solver/SearchThread.h"

namespace nimbus {

// One level proven on a worker thread, for the editor's Prove: the text is copied in and
// the proof copied out, so no frame waits and the level may be edited meanwhile. A proof
// no longer wanted is stopped and left to finish on its own.
class ProofSearch {
public:
    ProofSearch() = default;
    // Stops a proof still running.
    ~ProofSearch();
    ProofSearch(const ProofSearch&) = delete;
    ProofSearch& operator=(const ProofSearch&) = delete;

    // Starts proving the text, named `name` in its reasons; a proof running is stopped
    // first.
    void start(const std::string& text, const std::string& name);
    // Whether a proof is running (its result not taken yet).
    bool running() const { return job_ != nullptr; }
    // True once, when the proof has come in; it is then in proof().
    bool finished();
    const LevelProof& proof() const { return proof_; }
    size_t statesSearched() const;
    // Stops a running proof; nothing comes in from it.
    void cancel();

private:
    struct Job;

    std::shared_ptr<Job> job_;  // shared with the worker
    SearchThread worker_;
    LevelProof proof_;
};

}  // namespace nimbus
