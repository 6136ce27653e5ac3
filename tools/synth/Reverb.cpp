#include "Reverb.h"

#include <algorithm>

namespace nimbus {

namespace {
// Mutually prime delays, in samples at 44.1 kHz, scaled to the output rate.
constexpr int kCombDelays[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllpassDelays[] = {556, 441, 341, 225};
constexpr int kRightOffset = 23;
constexpr double kAllpassFeedback = 0.5;
constexpr double kInputGain = 0.015;
}  // namespace

Reverb::Reverb(double rate, double size, double damping)
    : feedback_(0.7 + 0.28 * std::clamp(size, 0.0, 1.0)), damping_(0.4 * std::clamp(damping, 0.0, 1.0)) {
    const double scale = rate / 44100.0;
    for (int side = 0; side < 2; ++side) {
        const int offset = side * kRightOffset;
        for (int delay : kCombDelays) {
            Comb comb;
            comb.line.assign(static_cast<size_t>((delay + offset) * scale), 0.0);
            sides_[side].combs.push_back(comb);
        }
        for (int delay : kAllpassDelays) {
            Allpass allpass;
            allpass.line.assign(static_cast<size_t>((delay + offset) * scale), 0.0);
            sides_[side].allpasses.push_back(allpass);
        }
    }
}

double Reverb::processSide(Side& side, double input) {
    double sum = 0.0;
    for (Comb& comb : side.combs) {
        const double delayed = comb.line[comb.position];
        comb.store = delayed * (1.0 - damping_) + comb.store * damping_;
        comb.line[comb.position] = input + comb.store * feedback_;
        comb.position = (comb.position + 1) % comb.line.size();
        sum += delayed;
    }
    for (Allpass& allpass : side.allpasses) {
        const double delayed = allpass.line[allpass.position];
        allpass.line[allpass.position] = sum + delayed * kAllpassFeedback;
        allpass.position = (allpass.position + 1) % allpass.line.size();
        sum = delayed - sum;
    }
    return sum;
}

void Reverb::process(const std::vector<double>& send, std::vector<double>& left, std::vector<double>& right) {
    for (size_t i = 0; i < send.size(); ++i) {
        const double input = send[i] * kInputGain;
        left[i] += processSide(sides_[0], input);
        right[i] += processSide(sides_[1], input);
    }
}

}  // namespace nimbus
