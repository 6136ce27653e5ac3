#include "TextPage.h"

#include "SceneData.h"
#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "gui/GuiNames.h"
#include "render/Core.h"
#include "render/TextureFile.h"
#include "render/ViewSize.h"
#include "render/font/BitmapFont.h"
#include "render/font/DrawText.h"
#include "render/font/LayoutText.h"
#include "render/gl/OglScreenspaceRenderer.h"

namespace nimbus {

namespace {

// A line of text with its glow layer under the same quads.
struct Line {
    const char* text;
    float size;
    float slant;
    Vector2 anchor;
    int32_t horizontal;
    Color color;
    Color glow;
    // Which layers to draw; the page shows each alone once.
    bool sharpLayer = true;
    bool glowLayer = true;
};

void drawLine(const BitmapFont& font, ScreenspaceRenderer& renderer, const Line& line) {
    ScreenQuad quads[128];
    const int32_t count = layoutText(font, quads, 128, line.text, line.size, line.slant);
    const TextAlignment alignment{line.horizontal, TextAlignment::kBaseline};
    if (line.sharpLayer)
        drawText(count, alignment, line.anchor, quads, font.texture(), renderer, false, &line.color);
    if (line.glowLayer && font.glowTexture()) {
        drawText(count, alignment, line.anchor, quads, font.glowTexture(), renderer, true, &line.glow);
    }
}

void drawBackdrop(Core& core, ScreenspaceRenderer& renderer) {
    TextureHeader header;
    header.format = static_cast<int16_t>(PixelFormat::RGBA);
    header.width = header.height = header.mipCount = 1;
    const uint8_t white[4] = {255, 255, 255, 255};
    const ResourceHandle<Texture> plain(core.createTexture(header, white, 4));
    const ScreenVertex bottom{0, 0, 0, 0, 0.03f, 0.04f, 0.12f, 1.0f};
    const ScreenVertex top{0, 0, 0, 0, 0.10f, 0.12f, 0.28f, 1.0f};
    ScreenQuad quad;
    quad.corners[0] = quad.corners[1] = bottom;
    quad.corners[2] = quad.corners[3] = top;
    const Vector2 corners[4] = {kViewMin, {kViewMax.x, kViewMin.y}, kViewMax, {kViewMin.x, kViewMax.y}};
    for (int i = 0; i < 4; ++i) {
        quad.corners[i].x = corners[i].x;
        quad.corners[i].y = corners[i].y;
    }
    renderer.addQuad(quad, plain, false);
}

}  // namespace

bool drawTextPage(Core& core, const char* dataDirectory) {
    if (!loadSceneData(core, dataDirectory)) return false;
    const ResourceHandle<BitmapFont> font = getResource<BitmapFont>(kDefaultFontResource, kFontTypeName);

    OglScreenspaceRenderer renderer(core, kViewMax, kViewMin);
    core.clear(Color(0, 0, 0, 1));
    drawBackdrop(core, renderer);
    const Color white(1, 1, 1, 1), purple(0.5f, 0, 1, 1), blue(0.2f, 0.5f, 1, 0.8f), gold(1, 0.85f, 0.3f, 1);
    const Line lines[] = {
        {"nimbus", 0.36f, 0.0f, {0.0f, 0.52f}, TextAlignment::kCentre, white, purple},
        {"roll the die onto its colour", 0.08f, 0.0f, {0.0f, 0.33f}, TextAlignment::kCentre, white, blue},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 0.085f, 0.0f, {-1.2f, 0.12f}, TextAlignment::kLeft, white, blue},
        {"abcdefghijklmnopqrstuvwxyz", 0.085f, 0.0f, {-1.2f, -0.01f}, TextAlignment::kLeft, white, blue},
        {"0123456789 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~",
         0.085f,
         0.0f,
         {-1.2f, -0.14f},
         TextAlignment::kLeft,
         white,
         blue},
        {"Score 12345", 0.1f, 0.0f, {-1.2f, -0.36f}, TextAlignment::kLeft, gold, purple},
        {"Lives 3", 0.1f, 0.0f, {1.2f, -0.36f}, TextAlignment::kRight, white, purple},
        {"+50 x4", 0.1f, 0.5f, {-0.4f, -0.62f}, TextAlignment::kCentre, white, purple},
        {"Extra life!", 0.1f, 0.5f, {0.45f, -0.62f}, TextAlignment::kCentre, white, purple},
        {"1: Anna  98765", 0.07f, 0.5f, {-1.2f, -0.86f}, TextAlignment::kLeft, white, blue},
        {"sharp layer", 0.07f, 0.0f, {0.55f, -0.86f}, TextAlignment::kRight, white, blue, true, false},
        {"glow layer", 0.07f, 0.0f, {0.65f, -0.86f}, TextAlignment::kLeft, white, purple, false, true},
    };
    for (const Line& line : lines) drawLine(*font, renderer, line);
    renderer.flush();
    return true;
}

}  // namespace nimbus
