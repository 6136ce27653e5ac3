#include "PaintedParts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "ModelBuilder.h"
#include "core/Log.h"
#include "game/scene/BoardLook.h"

namespace nimbus {

namespace {

constexpr int kSamples = 4;  // a side of a texel's samples

// The part the painted ones stand on: the first one not painted, whose picture is laid
// over it from above, unturned and unscaled so that its own coordinates are the model's.
const PartDescription* canvasOf(const ModelDescription& model) {
    for (const PartDescription& part : model.parts) {
        if (part.painted) continue;
        const bool fromAbove = part.uvMode == UvMode::Project && part.projectAxis == 1 && part.hasArea;
        return fromAbove && part.rotations.empty() && part.scale == Vector3(1.0f, 1.0f, 1.0f) ? &part
                                                                                              : nullptr;
    }
    return nullptr;
}

// The parts painted (or the canvas alone), built as the full model builds them.
bool buildParts(const ModelDescription& model, const PartDescription* canvas, const std::string& name,
                ModelMeshData& mesh) {
    ModelDescription some = model;
    some.stand = false;
    some.parts.clear();
    for (const PartDescription& part : model.parts) {
        if (canvas ? &part == canvas : part.painted) some.parts.push_back(part);
    }
    return buildModel(some, name, mesh);
}

// A painted vertex where the eye sees it on the canvas's top, in samples, with how far
// it stands out towards the eye, the light on it relative to the top's, and its own
// place in the picture.
struct Projected {
    float x, y, nearness, light, u, v;
};

class Painter {
public:
    Painter(const Image& picture, const PartDescription& canvas, float top)
        : picture_(picture),
          canvas_(canvas),
          top_(top),
          width_(picture.width() * kSamples),
          height_(picture.height() * kSamples),
          nearness_(static_cast<size_t>(width_) * height_, -std::numeric_limits<float>::infinity()),
          painted_(nearness_.size()) {}

    void paint(const ModelMeshData& mesh) {
        std::vector<Projected> corners;
        for (const ModelVertex& v : mesh.vertices) corners.push_back(project(v));
        for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3)
            fill(corners[mesh.indices[t]], corners[mesh.indices[t + 1]], corners[mesh.indices[t + 2]]);
    }

    // Each texel the mean of its samples, the canvas's own where nothing was painted.
    Image result() const {
        Image out(picture_.width(), picture_.height());
        const float share = 1.0f / (kSamples * kSamples);
        for (int y = 0; y < out.height(); ++y) {
            for (int x = 0; x < out.width(); ++x) {
                Pixel sum;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        const size_t at = static_cast<size_t>(y * kSamples + sy) * width_ + x * kSamples + sx;
                        const Pixel& p = std::isfinite(nearness_[at]) ? painted_[at] : picture_.at(x, y);
                        sum = {sum.r + p.r * share, sum.g + p.g * share, sum.b + p.b * share,
                               sum.a + p.a * share};
                    }
                }
                out.at(x, y) = sum;
            }
        }
        return out;
    }

private:
    Projected project(const ModelVertex& vertex) const {
        const Vector3 towardsEye = normalise(kFarTileView);
        const Vector3 p{vertex.position[0], vertex.position[1], vertex.position[2]};
        const float nearness = (p.y - top_) / towardsEye.y;
        const Vector3 onTop = p - towardsEye * nearness;
        const UvRect& area = canvas_.area;
        const float u = canvas_.uv.u0 + (onTop.x - canvas_.at.x - area.u0) / (area.u1 - area.u0) *
                                            (canvas_.uv.u1 - canvas_.uv.u0);
        const float v = canvas_.uv.v0 + (onTop.z - canvas_.at.z - area.v0) / (area.v1 - area.v0) *
                                            (canvas_.uv.v1 - canvas_.uv.v0);
        const float light = boardLightOn({vertex.normal[0], vertex.normal[1], vertex.normal[2]}) /
                            boardLightOn({0.0f, 1.0f, 0.0f});
        return {u * width_, v * height_, nearness, light, vertex.uv0[0], vertex.uv0[1]};
    }

    void fill(const Projected& a, const Projected& b, const Projected& c) {
        const float area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        if (std::fabs(area) < 1e-9f) return;
        const int left = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
        const int right = std::min(width_ - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
        const int low = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
        const int high = std::min(height_ - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
        for (int y = low; y <= high; ++y) {
            for (int x = left; x <= right; ++x) {
                const float px = x + 0.5f, py = y + 0.5f;
                const float wa = ((b.x - px) * (c.y - py) - (b.y - py) * (c.x - px)) / area;
                const float wb = ((c.x - px) * (a.y - py) - (c.y - py) * (a.x - px)) / area;
                const float wc = 1.0f - wa - wb;
                if (wa < 0.0f || wb < 0.0f || wc < 0.0f) continue;
                const size_t at = static_cast<size_t>(y) * width_ + x;
                const float nearness = wa * a.nearness + wb * b.nearness + wc * c.nearness;
                if (nearness <= nearness_[at]) continue;
                nearness_[at] = nearness;
                const Pixel& own =
                    picture_.sample(wa * a.u + wb * b.u + wc * c.u, wa * a.v + wb * b.v + wc * c.v);
                const float light = wa * a.light + wb * b.light + wc * c.light;
                painted_[at] = {std::min(own.r * light, own.a), std::min(own.g * light, own.a),
                                std::min(own.b * light, own.a), own.a};
            }
        }
    }

    const Image& picture_;
    const PartDescription& canvas_;
    float top_;
    int width_, height_;
    std::vector<float> nearness_;
    std::vector<Pixel> painted_;
};

}  // namespace

bool paintParts(const ModelDescription& model, const std::string& name, Image& picture) {
    const PartDescription* canvas = canvasOf(model);
    if (!canvas) {
        LOG_ERROR(name << ": the painted parts need a first part that is not painted, projected along y over "
                          "an area, unturned and unscaled, to be painted onto");
        return false;
    }
    ModelMeshData base, painted;
    if (!buildParts(model, canvas, name, base) || !buildParts(model, nullptr, name, painted)) return false;
    float top = -std::numeric_limits<float>::infinity();
    for (const ModelVertex& v : base.vertices) top = std::max(top, v.position[1]);
    Painter painter(picture, *canvas, top);
    painter.paint(painted);
    picture = painter.result();
    return true;
}

}  // namespace nimbus
