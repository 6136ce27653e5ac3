#include "game/level/ProofSearch.h"

#include "game/solver/Solver.h"

namespace nimbus {

struct ProofSearch::Job {
    std::string text;
    std::string name;
    SearchSignals signals;
    LevelProof proof;
};

ProofSearch::~ProofSearch() { cancel(); }

void ProofSearch::start(const std::string& text, const std::string& name) {
    cancel();
    job_ = std::make_shared<Job>();
    job_->text = text;
    job_->name = name;
    worker_.start([job = job_] { job->proof = proveLevel(job->text, job->name, &job->signals); });
}

bool ProofSearch::finished() {
    if (!job_ || !worker_.finished()) return false;
    proof_ = job_->proof;
    job_.reset();
    return true;
}

size_t ProofSearch::statesSearched() const {
    return job_ ? job_->signals.states.load(std::memory_order_relaxed) : 0;
}

void ProofSearch::cancel() {
    if (job_) job_->signals.stop.store(true, std::memory_order_relaxed);
    worker_.abandon();
    job_.reset();
}

}  // namespace nimbus
