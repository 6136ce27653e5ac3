#include "game/level/LevelProof.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>

#include "core/MessageCatalogue.h"
#include "game/GameNames.h"
#include "game/level/LevelCompiler.h"
#include "game/level/LevelSource.h"
#include "game/player/Progress.h"
#include "game/solver/LevelModel.h"
#include "game/solver/Solver.h"

namespace nimbus {

namespace {

constexpr const char* kProven = "proven";
constexpr const char* kRefused = "refused";

// Seconds with two decimals, or "unlimited" for -1 hundredths, in the player's language.
std::string seconds(int32_t hundredths) {
    if (hundredths < 0) return translated(kUnlimited);
    char text[32];
    std::snprintf(text, sizeof text, translated(kSecondsFormat), formatHundredths(hundredths).c_str());
    return text;
}

int32_t hundredths(float seconds, bool unlimited) {
    return unlimited ? -1 : static_cast<int32_t>(std::lround(seconds * 100.0f));
}

// A number of the line form: at least `least`, within 32 bits, nothing else.
bool readNumber(std::istringstream& in, int64_t least, int64_t most, int64_t& out) {
    std::string word;
    if (!(in >> word) || word.size() > 20) return false;
    char* end = nullptr;
    const long long value = std::strtoll(word.c_str(), &end, 10);
    if (*end != '\0' || value < least || value > most) return false;
    out = value;
    return true;
}

}  // namespace

std::string LevelProof::summary() const {
    if (!proven) return reason;
    char text[128];
    std::snprintf(text, sizeof text, translated(kProofSummaryFormat), commands,
                  seconds(static_cast<int32_t>(std::lround(frames * kFrameSeconds * 100.0f))).c_str(),
                  seconds(slackHundredths).c_str(), seconds(paceHundredths).c_str());
    return text;
}

std::string LevelProof::line() const {
    if (!proven) return std::string(kRefused) + " " + reason;
    char text[128];
    std::snprintf(text, sizeof text, "%s %d %d %d %d %" PRId64, kProven, commands, frames, slackHundredths,
                  paceHundredths, states);
    return text;
}

bool LevelProof::fromLine(const std::string& text, LevelProof& proof) {
    std::istringstream in(text);
    std::string verdict;
    in >> verdict;
    LevelProof read;
    if (verdict == kRefused) {
        in >> std::ws;
        std::getline(in, read.reason);
        if (read.reason.empty()) return false;
        proof = read;
        return true;
    }
    constexpr int64_t kMost = std::numeric_limits<int32_t>::max();
    int64_t numbers[5];
    const int64_t least[5] = {1, 1, -1, -1, 0};
    for (int i = 0; i < 5; ++i) {
        if (!readNumber(in, least[i], i == 4 ? std::numeric_limits<int64_t>::max() / 2 : kMost, numbers[i]))
            return false;
    }
    std::string more;
    if (verdict != kProven || in >> more) return false;
    read.proven = true;
    read.commands = static_cast<int32_t>(numbers[0]);
    read.frames = static_cast<int32_t>(numbers[1]);
    read.slackHundredths = static_cast<int32_t>(numbers[2]);
    read.paceHundredths = static_cast<int32_t>(numbers[3]);
    read.states = numbers[4];
    proof = read;
    return true;
}

bool LevelProof::operator==(const LevelProof& o) const {
    return proven == o.proven && reason == o.reason && commands == o.commands && frames == o.frames &&
           slackHundredths == o.slackHundredths && paceHundredths == o.paceHundredths && states == o.states;
}

LevelProof proveLevel(const std::string& text, const std::string& name, SearchSignals* signals,
                      size_t stateLimit, LevelSource* level) {
    LevelProof proof;
    LevelSource read;
    if (!LevelSourceParser::parse(text, name, read, &proof.reason)) return proof;
    proof.reason = strandingReason(name, read);
    if (level) *level = read;
    if (!proof.reason.empty()) return proof;
    const LevelModel model(read.board, kFrameSeconds);
    const Solution solution = Solver(model, stateLimit).solve(signals);
    proof.states = static_cast<int64_t>(solution.statesSearched);
    if (signals && signals->stopped()) {
        proof.reason = name + ": the proof was stopped";
        return proof;
    }
    if (!solution.winnable) {
        proof.reason = unwinnableReason(name, solution);
        return proof;
    }
    proof.proven = true;
    proof.commands = static_cast<int32_t>(solution.steps.size());
    proof.frames = solution.frames;
    proof.slackHundredths = hundredths(solution.slack, solution.slackUnlimited);
    proof.paceHundredths = hundredths(solution.pace, solution.paceUnlimited);
    return proof;
}

}  // namespace nimbus
