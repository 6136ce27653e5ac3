#include "game/rules/FloatingTextList.h"

#include <algorithm>
#include <cmath>

#include "render/font/LayoutText.h"

namespace nimbus {

void FloatingTextList::spawn(const std::string& text, float lifetime, const Vector3& position,
                             const Vector2& drift, float growth) {
    if (!font_) return;
    FloatingText entry;
    entry.quadCount =
        layoutText(*font_, entry.quads, FloatingText::kMaxQuads, text.c_str(), kTextSize, kSlant);
    if (entry.quadCount == 0) return;
    entry.text = text;
    entry.lifetime = lifetime;
    entry.position = position;
    entry.drift = drift;
    entry.growth = growth;
    entries_.push_back(entry);
}

void FloatingTextList::update(float dt) {
    for (FloatingText& entry : entries_) entry.age += dt;
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [](const FloatingText& e) { return e.age >= e.lifetime; }),
                   entries_.end());
    for (FloatingText& entry : entries_) {
        const float alpha = std::sqrt(1.0f - entry.age / entry.lifetime);
        const float scale = entry.growth != 1.0f ? std::pow(entry.growth, dt) : 1.0f;
        for (int32_t q = 0; q < entry.quadCount; ++q) {
            for (ScreenVertex& v : entry.quads[q].corners) {
                v.a = alpha;
                v.x *= scale;
                v.y *= scale;
            }
        }
    }
}

}  // namespace nimbus
