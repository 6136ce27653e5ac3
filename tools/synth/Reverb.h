#pragma once

#include <cstddef>
#include <vector>

namespace nimbus {

// A small room: eight damped feedback combs in parallel and four allpasses in series
// per side, the right side's delays a little longer than the left's for width.
class Reverb {
public:
    // `size` 0..1 sets how long the room rings, `damping` 0..1 how quickly it darkens.
    Reverb(double rate, double size, double damping);
    // Turns a mono send into the room's left and right answer (added to the outputs).
    void process(const std::vector<double>& send, std::vector<double>& left, std::vector<double>& right);

private:
    struct Comb {
        std::vector<double> line;
        size_t position = 0;
        double store = 0.0;
    };
    struct Allpass {
        std::vector<double> line;
        size_t position = 0;
    };
    struct Side {
        std::vector<Comb> combs;
        std::vector<Allpass> allpasses;
    };

    double processSide(Side& side, double input);

    Side sides_[2];
    double feedback_;
    double damping_;
};

}  // namespace nimbus
