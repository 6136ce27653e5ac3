#include "game/scene/ViewCaption.h"

#include "core/ResourceManager.h"
#include "gui/GuiNames.h"
#include "gui/windows/Quads.h"
#include "render/Texture.h"
#include "render/ViewSize.h"
#include "render/font/DrawText.h"
#include "render/font/LayoutText.h"

namespace nimbus {

namespace {

constexpr float kTitleSize = 0.25f;
constexpr float kHintSize = 0.08f;
// Where the middles of the two lines sit above the view's centre, and how far the band
// reaches above and below it.
constexpr float kTitleRaise = 0.06f;
constexpr float kHintRaise = -0.14f;
constexpr float kBandTop = 0.24f;
constexpr float kBandBottom = -0.26f;
// The widest a line may be: the 4:3 view less a margin on either side.
constexpr float kLineWidth = 2.0f * kViewAspect * 0.9f;
const Color kBandColor{0.0f, 0.02f, 0.06f, 0.72f};
constexpr TextAlignment kCentred{TextAlignment::kCentre, TextAlignment::kMiddle};

}  // namespace

void ViewCaption::layout(const ResourceHandle<BitmapFont>& font, const char* title, const char* hint,
                         const Color& glow) {
    font_ = font;
    // The middle column of the soft disc: opaque inside, fading out at the top and bottom.
    band_ = getResource<Texture>(kCircleTextureName, kTextureTypeName);
    glow_ = glow;
    titleCount_ = hintCount_ = 0;
    if (!font_) return;
    titleCount_ = layoutText(*font_, title_, kMaxCharacters, title, kTitleSize, 0.0f);
    hintCount_ = layoutText(*font_, hint_, kMaxCharacters, hint, kHintSize, 0.0f);
    fitToWidth(titleCount_, title_, kLineWidth);
    fitToWidth(hintCount_, hint_, kLineWidth);
}

void ViewCaption::draw(ScreenspaceRenderer& renderer, const Vector2& centre, const Vector2& size) const {
    if (!font_) return;
    if (band_) {
        const float half = size.x * 0.5f;
        renderer.addQuad(rectangleQuad(Vector2(centre.x - half, centre.y + kBandBottom),
                                       Vector2(centre.x + half, centre.y + kBandTop), Vector2(0.5f, 0.0f),
                                       Vector2(0.5f, 1.0f), kBandColor),
                         band_, false);
    }
    drawLine(renderer, title_, titleCount_, centre + Vector2(0.0f, kTitleRaise));
    drawLine(renderer, hint_, hintCount_, centre + Vector2(0.0f, kHintRaise));
}

void ViewCaption::drawLine(ScreenspaceRenderer& renderer, const ScreenQuad* quads, int32_t count,
                           const Vector2& anchor) const {
    drawText(count, kCentred, anchor, quads, font_->texture(), renderer, false, nullptr);
    drawText(count, kCentred, anchor, quads, font_->glowTexture(), renderer, true, &glow_);
}

}  // namespace nimbus
