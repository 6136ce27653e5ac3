#include "ScoreParser.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "Random.h"
#include "core/Log.h"

namespace nimbus {

namespace {

using Words = std::vector<std::string>;

// Guards against a score that would take the build hours or all its memory.
constexpr double kLongestSong = 900.0;
constexpr int kMostBars = 512;
constexpr int kMostScattered = 10000;
constexpr double kLongestNote = 64.0;
// Shorter rises and falls than these click.
constexpr double kShortestAttack = 0.002;
constexpr double kShortestRelease = 0.005;
constexpr double kDefaultLoudness = 0.8;

struct PatternNote {
    double beat = 0.0;
    double beats = 1.0;
    std::vector<int> pitches;  // empty for a hit on the instrument's own note
    double velocity = kDefaultLoudness;
};

struct Pattern {
    std::string name;
    int instrument = 0;
    double length = 0.0;
    std::vector<PatternNote> notes;
};

struct Part {
    int pattern = 0;
    int instrument = 0;
    int transpose = 0;
    double gain = 1.0;
};

struct Section {
    std::string name;
    int bars = 0;
    std::vector<Part> parts;
};

struct SongEntry {
    std::string section;
    int line = 0;
};

enum class Block { None, Instrument, Pattern, Section };

// A comment is a word that starts with "#"; inside a word "#" is a sharp ("f#3").
Words split(const std::string& line) {
    std::istringstream in(line);
    Words words;
    std::string word;
    while (in >> word && word[0] != '#') words.push_back(word);
    return words;
}

bool toNumber(const std::string& word, double& value) {
    const size_t slash = word.find('/');
    if (slash != std::string::npos) {
        double top = 0.0, bottom = 0.0;
        if (!toNumber(word.substr(0, slash), top) || !toNumber(word.substr(slash + 1), bottom) ||
            bottom == 0.0) {
            return false;
        }
        value = top / bottom;
        return true;
    }
    if (word.empty()) return false;
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

// "c4" is middle C (60); "#" raises and a "b" after the letter lowers by a semitone.
bool toPitch(const std::string& word, int& pitch) {
    static const int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (word.size() < 2 || word[0] < 'a' || word[0] > 'g') return false;
    int semitone = kSteps[word[0] - 'a'];
    size_t at = 1;
    if (word[at] == '#' || word[at] == 'b') semitone += word[at++] == '#' ? 1 : -1;
    if (at + 1 != word.size() || word[at] < '0' || word[at] > '9') return false;
    pitch = 12 * (word[at] - '0' + 1) + semitone;
    return true;
}

class ScoreParser {
public:
    ScoreParser(const std::string& fileName, Song& song) : file_(fileName), song_(song) {}

    bool parse(const std::string& text) {
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            ++line_;
            const Words words = split(line);
            if (!words.empty() && !statement(words)) return false;
        }
        if (block_ != Block::None) {
            line_ = blockLine_;
            return fail("this block has no \"end\"");
        }
        return arrange();
    }

private:
    using Handler = bool (ScoreParser::*)(const Words&);
    struct Keyword {
        Block block;
        const char* word;
        Handler handler;
    };
    static const Keyword kKeywords[];

    // Runs the line's keyword; inside a pattern or section, other lines are notes or parts.
    bool statement(const Words& words);

    bool fail(const std::string& message) {
        LOG_ERROR(file_ << ":" << line_ << ": " << message);
        return false;
    }

    bool count(const Words& words, size_t least, size_t most) {
        if (words.size() >= least && words.size() <= most) return true;
        return fail("\"" + words[0] + "\" takes " + std::to_string(least - 1) +
                    (most > least ? " to " + std::to_string(most - 1) : "") + " values");
    }

    bool number(const Words& words, size_t index, double& value, double low, double high) {
        if (!toNumber(words[index], value)) return fail("\"" + words[index] + "\" is not a number");
        if (value < low || value > high) {
            std::ostringstream range;
            range << "\"" << words[index] << "\" is outside " << low << " .. " << high;
            return fail(range.str());
        }
        return true;
    }

    bool single(const Words& words, double& value, double low, double high) {
        return count(words, 2, 2) && number(words, 1, value, low, high);
    }

    // Counts (beats, bars, channels, semitones of a transposition) are never fractions.
    bool whole(const Words& words, size_t index, double& value, double low, double high) {
        if (!number(words, index, value, low, high)) return false;
        if (value != std::floor(value)) return fail("\"" + words[index] + "\" is not a whole number");
        return true;
    }
    bool singleWhole(const Words& words, double& value, double low, double high) {
        return count(words, 2, 2) && whole(words, 1, value, low, high);
    }

    int findInstrument(const std::string& name) const {
        for (size_t i = 0; i < song_.instruments.size(); ++i) {
            if (song_.instruments[i].name == name) return static_cast<int>(i);
        }
        return -1;
    }
    int findPattern(const std::string& name) const {
        for (size_t i = 0; i < patterns_.size(); ++i) {
            if (patterns_[i].name == name) return static_cast<int>(i);
        }
        return -1;
    }
    int findSection(const std::string& name) const {
        for (size_t i = 0; i < sections_.size(); ++i) {
            if (sections_[i].name == name) return static_cast<int>(i);
        }
        return -1;
    }

    bool open(Block block) {
        block_ = block;
        blockLine_ = line_;
        return true;
    }

    // Settings.
    bool tempo(const Words& w) { return single(w, tempo_, 20, 400); }
    bool meter(const Words& w) {
        double beats = 0;
        if (!singleWhole(w, beats, 1, 16)) return false;
        meter_ = static_cast<int>(beats);
        return true;
    }
    bool seed(const Words& w) {
        double value = 0;
        if (!singleWhole(w, value, 0, 4294967295.0)) return false;
        song_.settings.seed = static_cast<uint32_t>(value);
        return true;
    }
    bool rate(const Words& w) {
        double value = 0;
        if (!singleWhole(w, value, 8000, 48000)) return false;
        song_.settings.rate = static_cast<int>(value);
        return true;
    }
    bool channels(const Words& w) {
        double value = 0;
        if (!singleWhole(w, value, 1, 2)) return false;
        song_.settings.channels = static_cast<int>(value);
        return true;
    }
    bool room(const Words& w) {
        SongSettings& s = song_.settings;
        return count(w, 4, 4) && number(w, 1, s.roomSize, 0, 1) && number(w, 2, s.roomDamping, 0, 1) &&
               number(w, 3, s.roomLevel, 0, 4);
    }
    bool peak(const Words& w) { return single(w, song_.settings.peak, 0.05, 0.95); }
    bool tail(const Words& w) { return single(w, song_.settings.tail, 0, 10); }
    bool quality(const Words& w) { return single(w, song_.settings.quality, -0.1, 1); }
    bool humanize(const Words& w) {
        return count(w, 3, 3) && number(w, 1, humanizeTime_, 0, 0.05) &&
               number(w, 2, humanizeVelocity_, 0, 0.5);
    }

    // Instruments.
    bool instrument(const Words& w) {
        if (!count(w, 2, 2)) return false;
        if (findInstrument(w[1]) >= 0) return fail("instrument \"" + w[1] + "\" is already defined");
        song_.instruments.emplace_back();
        song_.instruments.back().name = w[1];
        return open(Block::Instrument);
    }
    Instrument& current() { return song_.instruments.back(); }

    bool osc(const Words& w) {
        static const std::pair<const char*, Wave> kWaves[] = {
            {"sine", Wave::Sine},     {"triangle", Wave::Triangle}, {"saw", Wave::Saw},
            {"square", Wave::Square}, {"noise", Wave::Noise},       {"pluck", Wave::Pluck}};
        if (w.size() < 2) return fail("\"osc\" needs a wave");
        Layer layer;
        const auto wave = std::find_if(std::begin(kWaves), std::end(kWaves),
                                       [&](const auto& entry) { return w[1] == entry.first; });
        if (wave == std::end(kWaves)) return fail("unknown wave \"" + w[1] + "\"");
        layer.wave = wave->second;
        struct Option {
            const char* name;
            std::vector<double*> values;
            double low, high;
        };
        const Option options[] = {{"level", {&layer.level}, 0, 4},
                                  {"ratio", {&layer.ratio}, 0.01, 16},
                                  {"detune", {&layer.detuneCents}, -1200, 1200},
                                  {"fm", {&layer.fmRatio, &layer.fmIndex, &layer.fmDecay}, 0, 32},
                                  {"decay", {&layer.pluckDecay}, 0.01, 30},
                                  {"bright", {&layer.pluckBright}, 0, 1}};
        for (size_t at = 2; at < w.size();) {
            const auto option = std::find_if(std::begin(options), std::end(options),
                                             [&](const Option& o) { return w[at] == o.name; });
            if (option == std::end(options)) return fail("unknown option \"" + w[at] + "\" of \"osc\"");
            if (at + option->values.size() >= w.size())
                return fail(std::string("\"") + option->name + "\" needs values");
            for (double* value : option->values) {
                if (!number(w, ++at, *value, option->low, option->high)) return false;
            }
            ++at;
        }
        current().layers.push_back(layer);
        return true;
    }
    bool envelope(const Words& w) {
        Envelope& e = current().envelope;
        if (!count(w, 5, 5) || !number(w, 1, e.attack, kShortestAttack, 10) ||
            !number(w, 2, e.decay, 0, 30) || !number(w, 3, e.sustain, 0, 1) ||
            !number(w, 4, e.release, kShortestRelease, 30)) {
            return false;
        }
        if (e.sustain == 0.0 && e.decay <= 0.0)
            return fail("a percussive envelope (sustain 0) needs a decay");
        return true;
    }
    bool filter(const Words& w) {
        static const std::pair<const char*, FilterMode> kModes[] = {{"lowpass", FilterMode::LowPass},
                                                                    {"highpass", FilterMode::HighPass},
                                                                    {"bandpass", FilterMode::BandPass}};
        FilterSettings& f = current().filter;
        if (w.size() < 3) return fail("\"filter\" needs a mode and a cutoff");
        const auto mode = std::find_if(std::begin(kModes), std::end(kModes),
                                       [&](const auto& entry) { return w[1] == entry.first; });
        if (mode == std::end(kModes)) return fail("unknown filter mode \"" + w[1] + "\"");
        f.mode = mode->second;
        if (!number(w, 2, f.cutoff, 20, 20000)) return false;
        for (size_t at = 3; at < w.size(); ++at) {
            const size_t needs = w[at] == "env" ? 3 : 1;
            if (w[at] != "q" && w[at] != "track" && w[at] != "env") {
                return fail("unknown option \"" + w[at] + "\" of \"filter\"");
            }
            if (at + needs >= w.size()) return fail("\"" + w[at] + "\" needs values");
            const bool ok = w[at] == "q"       ? number(w, at + 1, f.q, 0.1, 20)
                            : w[at] == "track" ? number(w, at + 1, f.track, -2, 2)
                                               : number(w, at + 1, f.envOctaves, -8, 8) &&
                                                     number(w, at + 2, f.envAttack, 0, 10) &&
                                                     number(w, at + 3, f.envDecay, 0, 30);
            if (!ok) return false;
            at += needs;
        }
        return true;
    }
    bool pitch(const Words& w) {
        return count(w, 3, 3) && number(w, 1, current().pitchStart, -48, 48) &&
               number(w, 2, current().pitchTime, 0, 30);
    }
    bool bend(const Words& w) {
        return count(w, 3, 3) && number(w, 1, current().bendEnd, -48, 48) &&
               number(w, 2, current().bendTime, 0, 30);
    }
    bool vibrato(const Words& w) {
        Instrument& in = current();
        return count(w, 3, 4) && number(w, 1, in.vibratoRate, 0, 20) &&
               number(w, 2, in.vibratoCents, 0, 200) &&
               (w.size() < 4 || number(w, 3, in.vibratoDelay, 0, 10));
    }
    bool gain(const Words& w) { return single(w, current().gain, 0, 4); }
    bool pan(const Words& w) { return single(w, current().pan, -1, 1); }
    bool spread(const Words& w) { return single(w, current().spreadCents, 0, 100); }
    bool reverb(const Words& w) { return single(w, current().reverb, 0, 2); }
    bool gate(const Words& w) { return single(w, current().gate, 0.05, 4); }
    bool note(const Words& w) {
        if (!count(w, 2, 2)) return false;
        if (!toPitch(w[1], current().note)) return fail("\"" + w[1] + "\" is not a pitch");
        return true;
    }
    bool endInstrument(const Words& w) {
        if (!count(w, 1, 1)) return false;
        if (current().layers.empty()) return fail("instrument \"" + current().name + "\" has no \"osc\"");
        block_ = Block::None;
        return true;
    }

    // Patterns.
    bool pattern(const Words& w) {
        if (!count(w, 3, 3)) return false;
        if (findPattern(w[1]) >= 0) return fail("pattern \"" + w[1] + "\" is already defined");
        const int instrument = findInstrument(w[2]);
        if (instrument < 0) return fail("unknown instrument \"" + w[2] + "\"");
        patterns_.push_back(Pattern{w[1], instrument, 0.0, {}});
        beats_ = 1.0;
        return open(Block::Pattern);
    }
    bool notes(const Words& w) {
        for (const std::string& token : w) {
            if (!noteToken(token)) return false;
        }
        return true;
    }
    bool noteToken(const std::string& token) {
        PatternNote note;
        std::string head = token;
        const size_t at = head.find('@');
        if (at != std::string::npos) {
            if (!toNumber(head.substr(at + 1), note.velocity) || note.velocity < 0 || note.velocity > 2) {
                return fail("bad loudness in \"" + token + "\"");
            }
            head.resize(at);
        }
        const size_t colon = head.find(':');
        if (colon != std::string::npos) {
            if (!toNumber(head.substr(colon + 1), beats_) || beats_ <= 0 || beats_ > kLongestNote) {
                return fail("bad length in \"" + token + "\"");
            }
            head.resize(colon);
        }
        Pattern& pattern = patterns_.back();
        note.beat = pattern.length;
        note.beats = beats_;
        pattern.length += beats_;
        if (head == "r") return true;
        if (head != "x") {
            std::istringstream pitches(head);
            std::string name;
            while (std::getline(pitches, name, '+')) {
                int pitch = 0;
                if (!toPitch(name, pitch))
                    return fail("\"" + name + "\" is not a pitch in \"" + token + "\"");
                note.pitches.push_back(pitch);
            }
        }
        pattern.notes.push_back(note);
        return true;
    }
    bool scatter(const Words& w) {
        double number_ = 0, span = 0, loudness = 0, grain = 0;
        int low = 0, high = 0;
        if (!count(w, 7, 7) || !number(w, 1, number_, 1, kMostScattered) ||
            !number(w, 2, span, 0.01, kLongestNote) || !number(w, 5, loudness, 0, 2) ||
            !number(w, 6, grain, 0.001, kLongestNote)) {
            return false;
        }
        if (!toPitch(w[3], low) || !toPitch(w[4], high) || high < low)
            return fail("bad pitch range in \"scatter\"");
        Pattern& pattern = patterns_.back();
        Random random(song_.settings.seed ^ (0x5ca77e5u + static_cast<uint32_t>(pattern.notes.size())));
        std::vector<double> moments;
        for (int i = 0; i < static_cast<int>(number_); ++i) moments.push_back(random.unit() * span);
        std::sort(moments.begin(), moments.end());
        for (double moment : moments) {
            PatternNote note;
            note.beat = pattern.length + moment;
            note.beats = grain;
            note.pitches.push_back(low + static_cast<int>(random.unit() * (high - low + 1)));
            note.velocity = loudness * (1.0 - 0.8 * moment / span) * random.between(0.6, 1.0);
            pattern.notes.push_back(note);
        }
        pattern.length += span;
        return true;
    }
    bool endPattern(const Words& w) {
        if (!count(w, 1, 1)) return false;
        if (patterns_.back().length <= 0.0) return fail("pattern \"" + patterns_.back().name + "\" is empty");
        block_ = Block::None;
        return true;
    }

    // Sections and the song.
    bool section(const Words& w) {
        double bars = 0;
        if (!count(w, 3, 3) || !whole(w, 2, bars, 1, kMostBars)) return false;
        if (findSection(w[1]) >= 0) return fail("section \"" + w[1] + "\" is already defined");
        sections_.push_back(Section{w[1], static_cast<int>(bars), {}});
        return open(Block::Section);
    }
    bool part(const Words& w) {
        Part part;
        part.pattern = findPattern(w[0]);
        if (part.pattern < 0) return fail("unknown pattern \"" + w[0] + "\"");
        part.instrument = patterns_[part.pattern].instrument;
        for (size_t at = 1; at < w.size(); at += 2) {
            if (at + 1 >= w.size()) return fail("\"" + w[at] + "\" needs a value");
            double value = 0;
            if (w[at] == "on") {
                part.instrument = findInstrument(w[at + 1]);
                if (part.instrument < 0) return fail("unknown instrument \"" + w[at + 1] + "\"");
            } else if (w[at] == "transpose") {
                if (!whole(w, at + 1, value, -48, 48)) return false;
                part.transpose = static_cast<int>(value);
            } else if (w[at] == "gain") {
                if (!number(w, at + 1, part.gain, 0, 4)) return false;
            } else {
                return fail("unknown option \"" + w[at] + "\" of a section line");
            }
        }
        sections_.back().parts.push_back(part);
        return true;
    }
    bool endSection(const Words& w) {
        if (!count(w, 1, 1)) return false;
        block_ = Block::None;
        return true;
    }
    bool songOrder(const Words& w) {
        if (!count(w, 2, 1000)) return false;
        for (size_t i = 1; i < w.size(); ++i) order_.push_back(SongEntry{w[i], line_});
        return true;
    }

    // Spells every section of the song out into notes, in time.
    bool arrange() {
        if (order_.empty()) return fail("the score has no \"song\"");
        const double secondsPerBeat = 60.0 / tempo_;
        Random humanizer(song_.settings.seed ^ 0x68756d61u);
        double sectionStart = 0.0;
        for (const SongEntry& entry : order_) {
            line_ = entry.line;
            const int index = findSection(entry.section);
            if (index < 0) return fail("unknown section \"" + entry.section + "\"");
            const Section& section = sections_[index];
            const double beats = static_cast<double>(section.bars) * meter_;
            for (const Part& part : section.parts) {
                const Pattern& pattern = patterns_[part.pattern];
                const Instrument& instrument = song_.instruments[part.instrument];
                for (double loop = 0.0; loop < beats; loop += pattern.length) {
                    for (const PatternNote& note : pattern.notes) {
                        if (loop + note.beat >= beats) break;
                        const std::vector<int> hit{instrument.note};
                        for (int pitch : note.pitches.empty() ? hit : note.pitches) {
                            NoteEvent event;
                            event.instrument = part.instrument;
                            event.start = (sectionStart + loop + note.beat) * secondsPerBeat +
                                          humanizer.between(-humanizeTime_, humanizeTime_);
                            event.start = std::max(event.start, 0.0);
                            event.held = note.beats * secondsPerBeat * instrument.gate;
                            event.pitch = pitch + part.transpose;
                            event.velocity = note.velocity * part.gain *
                                             (1.0 + humanizer.between(-humanizeVelocity_, humanizeVelocity_));
                            if (event.pitch < 0 || event.pitch > 127)
                                return fail("a note falls outside the keyboard");
                            song_.notes.push_back(event);
                        }
                    }
                }
            }
            sectionStart += beats;
            if (sectionStart * secondsPerBeat > kLongestSong)
                return fail("the song is longer than 15 minutes");
        }
        if (song_.notes.empty()) return fail("the song has no notes");
        return true;
    }

    std::string file_;
    Song& song_;
    int line_ = 0;
    Block block_ = Block::None;
    int blockLine_ = 0;
    double tempo_ = 120.0;
    int meter_ = 4;
    double humanizeTime_ = 0.0;
    double humanizeVelocity_ = 0.0;
    double beats_ = 1.0;
    std::vector<Pattern> patterns_;
    std::vector<Section> sections_;
    std::vector<SongEntry> order_;
};

const ScoreParser::Keyword ScoreParser::kKeywords[] = {
    {Block::None, "tempo", &ScoreParser::tempo},
    {Block::None, "meter", &ScoreParser::meter},
    {Block::None, "seed", &ScoreParser::seed},
    {Block::None, "rate", &ScoreParser::rate},
    {Block::None, "channels", &ScoreParser::channels},
    {Block::None, "room", &ScoreParser::room},
    {Block::None, "peak", &ScoreParser::peak},
    {Block::None, "tail", &ScoreParser::tail},
    {Block::None, "quality", &ScoreParser::quality},
    {Block::None, "humanize", &ScoreParser::humanize},
    {Block::None, "instrument", &ScoreParser::instrument},
    {Block::None, "pattern", &ScoreParser::pattern},
    {Block::None, "section", &ScoreParser::section},
    {Block::None, "song", &ScoreParser::songOrder},
    {Block::Instrument, "osc", &ScoreParser::osc},
    {Block::Instrument, "envelope", &ScoreParser::envelope},
    {Block::Instrument, "filter", &ScoreParser::filter},
    {Block::Instrument, "pitch", &ScoreParser::pitch},
    {Block::Instrument, "bend", &ScoreParser::bend},
    {Block::Instrument, "vibrato", &ScoreParser::vibrato},
    {Block::Instrument, "gain", &ScoreParser::gain},
    {Block::Instrument, "pan", &ScoreParser::pan},
    {Block::Instrument, "spread", &ScoreParser::spread},
    {Block::Instrument, "reverb", &ScoreParser::reverb},
    {Block::Instrument, "gate", &ScoreParser::gate},
    {Block::Instrument, "note", &ScoreParser::note},
    {Block::Instrument, "end", &ScoreParser::endInstrument},
    {Block::Pattern, "scatter", &ScoreParser::scatter},
    {Block::Pattern, "end", &ScoreParser::endPattern},
    {Block::Section, "end", &ScoreParser::endSection},
};

bool ScoreParser::statement(const Words& words) {
    for (const Keyword& keyword : kKeywords) {
        if (keyword.block == block_ && words[0] == keyword.word) return (this->*keyword.handler)(words);
    }
    if (block_ == Block::Pattern) return notes(words);
    if (block_ == Block::Section) return part(words);
    return fail("unknown word \"" + words[0] + "\"");
}

}  // namespace

bool parseScore(const std::string& text, const std::string& fileName, Song& song) {
    return ScoreParser(fileName, song).parse(text);
}

bool readScore(const std::string& path, Song& song) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        LOG_ERROR("Failed to read score " << path);
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseScore(text.str(), path, song);
}

}  // namespace nimbus
