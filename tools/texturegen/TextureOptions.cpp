#include "TextureOptions.h"

#include <cstdio>
#include <cstring>

#include "TextureBuilder.h"
#include "core/Log.h"

namespace nimbus {

namespace {

struct FormatName {
    const char* name;
    PixelFormat format;
};

const FormatName kFormats[] = {
    {"rgba", PixelFormat::RGBA}, {"bgra", PixelFormat::BGRA},   {"rgb", PixelFormat::RGB},
    {"bgr", PixelFormat::BGR},   {"alpha", PixelFormat::Alpha},
};

// A texture's sides are powers of two, which only the whole command line tells (a PNG's
// need not be); parse checks them.
bool parseSize(const char* text, TextureOptions& o) {
    char end = 0;
    if (std::sscanf(text, "%dx%d%c", &o.width, &o.height, &end) != 2 || o.width < 1 || o.height < 1 ||
        o.width > 4096 || o.height > 4096) {
        LOG_ERROR("--size " << text << ": expected WIDTHxHEIGHT, each 1 to 4096");
        return false;
    }
    return true;
}

bool parseFormat(const char* text, TextureOptions& o) {
    for (const FormatName& f : kFormats) {
        if (std::strcmp(text, f.name) == 0) {
            o.format = f.format;
            return true;
        }
    }
    LOG_ERROR("--format " << text << ": expected rgba, bgra, rgb, bgr or alpha");
    return false;
}

bool parseGlow(const char* const* values, TextureOptions& o) {
    char end = 0;
    if (std::sscanf(values[0], "%f%c", &o.glowRadius, &end) != 1 ||
        std::sscanf(values[1], "%f%c", &o.glowStrength, &end) != 1 || !(o.glowRadius >= 0.5f) ||
        !(o.glowRadius <= 64.0f) || !(o.glowStrength > 0.0f) || !(o.glowStrength <= 16.0f)) {
        LOG_ERROR("--glow " << values[0] << " " << values[1]
                            << ": expected a radius of 0.5 to 64 pixels and a strength above 0 up to 16");
        return false;
    }
    o.glow = true;
    return true;
}

struct Flag {
    const char* name;
    int valueCount;
    bool (*apply)(const char* const* values, TextureOptions& options);
};

const Flag kFlags[] = {
    {"--size", 1, [](const char* const* v, TextureOptions& o) { return parseSize(v[0], o); }},
    {"--format", 1, [](const char* const* v, TextureOptions& o) { return parseFormat(v[0], o); }},
    {"--glow", 2, parseGlow},
    {"--no-mips", 0,
     [](const char* const*, TextureOptions& o) {
         o.mips = false;
         return true;
     }},
    {"--paint", 1,
     [](const char* const* v, TextureOptions& o) {
         o.paintFrom = v[0];
         return true;
     }},
    {"--png", 0,
     [](const char* const*, TextureOptions& o) {
         o.png = true;
         return true;
     }},
};

const Flag* findFlag(const char* name) {
    for (const Flag& flag : kFlags) {
        if (std::strcmp(flag.name, name) == 0) return &flag;
    }
    return nullptr;
}

}  // namespace

bool TextureOptions::parse(int argc, const char* const* argv) {
    std::string* positional[] = {&source, &output};
    int positionalCount = 0;
    for (int i = 0; i < argc; ++i) {
        if (argv[i][0] == '-') {
            const Flag* flag = findFlag(argv[i]);
            if (!flag) {
                LOG_ERROR("unknown option " << argv[i]);
                return false;
            }
            if (i + flag->valueCount >= argc) {
                LOG_ERROR(argv[i] << " needs " << flag->valueCount << " value(s)");
                return false;
            }
            if (!flag->apply(argv + i + 1, *this)) return false;
            i += flag->valueCount;
        } else if (positionalCount < 2) {
            *positional[positionalCount++] = argv[i];
        } else {
            LOG_ERROR("unexpected argument " << argv[i]);
            return false;
        }
    }
    if (positionalCount < 2 || width == 0) {
        LOG_ERROR(
            "usage: nimbus_texturegen SOURCE OUTPUT --size WxH --format rgba|bgra|rgb|bgr|alpha "
            "[--glow RADIUS STRENGTH] [--no-mips] [--paint SHAPE_FILE] [--png]");
        return false;
    }
    if (!png && (!isPowerOfTwo(width) || !isPowerOfTwo(height))) {
        LOG_ERROR("--size " << width << "x" << height << ": a texture's sides are powers of two");
        return false;
    }
    return true;
}

}  // namespace nimbus
