// nimbus_synth SCORE OUTPUT GAIN: renders a score into the game's sound files. An output
// ending in ".music" is written as Ogg Vorbis at the music loudness, and the gain that took
// is written to the file GAIN. One ending in ".sound" is written as WAV, turned up or down
// by the gain in GAIN: the gain of the music the effect is heard over, so that the effect
// keeps its level against that music.

#include <cstdio>
#include <fstream>
#include <string>

#include "Loudness.h"
#include "Renderer.h"
#include "ScoreParser.h"
#include "SoundWriters.h"
#include "core/Log.h"

namespace {

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

bool readGain(const std::string& path, double& gain) {
    std::ifstream in(path);
    if (!(in >> gain)) {
        LOG_ERROR("No gain in " << path);
        return false;
    }
    return true;
}

bool writeGain(const std::string& path, double gain) {
    std::ofstream out(path, std::ios::trunc);
    out << gain << "\n";
    out.close();
    if (!out) {
        LOG_ERROR("Failed to write " << path);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: nimbus_synth SCORE OUTPUT(.sound|.music) GAIN_FILE\n");
        return 2;
    }
    const std::string score = argv[1];
    const std::string output = argv[2];
    const std::string gainFile = argv[3];
    const bool music = endsWith(output, ".music");
    if (!music && !endsWith(output, ".sound")) {
        LOG_ERROR("Do not know how to write " << output << ": the name must end in .sound or .music");
        return 1;
    }
    nimbus::Song song;
    if (!nimbus::readScore(score, song)) return 1;
    nimbus::RenderedSound sound = nimbus::renderSong(song);
    nimbus::Loudness before, after;
    double gain = 0.0;
    if (music) {
        if (!nimbus::levelLoudness(sound, before, after)) return 1;
        gain = nimbus::kMusicLoudness - before.integrated;
    } else if (!readGain(gainFile, gain) || !nimbus::measureLoudness(sound, before) ||
               !nimbus::amplify(sound, gain, after)) {
        return 1;
    }
    std::printf("%s: %s before; %s after (%+.1f dB)\n", output.substr(output.find_last_of('/') + 1).c_str(),
                nimbus::describeLoudness(before).c_str(), nimbus::describeLoudness(after).c_str(), gain);

    // Written beside the target and renamed, so a failed run never leaves half a file.
    const std::string partial = output + ".partial";
    const bool written =
        music ? nimbus::writeVorbis(sound, song.settings.quality, partial) : nimbus::writeWav(sound, partial);
    if (!written || std::rename(partial.c_str(), output.c_str()) != 0) {
        std::remove(partial.c_str());
        LOG_ERROR("Failed to write " << output);
        return 1;
    }
    return music && !writeGain(gainFile, gain) ? 1 : 0;
}
