#include "ModelRaster.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace nimbus {

namespace {

const Vector3 kLight = normalise({-0.7f, 1.0f, -0.3f});

Vector3 position(const ModelVertex& v) { return {v.position[0], v.position[1], v.position[2]}; }
Vector3 normal(const ModelVertex& v) { return {v.normal[0], v.normal[1], v.normal[2]}; }

}  // namespace

ModelRaster::ModelRaster(const Image& diffuse, const Image* envmap, const Vector3& towardsViewer)
    : diffuse_(diffuse), envmap_(envmap), back_(normalise(towardsViewer)) {
    right_ = normalise(cross({0.0f, 1.0f, 0.0f}, back_));
    up_ = cross(back_, right_);
}

Pixel ModelRaster::shade(const Vector3& n, float u, float v) const {
    const Pixel& d = diffuse_.sample(u, v);
    const float light = 0.38f + 0.7f * std::max(0.0f, dot(n, kLight));
    Pixel out{d.r * light, d.g * light, d.b * light, 1.0f};
    if (envmap_) {
        // The sphere map is indexed by the reflected view ray in view coordinates.
        const Vector3 vn{dot(n, right_), dot(n, up_), dot(n, back_)};
        const Vector3 r{2.0f * vn.z * vn.x, 2.0f * vn.z * vn.y, 2.0f * vn.z * vn.z - 1.0f};
        const float m = 2.0f * std::sqrt(r.x * r.x + r.y * r.y + (r.z + 1.0f) * (r.z + 1.0f));
        const Pixel& e = envmap_->sample(0.5f + r.x / m, 0.5f - r.y / m);
        out.r += 0.22f * e.r;
        out.g += 0.22f * e.g;
        out.b += 0.22f * e.b;
    }
    out.r = std::min(out.r, 1.0f);
    out.g = std::min(out.g, 1.0f);
    out.b = std::min(out.b, 1.0f);
    return out;
}

void ModelRaster::draw(const ModelMeshData& mesh, Image& target, int x0, int y0, int size) const {
    std::vector<Projected> projected;
    float minX = std::numeric_limits<float>::max(), maxX = -minX, minY = minX, maxY = -minX;
    for (const ModelVertex& v : mesh.vertices) {
        const Vector3 p = position(v);
        projected.push_back({dot(p, right_), dot(p, up_), dot(p, back_)});
        minX = std::min(minX, projected.back().sx);
        maxX = std::max(maxX, projected.back().sx);
        minY = std::min(minY, projected.back().sy);
        maxY = std::max(maxY, projected.back().sy);
    }
    if (projected.empty()) return;
    const float scale = 0.84f * static_cast<float>(size) / std::max({maxX - minX, maxY - minY, 1e-6f});
    const float cx = x0 + 0.5f * size - scale * 0.5f * (minX + maxX);
    const float cy = y0 + 0.5f * size + scale * 0.5f * (minY + maxY);
    for (Projected& p : projected) {
        p.sx = cx + scale * p.sx;
        p.sy = cy - scale * p.sy;
    }
    std::vector<float> depth(static_cast<size_t>(size) * size, -std::numeric_limits<float>::max());
    for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
        const uint32_t i[3] = {mesh.indices[t], mesh.indices[t + 1], mesh.indices[t + 2]};
        if (i[0] >= projected.size() || i[1] >= projected.size() || i[2] >= projected.size()) continue;
        const Projected &a = projected[i[0]], &b = projected[i[1]], &c = projected[i[2]];
        const float area = (b.sx - a.sx) * (c.sy - a.sy) - (b.sy - a.sy) * (c.sx - a.sx);
        if (std::fabs(area) < 1e-9f) continue;
        const int left = std::max(x0, static_cast<int>(std::floor(std::min({a.sx, b.sx, c.sx}))));
        const int right = std::min(x0 + size - 1, static_cast<int>(std::ceil(std::max({a.sx, b.sx, c.sx}))));
        const int top = std::max(y0, static_cast<int>(std::floor(std::min({a.sy, b.sy, c.sy}))));
        const int bottom = std::min(y0 + size - 1, static_cast<int>(std::ceil(std::max({a.sy, b.sy, c.sy}))));
        for (int py = top; py <= bottom; ++py) {
            for (int px = left; px <= right; ++px) {
                const float fx = px + 0.5f, fy = py + 0.5f;
                const float wa = ((b.sx - fx) * (c.sy - fy) - (b.sy - fy) * (c.sx - fx)) / area;
                const float wb = ((c.sx - fx) * (a.sy - fy) - (c.sy - fy) * (a.sx - fx)) / area;
                const float wc = 1.0f - wa - wb;
                if (wa < 0.0f || wb < 0.0f || wc < 0.0f) continue;
                const float z = wa * a.depth + wb * b.depth + wc * c.depth;
                float& stored = depth[static_cast<size_t>(py - y0) * size + (px - x0)];
                if (z <= stored) continue;
                stored = z;
                const ModelVertex &va = mesh.vertices[i[0]], &vb = mesh.vertices[i[1]], &vc = mesh.vertices[i[2]];
                const Vector3 n = normalise(normal(va) * wa + normal(vb) * wb + normal(vc) * wc);
                const float u = wa * va.uv0[0] + wb * vb.uv0[0] + wc * vc.uv0[0];
                const float v = wa * va.uv0[1] + wb * vb.uv0[1] + wc * vc.uv0[1];
                target.at(px, py) = shade(n, u, v);
            }
        }
    }
}

}  // namespace nimbus
