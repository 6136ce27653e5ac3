#include "Voice.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "EnvelopeShape.h"
#include "Oscillator.h"
#include "Random.h"
#include "StateVariableFilter.h"

namespace nimbus {

namespace {

constexpr double kTwoPi = 6.283185307179586;
// Filter coefficients change slowly; retuning every few samples is inaudible and cheap.
constexpr int kRetuneInterval = 8;

double frequencyOf(double pitch) { return 440.0 * std::pow(2.0, (pitch - 69.0) / 12.0); }

// A plucked string: a noise burst circulating in a delay line one period long, softened
// on every pass (Karplus-Strong). The delay is read between samples so it stays in tune.
class PluckedString {
public:
    PluckedString(const Layer& layer, double frequency, int rate, Random& random)
        : delay_(std::max(rate / frequency - 0.5, 2.0)),
          line_(static_cast<size_t>(delay_) + 4, 0.0),
          gain_(std::pow(10.0, -3.0 / (std::max(layer.pluckDecay, 0.01) * frequency))) {
        // The burst is made free of any offset first: the loop keeps a constant for as
        // long as it rings, and a high note would fade into a bare offset.
        const double smoothing = 0.15 + 0.85 * std::clamp(layer.pluckBright, 0.0, 1.0);
        burst_.resize(std::max(static_cast<int>(rate / frequency), 1));
        double level = 0.0, sum = 0.0;
        for (double& sample : burst_) {
            level += smoothing * (random.between(-1.0, 1.0) - level);
            sample = level;
            sum += level;
        }
        for (double& sample : burst_) sample -= sum / static_cast<double>(burst_.size());
    }

    double next() {
        const double a = read(delay_);
        const double b = read(delay_ + 1.0);
        const double input = played_ < burst_.size() ? burst_[played_++] : 0.0;
        const double value = gain_ * 0.5 * (a + b) + input;
        line_[position_] = value;
        position_ = (position_ + 1) % line_.size();
        return value;
    }

private:
    double read(double samplesBack) const {
        const double where = static_cast<double>(position_) - samplesBack + 2.0 * line_.size();
        const size_t whole = static_cast<size_t>(where);
        const double fraction = where - static_cast<double>(whole);
        const double first = line_[whole % line_.size()];
        const double second = line_[(whole + 1) % line_.size()];
        return first + fraction * (second - first);
    }

    double delay_;
    std::vector<double> line_;
    size_t position_ = 0;
    double gain_;
    std::vector<double> burst_;
    size_t played_ = 0;
};

// One side of a note: its layers through its filter. A spread note has two sides.
class Side {
public:
    Side(const Instrument& instrument, double frequency, int rate, Random& random) : random_(random) {
        for (const Layer& layer : instrument.layers) {
            const bool randomPhase = layer.wave == Wave::Saw || layer.wave == Wave::Square;
            carriers_.emplace_back(randomPhase ? random.unit() : 0.0);
            modulators_.emplace_back(0.0);
            plucks_.emplace_back(layer.wave == Wave::Pluck ? std::make_unique<PluckedString>(
                                                                 layer, frequency * layer.ratio, rate, random)
                                                           : nullptr);
        }
    }

    double next(const Instrument& instrument, double frequency, double time, int rate) {
        double sum = 0.0;
        for (size_t i = 0; i < instrument.layers.size(); ++i) {
            const Layer& layer = instrument.layers[i];
            const double f = frequency * layer.ratio * std::pow(2.0, layer.detuneCents / 1200.0);
            sum += layer.level * layerSample(layer, i, f, time, rate);
        }
        return filter_.process(instrument.filter.mode, sum);
    }

    StateVariableFilter& filter() { return filter_; }

private:
    double layerSample(const Layer& layer, size_t index, double frequency, double time, int rate) {
        switch (layer.wave) {
            case Wave::Noise:
                return random_.between(-1.0, 1.0);
            case Wave::Pluck:
                return plucks_[index]->next();
            default:
                break;
        }
        double modulation = 0.0;
        if (layer.fmRatio > 0.0) {
            const double depth =
                layer.fmDecay > 0.0 ? layer.fmIndex * std::exp(-4.6 * time / layer.fmDecay) : layer.fmIndex;
            modulation =
                depth / kTwoPi * modulators_[index].next(Wave::Sine, frequency * layer.fmRatio, rate);
        }
        return carriers_[index].next(layer.wave, frequency, rate, modulation);
    }

    Random& random_;
    std::vector<Oscillator> carriers_;
    std::vector<Oscillator> modulators_;
    std::vector<std::unique_ptr<PluckedString>> plucks_;
    StateVariableFilter filter_;
};

// Semitones away from the written pitch at this moment: the settling start, the bend
// and the vibrato.
double pitchOffset(const Instrument& in, double time) {
    double offset = 0.0;
    if (in.pitchTime > 0.0) offset += in.pitchStart * std::exp(-4.6 * time / in.pitchTime);
    if (in.bendTime > 0.0) {
        const double x = std::min(time / in.bendTime, 1.0);
        offset += in.bendEnd * x * x * (3.0 - 2.0 * x);
    }
    if (in.vibratoRate > 0.0 && time > in.vibratoDelay) {
        const double fadeIn = std::min((time - in.vibratoDelay) / 0.4, 1.0);
        offset += fadeIn * in.vibratoCents / 100.0 * std::sin(kTwoPi * in.vibratoRate * time);
    }
    return offset;
}

double cutoffAt(const FilterSettings& filter, double frequency, double time) {
    double cutoff = filter.cutoff * std::pow(frequency / 261.63, filter.track);
    if (filter.envOctaves != 0.0) {
        double shape = 0.0;
        if (time < filter.envAttack) {
            shape = time / filter.envAttack;
        } else if (filter.envDecay > 0.0) {
            shape = std::exp(-4.6 * (time - filter.envAttack) / filter.envDecay);
        }
        cutoff *= std::pow(2.0, filter.envOctaves * shape);
    }
    return cutoff;
}

}  // namespace

void renderNote(const Instrument& instrument, const NoteEvent& note, int rate, uint32_t seed, MixBus& bus) {
    const size_t first = static_cast<size_t>(std::max(note.start, 0.0) * rate);
    if (first >= bus.left.size()) return;
    const double length = envelopeLength(instrument.envelope, note.held);
    const size_t count = std::min(static_cast<size_t>(length * rate) + 1, bus.left.size() - first);
    const double baseFrequency = frequencyOf(note.pitch);
    const bool spread = instrument.spreadCents > 0.0;
    const double spreadRatio = std::pow(2.0, instrument.spreadCents / 1200.0);

    Random random(seed);
    Side left(instrument, baseFrequency / (spread ? spreadRatio : 1.0), rate, random);
    Side right(instrument, baseFrequency * spreadRatio, rate, random);
    const double angle = (std::clamp(instrument.pan, -1.0, 1.0) + 1.0) * 0.25 * 3.141592653589793;
    const double leftGain = std::cos(angle) * std::sqrt(2.0);
    const double rightGain = std::sin(angle) * std::sqrt(2.0);
    const double loudness = instrument.gain * note.velocity;

    for (size_t i = 0; i < count; ++i) {
        const double time = static_cast<double>(i) / rate;
        const double frequency = baseFrequency * std::pow(2.0, pitchOffset(instrument, time) / 12.0);
        if (instrument.filter.mode != FilterMode::None && i % kRetuneInterval == 0) {
            const double cutoff = cutoffAt(instrument.filter, frequency, time);
            left.filter().tune(cutoff, instrument.filter.q, rate);
            right.filter().tune(cutoff, instrument.filter.q, rate);
        }
        const double level = loudness * envelopeLevel(instrument.envelope, time, note.held);
        const double l = left.next(instrument, spread ? frequency / spreadRatio : frequency, time, rate);
        const double r = spread ? right.next(instrument, frequency * spreadRatio, time, rate) : l;
        const double outLeft = level * l * leftGain;
        const double outRight = level * r * rightGain;
        bus.left[first + i] += outLeft;
        bus.right[first + i] += outRight;
        bus.send[first + i] += 0.5 * (outLeft + outRight) * instrument.reverb;
    }
}

}  // namespace nimbus
