// nimbus_synth SCORE OUTPUT: renders a score into the game's sound files. An output
// ending in ".sound" is written as WAV, one ending in ".music" as Ogg Vorbis.

#include <cstdio>
#include <string>

#include "Renderer.h"
#include "ScoreParser.h"
#include "SoundWriters.h"
#include "core/Log.h"

namespace {

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: nimbus_synth SCORE OUTPUT(.sound|.music)\n");
        return 2;
    }
    const std::string score = argv[1];
    const std::string output = argv[2];
    const bool music = endsWith(output, ".music");
    if (!music && !endsWith(output, ".sound")) {
        LOG_ERROR("Do not know how to write " << output << ": the name must end in .sound or .music");
        return 1;
    }
    nimbus::Song song;
    if (!nimbus::readScore(score, song)) return 1;
    const nimbus::RenderedSound sound = nimbus::renderSong(song);
    // Written beside the target and renamed, so a failed run never leaves half a file.
    const std::string partial = output + ".partial";
    const bool written =
        music ? nimbus::writeVorbis(sound, song.settings.quality, partial) : nimbus::writeWav(sound, partial);
    if (!written || std::rename(partial.c_str(), output.c_str()) != 0) {
        std::remove(partial.c_str());
        LOG_ERROR("Failed to write " << output);
        return 1;
    }
    return 0;
}
