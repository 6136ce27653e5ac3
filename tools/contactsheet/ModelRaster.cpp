#include "ModelRaster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace nimbus {

namespace {

const Vector3 kLight = normalise({-0.7f, 1.0f, -0.3f});

Vector3 positionOf(const ModelVertex& v) { return {v.position[0], v.position[1], v.position[2]}; }
Vector3 normalOf(const ModelVertex& v) { return {v.normal[0], v.normal[1], v.normal[2]}; }

}  // namespace

void meshBounds(const ModelMeshData& mesh, Vector3& low, Vector3& high) {
    const float inf = std::numeric_limits<float>::infinity();
    low = {inf, inf, inf};
    high = {-inf, -inf, -inf};
    for (const ModelVertex& v : mesh.vertices) {
        const Vector3 p = positionOf(v);
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
}

ModelRaster::ModelRaster(Image& target, int x, int y, int size, const Vector3& towardsViewer)
    : target_(target),
      x0_(x),
      y0_(y),
      size_(size),
      back_(normalise(towardsViewer)),
      depth_(static_cast<size_t>(size) * static_cast<size_t>(size), -std::numeric_limits<float>::max()) {
    right_ = normalise(cross({0.0f, 1.0f, 0.0f}, back_));
    up_ = cross(back_, right_);
}

void ModelRaster::fit(const Vector3& low, const Vector3& high) {
    float minX = std::numeric_limits<float>::max(), maxX = -minX, minY = minX, maxY = -minX;
    for (int corner = 0; corner < 8; ++corner) {
        const Vector3 p{corner & 1 ? high.x : low.x, corner & 2 ? high.y : low.y,
                        corner & 4 ? high.z : low.z};
        minX = std::min(minX, dot(p, right_));
        maxX = std::max(maxX, dot(p, right_));
        minY = std::min(minY, dot(p, up_));
        maxY = std::max(maxY, dot(p, up_));
    }
    scale_ = 0.9f * static_cast<float>(size_) / std::max({maxX - minX, maxY - minY, 1e-6f});
    centreX_ = x0_ + 0.5f * size_ - scale_ * 0.5f * (minX + maxX);
    centreY_ = y0_ + 0.5f * size_ + scale_ * 0.5f * (minY + maxY);
}

ModelRaster::Projected ModelRaster::project(const Vector3& p) const {
    return {centreX_ + scale_ * dot(p, right_), centreY_ - scale_ * dot(p, up_), dot(p, back_)};
}

Pixel ModelRaster::shade(const Vector3& n, const Pixel& d, const Pixel& tint, const Image* envmap) const {
    const float light = 0.38f + 0.7f * std::max(0.0f, dot(n, kLight));
    Pixel out{d.r * tint.r * light, d.g * tint.g * light, d.b * tint.b * light, 1.0f};
    if (envmap) {
        // The sphere map is indexed by the reflected view ray in view coordinates.
        const Vector3 vn{dot(n, right_), dot(n, up_), dot(n, back_)};
        const Vector3 r{2.0f * vn.z * vn.x, 2.0f * vn.z * vn.y, 2.0f * vn.z * vn.z - 1.0f};
        const float m = 2.0f * std::sqrt(r.x * r.x + r.y * r.y + (r.z + 1.0f) * (r.z + 1.0f));
        const Pixel& e = envmap->sample(0.5f + r.x / m, 0.5f - r.y / m);
        out.r += 0.22f * e.r;
        out.g += 0.22f * e.g;
        out.b += 0.22f * e.b;
    }
    out.r = std::min(out.r, 1.0f);
    out.g = std::min(out.g, 1.0f);
    out.b = std::min(out.b, 1.0f);
    return out;
}

void ModelRaster::draw(const ModelMeshData& mesh, const Image& diffuse, const Image* envmap,
                       const Matrix44& placement, const Pixel& tint) {
    std::vector<Projected> projected;
    std::vector<Vector3> normals;
    for (const ModelVertex& v : mesh.vertices) {
        projected.push_back(project(transformPoint(positionOf(v), placement)));
        normals.push_back(normalise(transformDirection(normalOf(v), placement)));
    }
    for (size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
        const uint32_t i[3] = {mesh.indices[t], mesh.indices[t + 1], mesh.indices[t + 2]};
        if (i[0] >= projected.size() || i[1] >= projected.size() || i[2] >= projected.size()) continue;
        const Projected &a = projected[i[0]], &b = projected[i[1]], &c = projected[i[2]];
        const float area = (b.sx - a.sx) * (c.sy - a.sy) - (b.sy - a.sy) * (c.sx - a.sx);
        if (std::fabs(area) < 1e-9f) continue;
        const int left = std::max(x0_, static_cast<int>(std::floor(std::min({a.sx, b.sx, c.sx}))));
        const int right =
            std::min(x0_ + size_ - 1, static_cast<int>(std::ceil(std::max({a.sx, b.sx, c.sx}))));
        const int top = std::max(y0_, static_cast<int>(std::floor(std::min({a.sy, b.sy, c.sy}))));
        const int bottom =
            std::min(y0_ + size_ - 1, static_cast<int>(std::ceil(std::max({a.sy, b.sy, c.sy}))));
        const ModelVertex &va = mesh.vertices[i[0]], &vb = mesh.vertices[i[1]], &vc = mesh.vertices[i[2]];
        for (int py = top; py <= bottom; ++py) {
            for (int px = left; px <= right; ++px) {
                const float fx = px + 0.5f, fy = py + 0.5f;
                const float wa = ((b.sx - fx) * (c.sy - fy) - (b.sy - fy) * (c.sx - fx)) / area;
                const float wb = ((c.sx - fx) * (a.sy - fy) - (c.sy - fy) * (a.sx - fx)) / area;
                const float wc = 1.0f - wa - wb;
                if (wa < 0.0f || wb < 0.0f || wc < 0.0f) continue;
                const float z = wa * a.depth + wb * b.depth + wc * c.depth;
                float& stored = depth_[static_cast<size_t>(py - y0_) * size_ + (px - x0_)];
                if (z <= stored) continue;
                stored = z;
                const Vector3 n = normalise(normals[i[0]] * wa + normals[i[1]] * wb + normals[i[2]] * wc);
                const float u = wa * va.uv0[0] + wb * vb.uv0[0] + wc * vc.uv0[0];
                const float v = wa * va.uv0[1] + wb * vb.uv0[1] + wc * vc.uv0[1];
                target_.at(px, py) = shade(n, diffuse.sample(u, v), tint, envmap);
            }
        }
    }
}

}  // namespace nimbus
