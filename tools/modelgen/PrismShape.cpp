#include <cmath>
#include <vector>

#include "MeshBuilder.h"
#include "ModelDescription.h"
#include "Polygon.h"
#include "ShapeLimits.h"
#include "Shapes.h"

namespace nimbus {

namespace {

// One ring of the side walls: how far it lies inside the outline, its height, and the
// share of its normal that points outwards (the rest points up or down).
struct Ring {
    float insetBy, y, outward, normalY;
};

std::vector<Ring> wallRings(float half, float bevel, int steps) {
    if (bevel <= 0.0f) return {{0.0f, half, 1.0f, 0.0f}, {0.0f, -half, 1.0f, 0.0f}};
    std::vector<Ring> rings;
    for (int k = 0; k <= steps; ++k) {
        const float a = 0.5f * static_cast<float>(M_PI) * static_cast<float>(k) / static_cast<float>(steps);
        rings.push_back(
            {bevel * (1.0f - std::sin(a)), half - bevel * (1.0f - std::cos(a)), std::sin(a), std::cos(a)});
    }
    for (int k = 0; k <= steps; ++k) {
        const float a =
            0.5f * static_cast<float>(M_PI) * (1.0f + static_cast<float>(k) / static_cast<float>(steps));
        rings.push_back(
            {bevel * (1.0f - std::sin(a)), -half + bevel * (1.0f + std::cos(a)), std::sin(a), std::cos(a)});
    }
    return rings;
}

void addCap(const Outline& outline, float y, float normalY, MeshBuilder& mesh) {
    const int first = static_cast<int>(mesh.vertices().size());
    for (const auto& p : outline) mesh.addVertex({p[0], y, p[1]}, {0.0f, normalY, 0.0f});
    for (const auto& t : triangulate(outline)) mesh.addTriangle(first + t[0], first + t[1], first + t[2]);
}

}  // namespace

void buildPrism(const PartDescription& part, MeshBuilder& mesh) {
    const Outline outline = counterClockwise(part.points);
    const float half = part.height * 0.5f;
    const std::vector<Ring> rings = wallRings(half, part.bevel, segmentsOf(part));
    std::vector<Outline> ringOutlines;
    for (const Ring& ring : rings) ringOutlines.push_back(inset(outline, ring.insetBy));

    const Outline cap = inset(outline, part.bevel);
    addCap(cap, half, 1.0f, mesh);
    addCap(cap, -half, -1.0f, mesh);

    // Every edge has vertices of its own, so the outline's corners stay sharp.
    const size_t n = outline.size();
    for (size_t e = 0; e < n; ++e) {
        const auto& a = outline[e];
        const auto& b = outline[(e + 1) % n];
        const float dx = b[0] - a[0], dz = b[1] - a[1], l = std::sqrt(dx * dx + dz * dz);
        const Vector3 out{dz / l, 0.0f, -dx / l};
        const int first = static_cast<int>(mesh.vertices().size());
        for (size_t r = 0; r < rings.size(); ++r) {
            const Vector3 normal = out * rings[r].outward + Vector3{0.0f, rings[r].normalY, 0.0f};
            const auto& p = ringOutlines[r][e];
            const auto& q = ringOutlines[r][(e + 1) % n];
            mesh.addVertex({p[0], rings[r].y, p[1]}, normal);
            mesh.addVertex({q[0], rings[r].y, q[1]}, normal);
        }
        for (int r = 0; r + 1 < static_cast<int>(rings.size()); ++r) {
            const int i = first + 2 * r;
            mesh.addQuad(i, i + 1, i + 3, i + 2);
        }
    }
}

}  // namespace nimbus
