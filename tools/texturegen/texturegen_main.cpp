// The texture tool: draws an SVG (or reads a PNG) source at the requested size,
// optionally turns it into its glow twin or paints a model's painted parts into it (the
// coarse brick's studs), and writes the ".texture" file with its whole
// mip chain (or, with --no-mips, its full size alone), or with --png the picture alone
// as a PNG. Exits 1, with the file named, when anything fails.
#include "GlowFilter.h"
#include "Image.h"
#include "PaintedParts.h"
#include "PictureSource.h"
#include "PngFile.h"
#include "ShapeFile.h"
#include "TextureBuilder.h"
#include "TextureOptions.h"

int main(int argc, char** argv) {
    nimbus::TextureOptions options;
    if (!options.parse(argc - 1, argv + 1)) return 1;
    nimbus::Image picture;
    if (!nimbus::loadPicture(options.source, options.width, options.height, picture)) return 1;
    if (options.glow) picture = nimbus::makeGlow(picture, options.glowRadius, options.glowStrength);
    if (!options.paintFrom.empty()) {
        nimbus::ModelDescription model;
        if (!nimbus::ShapeFile::read(options.paintFrom, model) ||
            !nimbus::paintParts(model, options.paintFrom, picture))
            return 1;
    }
    if (options.png) {
        const std::vector<uint8_t> rgba = nimbus::TextureBuilder::pack({picture}, nimbus::PixelFormat::RGBA);
        return nimbus::writePng(options.output, picture.width(), picture.height(), rgba.data()) ? 0 : 1;
    }
    return nimbus::TextureBuilder::write(options.output, picture, options.format, options.mips) ? 0 : 1;
}
