// The glyph description, read as the font loader reads it for a font element of the
// GUI document, then used: every glyph's metrics looked at, and every byte laid out.
#include <tinyxml.h>

#include <cmath>
#include <memory>
#include <string>

#include "FuzzTarget.h"
#include "core/ResourceManager.h"
#include "render/ScreenspaceRenderer.h"
#include "render/Texture.h"
#include "render/font/BitmapFont.h"
#include "render/font/FontLoader.h"
#include "render/font/LayoutText.h"

namespace nimbus {
namespace {

bool finite(const GlyphMetrics& m) {
    for (float f : {m.left, m.bottom, m.right, m.top, m.uLeft, m.vBottom, m.uRight, m.vTop, m.advance}) {
        if (!std::isfinite(f)) return false;
    }
    return true;
}

}  // namespace
}  // namespace nimbus

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    static ResourceManager resources;
    static const bool atlas = [] {
        setResourceManager(&resources);
        return registerTexture("Textures/Alba", new AtlasSize);
    }();
    fuzzCheck(atlas, "the atlas is not registered");

    TiXmlElement element("font");
    element.SetAttribute("name", "Alba");
    element.SetAttribute("texture", "Textures/Alba");
    element.SetAttribute("info", scratchFile(data, size));
    std::unique_ptr<BitmapFont> font(loadFont(element));
    if (!font) return 0;
    for (const auto& glyph : font->glyphs())
        fuzzCheck(finite(glyph.second), "a glyph's metrics are not finite");
    std::string every;
    for (int c = 1; c < 256; ++c) every += static_cast<char>(c);
    ScreenQuad quads[255];
    const int32_t laid = layoutText(*font, quads, 255, every.c_str(), 0.05f, 0.2f);
    fuzzCheck(laid >= 0 && laid <= 255, "layout wrote more quads than characters");
    return 0;
}
