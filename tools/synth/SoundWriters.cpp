#include "SoundWriters.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

#include "core/Log.h"

namespace nimbus {

namespace {

// A fixed stream serial keeps the Ogg pages identical from one build to the next.
constexpr int kStreamSerial = 0x4e696d62;
constexpr int kVorbisBlock = 1024;

void put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

int16_t toPcm(double sample) {
    return static_cast<int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0));
}

bool store(const std::string& bytes, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        LOG_ERROR("Failed to write " << path);
        return false;
    }
    return true;
}

void appendPages(ogg_stream_state& stream, std::string& out, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        out.append(reinterpret_cast<const char*>(page.header), page.header_len);
        out.append(reinterpret_cast<const char*>(page.body), page.body_len);
    }
}

// Moves every finished packet of the encoder into Ogg pages.
void drain(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream, std::string& out) {
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            appendPages(stream, out, false);
        }
    }
}

}  // namespace

bool writeWav(const RenderedSound& sound, const std::string& path) {
    const uint32_t channels = static_cast<uint32_t>(sound.channels.size());
    const uint32_t dataBytes = static_cast<uint32_t>(sound.frames() * channels * 2);
    std::string out = "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, channels, 2);
    put(out, sound.rate, 4);
    put(out, sound.rate * channels * 2, 4);
    put(out, channels * 2, 2);
    put(out, 16, 2);
    out += "data";
    put(out, dataBytes, 4);
    for (size_t i = 0; i < sound.frames(); ++i) {
        for (const auto& channel : sound.channels) put(out, static_cast<uint16_t>(toPcm(channel[i])), 2);
    }
    return store(out, path);
}

bool writeVorbis(const RenderedSound& sound, double quality, const std::string& path) {
    const int channels = static_cast<int>(sound.channels.size());
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, sound.rate, static_cast<float>(quality)) != 0) {
        vorbis_info_clear(&info);
        LOG_ERROR("The Vorbis encoder refuses " << channels << " channels at " << sound.rate << " Hz for "
                                                << path);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, kStreamSerial);

    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&stream, &identification);
    ogg_stream_packetin(&stream, &comments);
    ogg_stream_packetin(&stream, &codebooks);
    std::string out;
    appendPages(stream, out, true);

    for (size_t done = 0; done < sound.frames(); done += kVorbisBlock) {
        const size_t count = std::min<size_t>(kVorbisBlock, sound.frames() - done);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
        for (int c = 0; c < channels; ++c) {
            for (size_t i = 0; i < count; ++i) buffer[c][i] = static_cast<float>(sound.channels[c][done + i]);
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        drain(dsp, block, stream, out);
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain(dsp, block, stream, out);
    appendPages(stream, out, true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return store(out, path);
}

}  // namespace nimbus
